#include "ui/Main.h"

#include "common/Boundary.h"
#include "common/subTool.h"
#include "engine/RuntimeError.h"
#include "ui/MessageLoop.h"
#include "ui/StartOptions.h"

namespace quorva {

std::unique_ptr<clsTeraPad> gTeraPad;
std::unique_ptr<frmCalc> gCalc;

void Main(const StartOptions& options) {
  gTeraPad = std::make_unique<clsTeraPad>();
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
  gCalc->Show();
  ReportRejectedArguments(options);
}

int RunQuorva() {
  Main(ParseStartOptions(SplitArguments(GetCommandLineW())));
  int code = RunMessageLoop();
  gCalc.reset();
  gTeraPad.reset();
  return code;
}

int RunAtBoundary(const std::function<int()>& run) {
  return AtBoundary(run, [] {
    gCalc.reset();
    gTeraPad.reset();
    return 1;
  });
}

}  // namespace quorva
