#include "tests/harness/support/TargetProcess.h"

#include <atomic>

#include "tests/harness/support/Wait.h"

namespace quorva::test {

TargetProcess::TargetProcess(const std::wstring& exe, const std::wstring& switches) {
  static std::atomic<int> serial{0};
  const std::wstring title = L"target " + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++serial);
  if (!process_.Start(exe, L"--title \"" + title + L"\" " + switches)) return;
  if (!WaitUntil([&] { return (main_ = process_.FindWindowOf(title)) != nullptr; }, 30000)) return;
  text_ = FindWindowExW(main_, nullptr, qtarget::kTextClass, nullptr);
}

TargetProcess::~TargetProcess() {
  if (IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
  process_.WaitForExit(15000);
}

bool TargetProcess::InFront() {
  return WaitUntil([&] {
    if (GetForegroundWindow() == main_) return true;
    SetForegroundWindow(main_);
    return false;
  });
}

bool AnyKeyDown(int& key) {
  for (key = 1; key < 256; ++key) {
    if (GetAsyncKeyState(key) & 0x8000) return true;
  }
  return false;
}

}  // namespace quorva::test
