#include <windows.h>

#include "common/windows/SystemMessageBox.h"
#include "ui/app/CommandLine.h"
#include "ui/app/Main.h"
#include "ui/app/Resident.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return quorva::RunAtBoundary([] {
    quorva::InstallSystemMessageBox();
    // With /hotkey the program stays resident; every other start is a run of its own.
    const quorva::StartOptions options = quorva::ParseStartOptions(quorva::SplitArguments(GetCommandLineW()));
    if (options.Resident) return quorva::RunResident(options);
    return quorva::RunQuorva();
  });
}
