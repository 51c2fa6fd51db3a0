#include "ui/app/Main.h"

#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "common/subTool.h"
#include "shared/RuntimeError.h"
#include "ui/app/ChannelStart.h"
#include "ui/app/CommandLine.h"
#include "ui/app/FillWindow.h"
#include "ui/app/InPlaceRun.h"
#include "ui/app/RunHistory.h"
#include "ui/form/MessageLoop.h"
#include "ui/app/Notices.h"

namespace quorva {

static_assert(kWindowNotCreated == ERROR_INVALID_WINDOW_HANDLE, "the catalogue's number is the system's");

namespace {

// Timer messages come after the window's paint messages: the history is read once the window
// and its controls show. The timer is the window's, so it goes with it; its id is the history,
// which outlives the window.
void CALLBACK LoadHistoryAfterPainting(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  AtBoundary([id] { reinterpret_cast<History*>(id)->Load(); }, [] {});
}

}  // namespace

History& QuorvaRun::OpenHistory(bool noHistory) {
  return OpenRunHistory(history, noHistory);
}

void QuorvaRun::End() {
  gCalc.reset();
  gTeraPad.reset();
  history.reset();
}

void Main(QuorvaRun& run, const StartOptions& options, const WindowStart& start) {
  History& history = run.OpenHistory(options.NoHistory);
  if (!run.gTeraPad) run.gTeraPad = std::make_unique<clsTeraPad>();
  // The window object itself is released after the loop, once its window procedure has returned.
  run.gCalc = std::make_unique<frmCalc>(run.gTeraPad.get(), TellEditorOutcome, &history, [] { PostQuitMessage(0); });
  frmCalc& form = *run.gCalc;
  if (!form.hWnd()) {
    // Without its window nothing would ever end the run: an invisible process would wait
    // forever. Say so and end.
    ErrReport(MakeError(kWindowNotCreated));
    run.End();
    PostQuitMessage(1);
    return;
  }
  ApplyStartOptions(form, run.gTeraPad.get(), options);
  PutExpression(form, start.Expression);
  if (!start.Answer.empty()) form.PutAnswer(start.Answer);
  form.Show();
  SetTimer(form.hWnd(), reinterpret_cast<UINT_PTR>(&history), 0, LoadHistoryAfterPainting);
  if (start.Calculate) form.PressCalculate();
  ReportRejectedArguments(options);
}

int RunQuorva() {
  QuorvaRun run;
  StartOptions options = ParseStartOptions(SplitArguments(GetCommandLineW()));
  WindowStart start;
  if (options.Now) {
    // Chosen once, while the program that started Quorva is still in front.
    const FrontChoice front = ChooseFrontChannel();
    if (TellRefusal(front.Choice)) return 1;
    run.gTeraPad = std::make_unique<clsTeraPad>();
    const std::unique_ptr<EditorFace> editor = FaceFor(front, *run.gTeraPad);
    std::optional<WindowStart> handedOver =
        RunInPlace(*editor, options, [&]() -> History& { return run.OpenHistory(options.NoHistory); });
    if (!handedOver) {
      run.End();
      ReportRejectedArguments(options);
      return 0;
    }
    start = std::move(*handedOver);
    options.Selection = false;  // what the selection held is in start already
  }
  Main(run, options, start);
  return RunMessageLoop();
}

int RunAtBoundary(const std::function<int()>& run) {
  return AtBoundary(run, [] { return 1; });
}

}  // namespace quorva
