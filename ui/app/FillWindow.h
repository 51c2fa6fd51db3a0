#pragma once
// How the calculator window is filled before it is shown: the start-up options, and what the
// in-place road handed over.
#include <string>

#include "bridge/clsTeraPad.h"
#include "ui/app/StartOptions.h"
#include "ui/window/frmCalc.h"

namespace quorva {

// The decimal places, grouping, width and rounding the options ask for; with /selection, the editor's
// selected text (read through the message channel, without line breaks and tabs) in the expression
// box, the caret after it once the box has the focus. Nothing is calculated. No editor (bridge null
// or without an edit control), an empty selection, or a read that fails (told once) leaves the box
// empty.
void ApplyStartOptions(frmCalc& form, clsTeraPad* bridge, const StartOptions& options);

// The expression box holds expression, the caret after it once the box has the focus.
void PutExpression(frmCalc& form, const std::wstring& expression);

}  // namespace quorva
