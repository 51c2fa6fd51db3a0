#pragma once
// Which control of the foreground window is the editor's: its direct "TEditor" child first, as
// TeraPad has it; else the control that has the focus in the window's thread, where that is an
// edit control (the system's Edit and its superclasses, RichEdit, a "TEditor" deeper down).
// Nothing else is driven.
#include <windows.h>

namespace quorva {

// Whether the window is an edit control the bridge may drive.
bool IsEditControl(HWND window);

// The editor's edit control in the foreground window fg, or nullptr.
HWND FindEditControl(HWND fg);

}  // namespace quorva
