#pragma once
// Synthesised keys for driving another program as the user's hand would, and the state of the
// user's own keys. (PushKey and PushTab, the tools module's keys, are declared in common/subTool.h.)
#ifdef _WIN32
#include <windows.h>

namespace quorva {

// Whether any of Ctrl, Shift, Alt or a Win key is down now, in the system's input state.
bool ModifiersDown();
// Whether Alt or a Win key is down now.
bool AltOrWinDown();
// modifier down, key down, key up, modifier up: one SendInput, so that no typed key can come in
// between. False when the system took fewer than all four (input blocked, say).
bool SendChord(WORD modifier, WORD key);
// An unassigned key down and up: after it, releasing a lone Alt or Win key opens no menu and no
// Start menu, because another key came in between.
void MaskMenuKey();

}  // namespace quorva
#endif
