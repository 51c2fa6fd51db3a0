#include "ui/Main.h"

#include "common/Boundary.h"
#include "common/subTool.h"
#include "engine/RuntimeError.h"
#include "ui/History.h"
#include "ui/MessageLoop.h"
#include "ui/WindowStart.h"

namespace quorva {

std::unique_ptr<clsTeraPad> gTeraPad;
std::unique_ptr<frmCalc> gCalc;

namespace {

// Timer messages come after the window's paint messages: the history is read once the window
// and its controls show.
void CALLBACK LoadHistoryAfterPainting(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  AtBoundary([] { if (gHistory) gHistory->Load(); }, [] {});
}

}  // namespace

void Main(const StartOptions& options, const WindowStart& start) {
  OpenHistory(options.NoHistory);
  if (!gTeraPad) gTeraPad = std::make_unique<clsTeraPad>();
  // The window object itself is released after the loop, once its window procedure has returned.
  gCalc = std::make_unique<frmCalc>([] { PostQuitMessage(0); });
  if (!gCalc->hWnd()) {
    // Without its window nothing would ever end the run: an invisible process would wait
    // forever. Say so and end.
    ErrReport(MakeError(kWindowNotCreated));
    gCalc.reset();
    gTeraPad.reset();
    PostQuitMessage(1);
    return;
  }
  ApplyStartOptions(*gCalc, gTeraPad.get(), options);
  PutExpression(*gCalc, start.Expression);
  if (!start.Answer.empty()) gCalc->PutAnswer(start.Answer);
  gCalc->Show();
  SetTimer(nullptr, 0, 0, LoadHistoryAfterPainting);
  if (start.Calculate) gCalc->PressCalculate();
  ReportRejectedArguments(options);
}

int RunQuorva() {
  StartOptions options = ParseStartOptions(SplitArguments(GetCommandLineW()));
  WindowStart start;
  if (options.Now) {
    gTeraPad = std::make_unique<clsTeraPad>();
    std::optional<WindowStart> handedOver = RunInPlace(*gTeraPad, options);
    if (!handedOver) {
      gTeraPad.reset();
      gHistory.reset();
      ReportRejectedArguments(options);
      return 0;
    }
    start = std::move(*handedOver);
    options.Selection = false;  // what the selection held is in start already
  }
  Main(options, start);
  int code = RunMessageLoop();
  gCalc.reset();
  gTeraPad.reset();
  gHistory.reset();
  return code;
}

int RunAtBoundary(const std::function<int()>& run) {
  return AtBoundary(run, [] {
    gCalc.reset();
    gTeraPad.reset();
    gHistory.reset();
    return 1;
  });
}

}  // namespace quorva
