#include <windows.h>

#include "common/SystemMessageBox.h"
#include "ui/Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return quorva::RunAtBoundary([] {
    quorva::InstallSystemMessageBox();
    return quorva::RunQuorva();
  });
}
