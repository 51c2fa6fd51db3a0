#pragma once
// What a window shows on the screen, read back as pixels: tests of drawing ask the screen, not
// the control, since a control can hold its text and still show nothing.
#include <windows.h>

#include <string>
#include <vector>

namespace quorva::test {

// Dark pixels in the client area (scroll bars and borders excluded), as text in the window text
// colour leaves them on a light background. A caret makes one or two dark columns.
struct Ink {
  int Columns = 0;            // columns with at least one dark pixel
  int Left = -1, Right = -1;  // first and last such column, client coordinates; -1 when none
  int Top = -1, Bottom = -1;  // first and last row with a dark pixel
  int Width = 0, Height = 0;  // of the client area
};
Ink InkOf(HWND window);

// Whether the client area shows the whole of text as the window draws it in its own font
// (WM_GETFONT), dark on light, somewhere: every dark pixel of the text where it belongs and no
// other dark pixel inside the text's bounds.
bool ShowsText(HWND window, const std::wstring& text);

// The client area's pixels (0x00RRGGBB, rows from the top) as the window paints all of itself
// into memory.
std::vector<DWORD> PaintedPixels(HWND window);
// Whether the screen shows all that the window paints: a window that left part of a change
// unpainted differs. Hide the window's caret first; the screen shows it, a painting does not.
bool ShowsWhatItPaints(HWND window);

}  // namespace quorva::test
