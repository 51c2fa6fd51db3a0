#pragma once
// Puts the start-up options into the calculator window before it is shown, and reports the
// arguments that were not understood once it is.
#include "bridge/clsTeraPad.h"
#include "ui/CommandLine.h"
#include "ui/frmCalc.h"

namespace quorva {

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
