#include "ui/app/ShellCalls.h"

namespace quorva {

const ShellCalls& Shell() {
  static const ShellCalls calls;
  return calls;
}

}  // namespace quorva
