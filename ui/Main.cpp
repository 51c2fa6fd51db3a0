#include "ui/Main.h"

#include "ui/MessageLoop.h"

namespace quorva {

std::unique_ptr<clsTeraPad> gTeraPad;
std::unique_ptr<frmCalc> gCalc;

void Main() {
  gTeraPad = std::make_unique<clsTeraPad>();
  // The window object itself is released after the loop, once its window procedure has returned.
  gCalc = std::make_unique<frmCalc>([] { PostQuitMessage(0); });
  gCalc->Show();
}

int RunQuorva() {
  Main();
  int code = RunMessageLoop();
  gCalc.reset();
  gTeraPad.reset();
  return code;
}

}  // namespace quorva
