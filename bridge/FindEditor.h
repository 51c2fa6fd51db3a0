#pragma once
// Which control of the foreground window is the editor's: its direct "TEditor" child first, as
// TeraPad has it; else the control that has the focus in the window's thread, where that is an
// edit control (the system's Edit and its superclasses, RichEdit, a "TEditor" deeper down).
// Nothing else is driven.
#include <windows.h>

#include <string_view>

namespace quorva {

// Whether a window of the class (RealGetWindowClass naming realClass) is an edit control the
// bridge may drive: "TEditor", Edit and its superclasses, RichEdit (20A, 20W, 50W) and
// RichEditD2DPT, the RichEdit of Windows 11's Notepad. Compared without regard to case.
bool IsEditClass(std::wstring_view className, std::wstring_view realClass);

// Whether the window is an edit control the bridge may drive.
bool IsEditControl(HWND window);

// The editor's edit control in the foreground window fg, or nullptr.
HWND FindEditControl(HWND fg);

}  // namespace quorva
