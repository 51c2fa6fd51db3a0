#pragma once
// Screenshots as 24-bit BMP files: a rectangle of the screen, or one window as it shows.
#include <windows.h>

#include <string>

namespace quorva::test {

bool SaveScreen(const RECT& rc, const std::wstring& file);
bool SaveWindowShot(HWND window, const std::wstring& file);

}  // namespace quorva::test
