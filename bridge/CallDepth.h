#pragma once
// How many calls of the bridge's members are in progress, so that only the outermost settles the
// control: members called inside it use the same answers.
namespace quorva {

class CallDepth {
 public:
  explicit CallDepth(int& depth) : depth_(++depth) {}
  ~CallDepth() { --depth_; }
  CallDepth(const CallDepth&) = delete;
  CallDepth& operator=(const CallDepth&) = delete;

 private:
  int& depth_;
};

}  // namespace quorva
