#pragma once
// What the editor did not do, and what a call of the bridge ended with. The bridge shows nothing
// itself: a call records its faults, and the layer that talks to the user tells them.
#include <vector>

#include "shared/RuntimeError.h"

namespace quorva {

// Each is reported as invalid argument (5) with its own text, so the user can tell a closed or
// read-only editor from one that took only part of the answer.
enum class EditorFault {
  kCannotRead,    // the text could not be read whole
  kCannotWrite,   // the editor took nothing
  kPartialTake,   // the editor took only part of the text
  kTextDamaged,   // a piecewise read could not put the editor's text back
};
RuntimeError MakeEditorError(EditorFault fault);

// The errors that one call of the bridge from outside ended with, in order: none, or one where
// the call went as the bridge means it to.
struct CallOutcome {
  std::vector<RuntimeError> Faults;
  bool ok() const { return Faults.empty(); }
};

}  // namespace quorva
