#include "tests/harness/support/Wait.h"

namespace quorva::test {

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::function<void()>& pump) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    pump ? pump() : PumpMessages();
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace quorva::test
