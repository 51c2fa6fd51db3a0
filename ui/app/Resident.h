#pragma once
// The resident (/hotkey:KEYS): no window to see, one instance at a time, a notification-area icon
// with its key, "Quit" and "Start with Windows"; at each press of the key the program in front is
// worked in place, as /now works it.
#include <windows.h>

#include <functional>

#include "common/history/History.h"
#include "ui/app/StartOptions.h"

namespace quorva {

// The window class of the resident's hidden window, and the command that ends it.
inline constexpr wchar_t kResidentClass[] = L"QuorvaResident";
inline constexpr UINT kQuitCommand = 0x5101;
inline constexpr UINT kStartWithWindowsCommand = 0x5102;

// Runs until "Quit"; returns the exit code. A second instance, or a key that another program has
// taken, is told once and ends at once (exit code 1).
int RunResident(const StartOptions& options);

// One press: the window in front, its channel, the in-place road; every outcome told once.
void WorkInPlaceAtPress(const StartOptions& options, const std::function<History&()>& history);

}  // namespace quorva
