#pragma once
// The error trap of the bridge's members that talk to the editor: one count per call; a failing
// statement runs again while the count allows, the next failure is recorded in the call's outcome
// and the member ends. Nothing is shown here: the caller reads the outcome and tells the user.
#include <cstdint>
#include <new>

#include "bridge/EditorFault.h"
#include "shared/RuntimeError.h"

namespace quorva {

class RetryTrap {
 public:
  explicit RetryTrap(CallOutcome& outcome) : outcome_(outcome) {}

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

  // A fault of the editor that running a statement again cannot mend: recorded at once.
  void Report(const RuntimeError& e) { outcome_.Faults.push_back(e); }

 private:
  // A statement runs this many times again before its failure counts.
  static constexpr int16_t kRetries = 6;

  bool Retry() {
    if (count_ >= kRetries) return false;
    ++count_;
    return true;
  }
  int16_t count_ = 0;
  CallOutcome& outcome_;
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
