#pragma once
// What the screen shows: its pixels in a rectangle, and screenshots as BMP files (a rectangle of
// the screen, or one window as it shows).
#include <windows.h>

#include <string>
#include <vector>

namespace quorva::test {

// 0x00RRGGBB per pixel, rows from the top; empty for an empty rectangle.
std::vector<DWORD> ScreenPixels(const RECT& rc);

bool SaveScreen(const RECT& rc, const std::wstring& file);
bool SaveWindowShot(HWND window, const std::wstring& file);

}  // namespace quorva::test
