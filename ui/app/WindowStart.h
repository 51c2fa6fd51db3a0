#pragma once
// How the calculator window starts: the start-up options and what the in-place road handed over
// put in before it is shown, and the arguments that were not understood reported once it is.
#include <string>
#include <string_view>

#include "bridge/clsTeraPad.h"
#include "ui/app/StartOptions.h"
#include "ui/window/frmCalc.h"

namespace quorva {

// What the window starts with when the in-place road hands over to it.
struct WindowStart {
  std::wstring Expression;  // for the expression box ("" leaves it empty)
  std::wstring Answer;      // for the answer box: the hand-over failed, the answer is kept
  bool Calculate = false;   // calculate once shown, so that the user sees why nothing was done
};

// The decimal places, grouping, width and rounding the options ask for; with /selection, the editor's
// selected text (read through the bridge, without line breaks and tabs) in the expression box,
// the caret after it once the box has the focus. Nothing is calculated. No editor (bridge null
// or without an edit control), an empty selection, or a read that fails (reported once) leaves
// the box empty.
void ApplyStartOptions(frmCalc& form, clsTeraPad* bridge, const StartOptions& options);

// The expression box holds expression, the caret after it once the box has the focus.
void PutExpression(frmCalc& form, const std::wstring& expression);

// One message box naming every rejected argument; nothing when there is none.
void ReportRejectedArguments(const StartOptions& options);

// The selected text as it goes into the expression box.
std::wstring ExpressionFromSelection(std::wstring_view selection);

}  // namespace quorva
