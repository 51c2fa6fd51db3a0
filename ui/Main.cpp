#include "ui/Main.h"

#include "ui/MessageLoop.h"
#include "ui/StartOptions.h"

namespace quorva {

std::unique_ptr<clsTeraPad> gTeraPad;
std::unique_ptr<frmCalc> gCalc;

void Main(const StartOptions& options) {
  gTeraPad = std::make_unique<clsTeraPad>();
  // The window object itself is released after the loop, once its window procedure has returned.
  gCalc = std::make_unique<frmCalc>([] { PostQuitMessage(0); });
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

}  // namespace quorva
