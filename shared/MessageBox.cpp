#include "MessageBox.h"

#include <utility>

namespace quorva {
namespace {
MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

int ShowMessageBox(const MessageBoxRequest& request) {
  auto& handler = Handler();
  return handler ? handler(request) : kIdOk;
}

}  // namespace quorva
