#pragma once
// The evaluator written as plainly as it is described: rewrite the text one reduction at a time,
// from the start, until nothing is left to reduce. Quadratic, recursive in brackets, and kept
// only as the yardstick for the real evaluator.
#include <string>

#include "engine/NumberLocale.h"

namespace quorva::reference {

std::u16string EvalText(std::u16string text, const NumberLocale& locale = {});

// Canonical text with the memo notation (amounts, counting units, percentages) written as plain
// canonical text; other text comes back as it is.
std::u16string PlainMemo(const std::u16string& canonical, const NumberLocale& locale = {});

// The whole of Calculate on top of the reference evaluator. `messages` receives the box text.
std::u16string Calculate(std::u16string& text, std::u16string& messages, const NumberLocale& locale = {});

}  // namespace quorva::reference
