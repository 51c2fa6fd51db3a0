#pragma once
// Message boxes in tests: a handler that is installed for one scope and then puts back whatever
// was installed before, and a recorder built on it.
#include <vector>

#include "shared/MessageBox.h"

namespace quorva::test {

class ScopedMessageBoxHandler {
 public:
  explicit ScopedMessageBoxHandler(MessageBoxHandler handler);
  ~ScopedMessageBoxHandler();
  ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
  ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

 private:
  MessageBoxHandler previous_;
};

// Records every box instead of showing it, and answers OK.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  std::vector<MessageBoxRequest> Boxes;
  // The texts of the boxes in order, joined by "|": one comparison checks number and order.
  std::u16string Texts() const;

 private:
  ScopedMessageBoxHandler scope_;
};

}  // namespace quorva::test
