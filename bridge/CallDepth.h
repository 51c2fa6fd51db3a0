#pragma once
// How many calls of the bridge's members are in progress, so that only the outermost settles the
// control (members called inside it use the same answers) and starts a fresh outcome.
#include "bridge/EditorFault.h"

namespace quorva {

class CallDepth {
 public:
  CallDepth(int& depth, CallOutcome& outcome) : depth_(++depth) {
    if (depth_ == 1) outcome = CallOutcome{};
  }
  ~CallDepth() { --depth_; }
  CallDepth(const CallDepth&) = delete;
  CallDepth& operator=(const CallDepth&) = delete;

 private:
  int& depth_;
};

}  // namespace quorva
