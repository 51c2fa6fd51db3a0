#include <windows.h>

#include "common/windows/SystemMessageBox.h"
#include "ui/app/Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return quorva::RunAtBoundary([] {
    quorva::InstallSystemMessageBox();
    return quorva::RunQuorva();
  });
}
