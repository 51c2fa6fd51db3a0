#pragma once
// An editor may refuse for a while (read-only for a moment, busy): a step that it ignored is tried
// again after a short pause, until a second has passed without any step taking effect. Giving up
// sooner would leave a write half done, or a selection deleted that a moment later could have
// been put back.
#include <windows.h>

namespace quorva {

class Patience {
 public:
  // A step took effect: the next refusal starts a new second.
  void Progress() { since_ = 0; }
  // A step was ignored: true, after the pause, while trying again is worth it.
  bool Again() {
    const ULONGLONG now = GetTickCount64();
    if (since_ == 0) since_ = now;
    if (now - since_ >= kPatienceMs) return false;
    Sleep(kPauseMs);
    return true;
  }

 private:
  static constexpr ULONGLONG kPatienceMs = 1000;
  static constexpr DWORD kPauseMs = 10;
  ULONGLONG since_ = 0;
};

}  // namespace quorva
