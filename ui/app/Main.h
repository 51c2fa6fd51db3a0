#pragma once
// Start-up: the editor bridge first (while the editor is still in front), then the window.
#include <functional>
#include <memory>

#include "bridge/clsTeraPad.h"
#include "common/history/History.h"
#include "ui/app/StartOptions.h"
#include "ui/app/WindowStart.h"
#include "ui/window/frmCalc.h"

namespace quorva {

// What one run of the program owns: a local of the run, whose end ends it. The window uses the
// bridge and the history without owning them; End releases the window first, then the bridge and
// the history, on every road out.
struct QuorvaRun {
  QuorvaRun() = default;
  ~QuorvaRun() { End(); }
  QuorvaRun(const QuorvaRun&) = delete;
  QuorvaRun& operator=(const QuorvaRun&) = delete;

  // By the names the system's documents give them.
  std::unique_ptr<clsTeraPad> gTeraPad;  // the one editor bridge
  std::unique_ptr<frmCalc> gCalc;        // the one calculator window
  std::unique_ptr<History> history;

  // The run's history, made on the first call (with the file unless noHistory); later calls
  // give the same one.
  History& OpenHistory(bool noHistory);
  // The window, the bridge, then the history.
  void End();
};

// Creates the bridge (unless the in-place road already has) and the window, puts the start-up
// options and what the in-place road left in, shows the window and reports any argument that was
// not understood; the window's unloading ends the message loop. A window that cannot be created is
// reported, the run ends, and so does the message loop at once (exit code 1).
void Main(QuorvaRun& run, const StartOptions& options = {}, const WindowStart& start = {});

// The options of the process's command line: with /now the in-place road first, which ends the
// run when it is done; otherwise Main, then the message loop until the window has unloaded.
// Returns the exit code.
int RunQuorva();

// WinMain's boundary: runs run; whatever escapes it is reported once (the run, a local, has
// ended on the way out) and the exit code is 1, so that no invisible process stays behind.
int RunAtBoundary(const std::function<int()>& run);

}  // namespace quorva
