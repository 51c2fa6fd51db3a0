#pragma once
// What the screen shows: its pixels in a rectangle, and screenshots as BMP files (a rectangle of
// the screen, or one window as it shows).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quorva::test {

// 0x00RRGGBB per pixel, rows from the top; empty for an empty rectangle.
std::vector<DWORD> ScreenPixels(const RECT& rc);
// The pixels that draw leaves in a w x h 32-bit memory DC, in the same form.
std::vector<DWORD> DrawnPixels(int w, int h, const std::function<void(HDC)>& draw);

// Where a test saves a screenshot to look at after a run: the build folder's shots/, never the
// working folder.
std::wstring ShotPath(const std::wstring& name);
bool SaveScreen(const RECT& rc, const std::wstring& file);
bool SaveWindowShot(HWND window, const std::wstring& file);
// A window of any process as the user sees it once it has painted, into ShotPath(name).
void ShotOncePainted(HWND window, const std::wstring& name);

}  // namespace quorva::test
