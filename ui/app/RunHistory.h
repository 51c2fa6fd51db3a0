#pragma once
// The run's expression history, opened once on whichever road asks first (the window, /now, a
// press of the resident's key), so that no road opens the file twice.
#include <memory>

#include "common/history/History.h"

namespace quorva {

// The history in slot, made on the first call (with the file unless noHistory); a file that
// cannot be used is told once, and the run goes on without it.
History& OpenRunHistory(std::unique_ptr<History>& slot, bool noHistory);

}  // namespace quorva
