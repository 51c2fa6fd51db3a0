#include "tests/harness/support/MessageBoxes.h"

#include <utility>

namespace quorva::test {

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : previous_(SetMessageBoxHandler(std::move(handler))) {}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler() { SetMessageBoxHandler(std::move(previous_)); }

MessageBoxRecorder::MessageBoxRecorder()
    : scope_([this](const MessageBoxRequest& r) {
        Boxes.push_back(r);
        return kIdOk;
      }) {}

std::u16string MessageBoxRecorder::Texts() const {
  std::u16string all;
  for (const auto& box : Boxes) {
    if (!all.empty()) all += u'|';
    all += box.Text;
  }
  return all;
}

}  // namespace quorva::test
