#pragma once
// The few control properties that the handlers read and write, over window messages.
#include <windows.h>

#include <string>
#include <string_view>

namespace quorva {

std::wstring GetText(HWND control);
void SetText(HWND control, std::wstring_view text);

// Check state of a check box or option button: 0 unchecked, 1 checked, 2 grayed.
int GetValue(HWND control);
void SetValue(HWND control, int value);

// Caret and selection of a text box or of a combo box's edit field, in characters.
int SelStart(HWND control);
int SelLength(HWND control);
void SetSelStart(HWND control, int start);  // no selection, caret at start
void SetSel(HWND control, int start, int end);
// Replaces the characters from start to end of a text box as one step that Ctrl+Z takes back;
// the caret goes after the new text.
void ReplaceUndoably(HWND control, int start, int end, std::wstring_view text);

// Removes leading and trailing blanks: the space and the ideographic (full-width) space, which a
// Japanese input method types for the same key. Not the tab, which IsBlank (engine/InPlace.h)
// also takes around a selection's expression: no box takes a tab from the keyboard, and the form
// helper trims the boxes of any form as the system's own Trim does.
std::wstring Trim(std::wstring_view text);

}  // namespace quorva
