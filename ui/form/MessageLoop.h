#pragma once
// The program's message loop: key preview for forms, Tab navigation, and Enter on buttons.
#include <windows.h>

namespace quorva {

// Handles a key message aimed at a form or one of its controls. Returns true when the message
// is consumed and must not be dispatched.
bool PreTranslate(MSG& msg);

// Preview, then translate and dispatch: one turn of the loop.
void PumpMessage(MSG& msg);

// Processes every message waiting in this thread's queue, then returns. A WM_QUIT found on the
// way is put back for the main loop.
void DoEvents();

// Runs the loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace quorva
