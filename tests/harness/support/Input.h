#pragma once
// Real input through the system's input queue, as a hand gives it: the target window must be in
// front. Typing uses the keyboard layout's keys for digits and letters (with Shift as needed).
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quorva::test {

void TypeText(const std::wstring& text);
void PressKey(WORD vk);
void SendKeys(const std::vector<std::pair<WORD, bool>>& strokes);  // (key, down)

// The left button goes down over a point of the window, and later up.
void SendMouseDown(HWND target, POINT clientPoint);
void SendMouseUp();
// Presses the left button over the middle of a window, waits until pressed() holds, releases.
bool ClickWindow(HWND window, const std::function<bool()>& pressed);

}  // namespace quorva::test
