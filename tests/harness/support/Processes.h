#pragma once
// Other programs driven from outside, as a user (or an automation tool) would: processes, their
// windows, and text read back over window messages.
#include <windows.h>

#include <string>

#include "common/windows/Handles.h"

namespace quorva::test {

// A build output (a Linux path from CMake) as Wine sees it.
std::wstring WindowsPath(const char* unixPath);

class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();  // ends the process if it is still running

  bool Start(const std::wstring& exe, const std::wstring& arguments);
  // The system's error of the last failed attempt to start, 0 if none failed.
  DWORD StartError() const { return startError_; }
  DWORD Id() const { return started_.id; }
  bool WaitForExit(DWORD timeoutMs);
  // Whether the process has finished starting: its first thread waits for input with none left.
  bool WaitForInputIdle(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  // The visible top-level window of this process whose caption is title (any caption if empty).
  HWND FindWindowOf(const std::wstring& title = L"") const;
  // A visible message box (dialog class "#32770") of this process, or nullptr.
  HWND FindMessageBox() const;

 private:
  StartedProcess started_;
  DWORD startError_ = 0;
};

std::wstring WindowText(HWND window);          // WM_GETTEXT, Unicode
std::string AnsiWindowText(HWND window);       // WM_GETTEXT, bytes of the ANSI code page
HWND FocusOf(HWND topLevel);                    // the focused window in that window's thread
std::wstring MessageBoxText(HWND box);          // the text a message box shows

}  // namespace quorva::test
