#include "ui/app/InPlaceRun.h"

#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "common/windows/UserLocale.h"
#include "common/subTool.h"
#include "engine/InPlace.h"
#include "engine/Calculate.h"
#include "ui/app/Notices.h"
#include "ui/app/WindowStart.h"

namespace quorva {
namespace {

// The selected text, or nothing when it could not be read exactly (the bridge or the boundary
// reports it, once).
std::optional<std::wstring> ReadSelectionExactly(clsTeraPad& bridge) {
  const int32_t reported = bridge.Reports();
  return AtBoundary(
      [&]() -> std::optional<std::wstring> {
        std::wstring text = bridge.SelText();
        if (bridge.Reports() != reported) return std::nullopt;
        return text;
      },
      [] { return std::optional<std::wstring>(); });
}

}  // namespace

bool HandOver(clsTeraPad& bridge, const std::wstring& text, bool undoable) {
  if (!IsWindow(bridge.hEdit())) {
    // The editor was closed after Quorva started: nothing can take the text.
    ShowNotice(kEditorClosedNotice);
    return false;
  }
  const int32_t reported = bridge.Reports();
  if (undoable) {
    bridge.SelTextUndoable(text);
  } else {
    bridge.SelText(text);
  }
  return bridge.Reports() == reported;
}

std::optional<WindowStart> RunInPlace(clsTeraPad& bridge, const StartOptions& options,
                                      const std::function<History&()>& history) {
  if (!bridge.hEdit()) return WindowStart{};
  const std::optional<std::wstring> selection = ReadSelectionExactly(bridge);
  if (!selection || selection->empty()) return WindowStart{};

  AnswerFormat format;
  if (options.Places) format.Places = std::u16string(1, static_cast<char16_t>(*options.Places));
  format.Group = options.Group;
  format.Wide = options.Wide;
  format.Round = options.Round;
  const NumberLocale locale = UserNumberLocale();
  const InPlaceResult work =
      WorkLines(FromWide(*selection), options.Append ? InPlaceMode::kAppend : InPlaceMode::kReplace,
                [&](std::u16string_view line) { return QuietAnswerOf(line, format, locale); });
  if (work.Answered == 0) {
    // Nothing to put in: the window shows what Enter would have shown for the selection.
    return WindowStart{ExpressionFromSelection(*selection), L"", true};
  }
  const bool handed = HandOver(bridge, ToWide(work.Text), true);
  // Kept after the editor has its answers, so that the file costs the user no wait. The lines'
  // expressions come without the blanks around them.
  History& kept = history();
  for (const std::u16string& expression : work.Expressions) kept.Add(expression);
  if (handed) return std::nullopt;
  return WindowStart{ToWide(work.Expression), ToWide(work.Answer), false};
}

}  // namespace quorva
