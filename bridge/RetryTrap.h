#pragma once
// The error trap of the bridge's members that talk to the editor: one count per call; a failing
// statement runs again while the count is 5 or less, the next failure is reported and the member
// ends.
#include <cstdint>
#include <new>

#include "common/subTool.h"
#include "engine/RuntimeError.h"

namespace quorva {

inline RuntimeError OutOfMemory() {
  RuntimeError e;
  e.Number = 7;
  e.Source = u"Quorva";
  e.Description = u"メモリが不足しています。";
  return e;
}

class RetryTrap {
 public:
  // Runs one statement. False when its error has been reported: the member must end now.
  template <class Statement>
  bool operator()(Statement&& statement) {
    for (;;) {
      try {
        statement();
        return true;
      } catch (const RuntimeError& e) {
        if (Retry()) continue;
        ErrReport(e);
        return false;
      } catch (const std::bad_alloc&) {
        if (Retry()) continue;
        ErrReport(OutOfMemory());
        return false;
      }
    }
  }

 private:
  bool Retry() {
    if (count_ > 5) return false;
    ++count_;
    return true;
  }
  int16_t count_ = 0;
};

}  // namespace quorva
