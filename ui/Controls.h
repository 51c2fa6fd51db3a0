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

// Removes leading and trailing blanks: the space and the ideographic (full-width) space, which a
// Japanese input method types for the same key.
std::wstring Trim(std::wstring_view text);

}  // namespace quorva
