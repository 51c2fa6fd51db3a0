#include "channels/ClipboardChannel.h"

#include <optional>
#include <utility>

#include "channels/clipboard/PromiseOwner.h"
#include "channels/clipboard/SentWait.h"
#include "common/windows/Clipboard.h"
#include "common/windows/Keys.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

// The longest a copy may go on changing the clipboard before the channel takes what is there.
constexpr DWORD kCopySettleLimitMs = 2000;
constexpr DWORD kReadSettleLimitMs = 5000;

std::wstring TrailingBreak(const std::wstring& text) {
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) return L"\r\n";
  if (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) return std::wstring(1, text.back());
  return {};
}

std::wstring Joined(const std::vector<std::wstring>& names) {
  std::wstring joined;
  for (const std::wstring& name : names) joined += (joined.empty() ? L"" : L", ") + name;
  return joined;
}

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

class ClipboardChannel final : public EditorFace {
 public:
  ClipboardChannel(HWND front, HWND focus, const ClipboardChannelOptions& options)
      : front_(front), focus_(focus), options_(options), owner_(ProcessOf(front)) {}
  ~ClipboardChannel() override;

  SelectionRead ReadSelection() override;
  EditorOutcome ReplaceSelection(const std::wstring& text, bool undoable) override;
  bool StillThere() override { return IsWindow(front_) && (!focus_ || IsWindow(focus_)); }

 private:
  EditorOutcome Outcome(EditorStatus status, std::optional<RuntimeError> error = std::nullopt) const {
    return {status, lost_, std::move(error)};
  }
  std::optional<EditorStatus> Prepare();
  bool WaitForKeys() const;
  bool Copy();
  bool Paste(const std::wstring& text);
  void RestoreIfOurs();

  HWND front_;
  HWND focus_;
  ClipboardChannelOptions options_;
  PromiseOwner owner_;
  std::optional<SavedClipboard> saved_;
  DWORD copied_ = 0;   // the clipboard's sequence number once the target's copy was on it
  bool dirty_ = false;  // the clipboard holds what this channel caused, not the user's
  std::wstring keptBreak_;
  bool answerLeft_ = false;
  std::wstring lost_;
};

ClipboardChannel::~ClipboardChannel() {
  if (answerLeft_) {
    owner_.RenderAll();  // the answer outlives the program, to be pasted by hand
    return;
  }
  try {
    RestoreIfOurs();
  } catch (...) {
    // A clipboard that stays busy at the end cannot be helped; nothing may escape a destructor.
  }
}

bool ClipboardChannel::WaitForKeys() const {
  if (AltOrWinDown()) MaskMenuKey();
  return WaitHandlingSent([] { return !ModifiersDown(); }, options_.KeysReleaseMs);
}

// The keys let go of and the user's clipboard saved: nothing, or why the call cannot go on.
std::optional<EditorStatus> ClipboardChannel::Prepare() {
  if (!StillThere()) return EditorStatus::kGone;
  if (!WaitForKeys()) return EditorStatus::kKeysHeld;
  if (GetForegroundWindow() != front_) return EditorStatus::kNoEditor;  // keys would go elsewhere
  if (!saved_) {
    saved_ = SaveClipboard(owner_.Window());
    lost_ = Joined(saved_->Lost);
  }
  return std::nullopt;
}

bool ClipboardChannel::Copy() {
  const DWORD before = GetClipboardSequenceNumber();
  if (!SendChord(VK_CONTROL, 'C')) return false;
  if (!WaitHandlingSent([&] { return GetClipboardSequenceNumber() != before; }, options_.CopyDeadlineMs)) return false;
  DWORD seen = GetClipboardSequenceNumber();
  WaitQuiet([&] { return GetClipboardSequenceNumber() != std::exchange(seen, GetClipboardSequenceNumber()); },
            options_.CopyQuietMs, kCopySettleLimitMs);
  copied_ = GetClipboardSequenceNumber();
  dirty_ = true;
  return true;
}

SelectionRead ClipboardChannel::ReadSelection() {
  try {
    if (const std::optional<EditorStatus> stop = Prepare()) return {Outcome(*stop), L""};
    if (!Copy()) return {Outcome(EditorStatus::kEmpty), L""};
    std::wstring text = ReadClipboardText(owner_.Window()).value_or(L"");
    RestoreIfOurs();
    if (text.empty()) return {Outcome(EditorStatus::kEmpty), L""};
    keptBreak_ = TrailingBreak(text);
    text.resize(text.size() - keptBreak_.size());
    return {Outcome(EditorStatus::kDone), text};
  } catch (const RuntimeError& busy) {
    return {Outcome(EditorStatus::kUnreadable, busy), L""};  // the clipboard stayed busy
  }
}

bool ClipboardChannel::Paste(const std::wstring& text) {
  dirty_ = true;
  owner_.Promise(text);
  if (!SendChord(VK_CONTROL, 'V')) return false;
  if (!WaitHandlingSent([&] { return owner_.Reads() > 0; }, options_.PasteDeadlineMs)) return false;
  int seen = owner_.Reads();
  WaitQuiet([&] { return owner_.Reads() != std::exchange(seen, owner_.Reads()); }, options_.ReadQuietMs,
            kReadSettleLimitMs);
  return true;
}

EditorOutcome ClipboardChannel::ReplaceSelection(const std::wstring& text, bool) {
  // One paste is one step of the target's own undo: undoable or not, it is the same keys.
  try {
    if (const std::optional<EditorStatus> stop = Prepare()) {
      RestoreIfOurs();
      return Outcome(*stop == EditorStatus::kGone ? EditorStatus::kGone : EditorStatus::kNotTaken);
    }
    if (!Paste(text + keptBreak_)) {
      answerLeft_ = owner_.OwnsClipboard();
      if (answerLeft_) return Outcome(EditorStatus::kNotPasted);
      RestoreIfOurs();
      return Outcome(EditorStatus::kNotTaken);
    }
    RestoreIfOurs();
    return Outcome(EditorStatus::kDone);
  } catch (const RuntimeError& busy) {
    return Outcome(EditorStatus::kNotTaken, busy);
  }
}

// The user's clipboard goes back only while the clipboard holds what this channel caused (the
// target's copy, or the promised answer): whatever another program put there since stays.
void ClipboardChannel::RestoreIfOurs() {
  if (!saved_ || !dirty_) return;
  dirty_ = false;
  owner_.Withdraw();
  if (owner_.OwnsClipboard() || GetClipboardSequenceNumber() == copied_) RestoreClipboard(*saved_, owner_.Window());
}

}  // namespace

std::unique_ptr<EditorFace> MakeClipboardChannel(HWND front, HWND focus, const ClipboardChannelOptions& options) {
  return std::make_unique<ClipboardChannel>(front, focus, options);
}

}  // namespace quorva
