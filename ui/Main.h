#pragma once
// Start-up: the editor bridge first (while the editor is still in front), then the window.
#include <functional>
#include <memory>

#include "bridge/clsTeraPad.h"
#include "ui/CommandLine.h"
#include "ui/InPlaceRun.h"
#include "ui/frmCalc.h"

namespace quorva {

// The one editor bridge and the one calculator window of the run.
extern std::unique_ptr<clsTeraPad> gTeraPad;
extern std::unique_ptr<frmCalc> gCalc;

// Creates the bridge (unless the in-place road already has) and the window, puts the start-up
// options and what the in-place road left in, shows the window and reports any argument that was
// not understood; the window's unloading ends the message loop. A window that cannot be created is
// reported, and the message loop ends at once (exit code 1).
void Main(const StartOptions& options = {}, const WindowStart& start = {});

// The options of the process's command line: with /now the in-place road first, which ends the
// run when it is done; otherwise Main, then the message loop until the window has unloaded.
// Returns the exit code.
int RunQuorva();

// WinMain's boundary: runs run; whatever escapes it is reported once, the window and the bridge
// are released and the exit code is 1, so that no invisible process stays behind.
int RunAtBoundary(const std::function<int()>& run);

}  // namespace quorva
