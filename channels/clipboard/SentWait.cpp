#include "channels/clipboard/SentWait.h"

namespace quorva {
namespace {

constexpr DWORD kPollMs = 10;

void HandleSent() {
  MSG msg;
  // PM_QS_SENDMESSAGE: only sent messages are handled (inside PeekMessage); nothing is removed.
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

void Pause() {
  MsgWaitForMultipleObjectsEx(0, nullptr, kPollMs, QS_SENDMESSAGE, 0);
  HandleSent();
}

}  // namespace

bool WaitHandlingSent(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  HandleSent();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() - start >= timeoutMs) return false;
    Pause();
  }
}

bool WaitQuiet(const std::function<bool()>& changed, DWORD quietMs, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  ULONGLONG quietSince = start;
  for (;;) {
    HandleSent();
    const ULONGLONG now = GetTickCount64();
    if (changed()) quietSince = now;
    if (now - quietSince >= quietMs) return true;
    if (now - start >= timeoutMs) return false;
    Pause();
  }
}

}  // namespace quorva
