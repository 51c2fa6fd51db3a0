#pragma once
// quorva-target.exe in another process: a program whose text window answers only keys, started
// with switches, brought to the front, read back, and closed at the end of the scope.
#include <windows.h>

#include <string>

#include "tests/harness/support/Processes.h"
#include "tests/harness/targets/TargetMessages.h"

namespace quorva::test {

class TargetProcess {
 public:
  TargetProcess(const std::wstring& exe, const std::wstring& switches);
  ~TargetProcess();
  TargetProcess(const TargetProcess&) = delete;
  TargetProcess& operator=(const TargetProcess&) = delete;

  bool Found() const { return text_ != nullptr; }
  bool InFront();
  HWND Main() const { return main_; }
  HWND TextWindow() const { return text_; }
  std::wstring Text() const { return WindowText(text_); }
  LRESULT Ask(UINT driverMessage) const { return SendMessageW(text_, driverMessage, 0, 0); }

 private:
  Process process_;
  HWND main_ = nullptr;
  HWND text_ = nullptr;
};

// Whether any key is down now in the system's input state; its code in key.
bool AnyKeyDown(int& key);

}  // namespace quorva::test
