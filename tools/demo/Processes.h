#pragma once
// Other programs driven from outside, as a user (or an automation tool) would: processes, their
// windows, real keyboard and mouse input, and text read back over window messages.
#include <windows.h>

#include <functional>
#include <string>

namespace quorva::e2e {

// Polls until the condition holds or the deadline passes; returns the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A build output (a Linux path from CMake) as Wine sees it.
std::wstring WindowsPath(const char* unixPath);

class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();  // ends the process if it is still running

  bool Start(const std::wstring& exe, const std::wstring& arguments);
  DWORD Id() const { return info_.dwProcessId; }
  bool WaitForExit(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  // The visible top-level window of this process whose caption is title (any caption if empty).
  HWND FindWindowOf(const std::wstring& title = L"") const;

 private:
  PROCESS_INFORMATION info_ = {};
};

std::wstring WindowText(HWND window);          // WM_GETTEXT, Unicode
std::string AnsiWindowText(HWND window);       // WM_GETTEXT, bytes of the ANSI code page
HWND FocusOf(HWND topLevel);                    // the focused window in that window's thread

// Real input. Typing uses the keyboard layout's keys for each character (with Shift as needed).
void TypeText(const std::wstring& text);
void PressKey(WORD vk);
// Presses the left button over the middle of a window, waits until pressed() holds, releases.
bool ClickWindow(HWND window, const std::function<bool()>& pressed);

// Screenshots as 24-bit BMP files: a rectangle of the screen, or one window as it shows.
bool SaveScreen(const RECT& rc, const std::wstring& file);
bool SaveWindowShot(HWND window, const std::wstring& file);

}  // namespace quorva::e2e
