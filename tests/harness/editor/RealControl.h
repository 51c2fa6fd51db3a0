#pragma once
// --real KIND: the system's own edit control in place of the stand-in's core, so that the bridge
// meets controls that nobody here wrote. "edit" and "edit-unicode" are superclasses of the
// system's EDIT named "TEditor" (an ANSI and a Unicode window); "richedit" is a RICHEDIT50W child
// that the bridge finds as the focused control. They answer the driver messages too.
#include <windows.h>

#include "EditorState.h"
#include "EditorWindow.h"

namespace qeditor {

// Whether KIND names a real control.
bool IsRealKind(const std::wstring& kind);

// Creates the control as the main window's child, holding the options' text and selection (in
// the control's own positions). nullptr when it cannot be made.
HWND CreateRealControl(HWND main, const Options& options, EditorState& state);

}  // namespace qeditor
