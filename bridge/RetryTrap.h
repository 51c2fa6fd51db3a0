#pragma once
// The error trap of the bridge's members that talk to the editor: one count per call; a failing
// statement runs again while the count is 5 or less, the next failure is reported and the member
// ends. Every report is counted on the bridge, so that a caller can tell a write that failed.
#include <cstdint>
#include <new>

#include "common/subTool.h"
#include "shared/RuntimeError.h"

namespace quorva {

class RetryTrap {
 public:
  explicit RetryTrap(int32_t& reports) : reports_(reports) {}

  // Runs one statement. False when its error has been reported: the member must end now.
  template <class Statement>
  bool operator()(Statement&& statement) {
    for (;;) {
      try {
        statement();
        return true;
      } catch (const RuntimeError& e) {
        if (Retry()) continue;
        Report(e);
        return false;
      } catch (const std::bad_alloc&) {
        if (Retry()) continue;
        Report(MakeError(kOutOfMemory));
        return false;
      }
    }
  }

  // A fault of the editor that running a statement again cannot mend: reported at once.
  void Report(const RuntimeError& e) {
    ++reports_;
    ErrReport(e);
  }

 private:
  bool Retry() {
    if (count_ > 5) return false;
    ++count_;
    return true;
  }
  int16_t count_ = 0;
  int32_t& reports_;
};

// The whole body of a trapped member: running out of memory between its statements is reported
// like a failing statement, and the member ends with its empty result.
template <class Body>
auto Trapped(RetryTrap& trap, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    trap.Report(MakeError(kOutOfMemory));
  } catch (const RuntimeError& e) {
    trap.Report(e);
  }
  return decltype(body())();
}

// The body of a member without a trap: out of memory reaches the caller as run-time error 7.
template <class Body>
auto Untrapped(Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    Raise(kOutOfMemory);
  }
}

}  // namespace quorva
