// One press of the resident's key: the window in front, the channel for it, the in-place road.
#include <windows.h>

#include "bridge/FindEditor.h"
#include "channels/ClipboardChannel.h"
#include "common/text/Ansi.h"
#include "common/windows/UserLocale.h"
#include "engine/Calculate.h"
#include "engine/InPlace.h"
#include "ui/app/InPlaceRun.h"
#include "ui/app/Main.h"
#include "ui/app/Notices.h"
#include "ui/app/Resident.h"
#include "ui/app/ResidentNotices.h"

namespace quorva {
namespace {

struct Front {
  HWND window = nullptr;
  HWND focus = nullptr;
};

Front FrontNow() {
  Front front{GetForegroundWindow(), nullptr};
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (front.window && GetGUIThreadInfo(GetWindowThreadProcessId(front.window, nullptr), &info)) front.focus = info.hwndFocus;
  return front;
}

// Ctrl+C in a console or a terminal interrupts the program running there. (The channel chooser
// keeps the full list; this stands until it is merged.)
bool IsTerminal(HWND window) {
  static constexpr const wchar_t* kTerminals[] = {L"ConsoleWindowClass", L"CASCADIA_HOSTING_WINDOW_CLASS", L"mintty",
                                                  L"PuTTY", L"VirtualConsoleClass"};
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  for (const wchar_t* terminal : kTerminals) {
    if (lstrcmpiW(name, terminal) == 0) return true;
  }
  return false;
}

// The clipboard channel's outcomes, told once each.
void Tell(const EditorOutcome& outcome) {
  switch (outcome.Status) {
    case EditorStatus::kKeysHeld: ShowNotice(kKeysHeldNotice); break;
    case EditorStatus::kEmpty: ShowNotice(kNothingCopiedNotice); break;
    case EditorStatus::kNotPasted: ShowNotice(kNotPastedNotice); break;
    case EditorStatus::kRefused: ShowNotice(kRefusedWindowNotice); break;
    case EditorStatus::kGone: ShowNotice(kEditorClosedNotice); break;
    default: break;
  }
  if (!outcome.Detail.empty() && outcome.Status != EditorStatus::kNotPasted) {
    ShowNotice(std::u16string(kClipboardPartLostNotice) + u"\r\r" + FromWide(outcome.Detail));
  }
}

// The in-place road through the editor face, until the road of InPlaceRun takes a face (then this
// goes and RunInPlace(face, ...) is called instead): read, every line worked, one replacement.
void WorkThroughFace(EditorFace& editor, const StartOptions& options) {
  const SelectionRead read = editor.ReadSelection();
  if (!read.Outcome.ok()) return Tell(read.Outcome);
  AnswerFormat format;
  if (options.Places) format.Places = std::u16string(1, static_cast<char16_t>(*options.Places));
  format.Group = options.Group;
  format.Wide = options.Wide;
  format.Round = options.Round;
  const NumberLocale locale = UserNumberLocale();
  const InPlaceResult work =
      WorkLines(FromWide(read.Text), options.Append ? InPlaceMode::kAppend : InPlaceMode::kReplace,
                [&](std::u16string_view line) { return QuietAnswerOf(line, format, locale); });
  if (work.Answered == 0) return;  // nothing to put in: the text stays as it is
  const EditorOutcome written = editor.ReplaceSelection(ToWide(work.Text), true);
  if (!written.ok() || !read.Outcome.Detail.empty()) Tell(written.ok() ? read.Outcome : written);
  History& kept = gRun.OpenHistory(options.NoHistory);
  for (const std::u16string& expression : work.Expressions) kept.Add(expression);
}

}  // namespace

// The one place that picks the channel for the window in front (the lead points it at the
// channel chooser once that is merged): an edit control takes the message channel, every other
// window the clipboard channel.
void WorkInPlaceAtPress(const StartOptions& options) {
  const Front front = FrontNow();
  if (front.window == nullptr) return;
  if (IsTerminal(front.window)) return ShowNotice(kRefusedWindowNotice);
  if (FindEditControl(front.window)) {
    clsTeraPad bridge;
    RunInPlace(bridge, options, [&]() -> History& { return gRun.OpenHistory(options.NoHistory); });
    return;
  }
  std::unique_ptr<EditorFace> channel = MakeClipboardChannel(front.window, front.focus);
  WorkThroughFace(*channel, options);
}

}  // namespace quorva
