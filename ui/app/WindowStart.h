#pragma once
// What the calculator window starts with, as the in-place road hands it over, and the report of
// the arguments that were not understood. No header of the window: the windowless road uses it.
#include <string>
#include <string_view>

#include "ui/app/StartOptions.h"

namespace quorva {

// What the window starts with when the in-place road hands over to it.
struct WindowStart {
  std::wstring Expression;  // for the expression box ("" leaves it empty)
  std::wstring Answer;      // for the answer box: the hand-over failed, the answer is kept
  bool Calculate = false;   // calculate once shown, so that the user sees why nothing was done
};

// One message box naming every rejected argument; nothing when there is none.
void ReportRejectedArguments(const StartOptions& options);

// The selected text as it goes into the expression box.
std::wstring ExpressionFromSelection(std::wstring_view selection);

}  // namespace quorva
