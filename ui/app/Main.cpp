#include "ui/app/Main.h"

#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "common/subTool.h"
#include "shared/RuntimeError.h"
#include "ui/app/ChannelStart.h"
#include "ui/app/CommandLine.h"
#include "ui/app/FillWindow.h"
#include "ui/app/InPlaceRun.h"
#include "ui/form/MessageLoop.h"
#include "ui/app/Notices.h"

namespace quorva {

QuorvaRun gRun;

static_assert(kWindowNotCreated == ERROR_INVALID_WINDOW_HANDLE, "the catalogue's number is the system's");

namespace {

// Timer messages come after the window's paint messages: the history is read once the window
// and its controls show.
void CALLBACK LoadHistoryAfterPainting(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  AtBoundary([] { if (gRun.history) gRun.history->Load(); }, [] {});
}

void TellHistoryUnusable(const std::wstring& path) {
  ShowNotice(std::u16string(kHistoryUnusableNotice) + u"\r\r" + FromWide(path));
}

}  // namespace

History& QuorvaRun::OpenHistory(bool noHistory) {
  if (!history) history = std::make_unique<History>(noHistory ? std::wstring() : DefaultHistoryPath(), TellHistoryUnusable);
  return *history;
}

void QuorvaRun::End() {
  gCalc.reset();
  gTeraPad.reset();
  history.reset();
}

void Main(const StartOptions& options, const WindowStart& start) {
  History& history = gRun.OpenHistory(options.NoHistory);
  if (!gRun.gTeraPad) gRun.gTeraPad = std::make_unique<clsTeraPad>();
  // The window object itself is released after the loop, once its window procedure has returned.
  gRun.gCalc = std::make_unique<frmCalc>(gRun.gTeraPad.get(), TellEditorOutcome, &history, [] { PostQuitMessage(0); });
  frmCalc& form = *gRun.gCalc;
  if (!form.hWnd()) {
    // Without its window nothing would ever end the run: an invisible process would wait
    // forever. Say so and end.
    ErrReport(MakeError(kWindowNotCreated));
    gRun.End();
    PostQuitMessage(1);
    return;
  }
  ApplyStartOptions(form, gRun.gTeraPad.get(), options);
  PutExpression(form, start.Expression);
  if (!start.Answer.empty()) form.PutAnswer(start.Answer);
  form.Show();
  SetTimer(nullptr, 0, 0, LoadHistoryAfterPainting);
  if (start.Calculate) form.PressCalculate();
  ReportRejectedArguments(options);
}

int RunQuorva() {
  StartOptions options = ParseStartOptions(SplitArguments(GetCommandLineW()));
  WindowStart start;
  if (options.Now) {
    // Chosen once, while the program that started Quorva is still in front.
    const FrontChoice front = ChooseFrontChannel();
    if (TellRefusal(front.Choice)) {
      gRun.End();
      return 1;
    }
    gRun.gTeraPad = std::make_unique<clsTeraPad>();
    const std::unique_ptr<EditorFace> editor = FaceFor(front, *gRun.gTeraPad);
    std::optional<WindowStart> handedOver =
        RunInPlace(*editor, options, [&]() -> History& { return gRun.OpenHistory(options.NoHistory); });
    if (!handedOver) {
      gRun.End();
      ReportRejectedArguments(options);
      return 0;
    }
    start = std::move(*handedOver);
    options.Selection = false;  // what the selection held is in start already
  }
  Main(options, start);
  const int code = RunMessageLoop();
  gRun.End();
  return code;
}

int RunAtBoundary(const std::function<int()>& run) {
  return AtBoundary(run, [] {
    gRun.End();
    return 1;
  });
}

}  // namespace quorva
