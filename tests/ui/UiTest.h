#pragma once
// Driving windows of this process from a test: waiting with a deadline, keys, message boxes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva::test {

// Pumps this thread's messages (through the program's own loop, key preview included) until
// the condition holds or the deadline passes. Returns the condition's last value.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Runs every message that is waiting now.
void Pump();

// A key stroke posted to a control, as the keyboard would deliver it: key-down (which the loop
// translates into its character) and key-up, then the queue is run.
void PostKey(HWND target, UINT vk);
// Characters posted to a control, then the queue is run.
void PostChars(HWND target, const std::wstring& text);
std::wstring TextOf(HWND control);

}  // namespace quorva::test
