// One press of the resident's key: the window in front, the channel for it, the in-place road.
#include <windows.h>

#include "channels/ChooseChannel.h"
#include "common/text/Ansi.h"
#include "ui/app/ChannelStart.h"
#include "ui/app/InPlaceRun.h"
#include "ui/app/Notices.h"
#include "ui/app/Resident.h"
#include "ui/app/ResidentNotices.h"

namespace quorva {
namespace {

// The face as a press uses it: it keeps how the read went, for what the road leaves to the
// resident, and names the clipboard formats that could not be kept also when the answer went in
// (the road tells only what failed).
class PressFace final : public EditorFace {
 public:
  explicit PressFace(std::unique_ptr<EditorFace> inner) : inner_(std::move(inner)) {}
  SelectionRead ReadSelection() override { return read_ = inner_->ReadSelection(); }
  EditorOutcome ReplaceSelection(const std::wstring& text, bool undoable) override {
    EditorOutcome put = inner_->ReplaceSelection(text, undoable);
    if (put.ok() && !put.Detail.empty()) {
      ShowNotice(std::u16string(kClipboardPartLostNotice) + u"\r\r" + FromWide(put.Detail));
    }
    return put;
  }
  bool StillThere() override { return inner_->StillThere(); }
  const SelectionRead& Read() const { return read_; }

 private:
  std::unique_ptr<EditorFace> inner_;
  SelectionRead read_;
};

// Where /now would open the window, a press has none to open: nothing copied is told, a selection
// with no expression in it gets the system's sound, and everything else was told already.
void TellWhatIsLeft(const PressFace& face, const WindowStart& left) {
  if (face.Read().Outcome.Status == EditorStatus::kEmpty) {
    ShowNotice(kNoSelectionNotice);
  } else if (left.Calculate) {
    MessageBeep(MB_ICONASTERISK);
  }
}

}  // namespace

void WorkInPlaceAtPress(const StartOptions& options, const std::function<History&()>& history) {
  const FrontChoice front = ChooseFrontChannel();
  if (front.Choice == ChannelChoice::kNone || TellRefusal(front.Choice)) return;
  clsTeraPad bridge;
  PressFace face(FaceFor(front, bridge));
  const std::optional<WindowStart> left =
      RunInPlace(face, options, history);
  if (left) TellWhatIsLeft(face, *left);
}

}  // namespace quorva
