#pragma once
// The expression box stays one line: line breaks and tabs that reach it become blanks.
#include <windows.h>

#include <string>

namespace quorva {

// What cannot stay in the one-line box: CR, LF and the tab. The box turns each into a blank (see
// BlankOutLineBreaks); a selection put into the box from the editor drops them instead
// (ExpressionFromSelection), since it arrives whole with no caret or undo step to keep in place.
// The engine ignores blanks, so both give the same answer.
bool IsLineBreakOrTab(wchar_t c);

// Line breaks and tabs in an expression are blanks, as the engine takes the full-width blank:
// a line copied whole from the editor brings its line break along. One for one, so that
// positions in the text stay where they were. Returns whether there was any.
bool BlankOutLineBreaks(std::wstring& text);

// After a change of the box: its line breaks and tabs become blanks, and the caret stays in view.
// A change that the box can take back (a paste, a key) is made again with the blanks as one step,
// so that Ctrl+Z gives back what was there before it, as after a plain paste.
void KeepOneLine(HWND box);

}  // namespace quorva
