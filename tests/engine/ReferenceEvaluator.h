#pragma once
// The evaluator written as plainly as it is described: rewrite the text one reduction at a time,
// from the start, until nothing is left to reduce. Quadratic, recursive in brackets, and kept
// only as the yardstick for the real evaluator.
#include <string>

#include "engine/NumberLocale.h"

namespace quorva::reference {

std::u16string EvalText(std::u16string text, const NumberLocale& locale = {});

// The whole of Calculate on top of the reference evaluator. `messages` receives the box text.
std::u16string Calculate(std::u16string& text, std::u16string& messages, const NumberLocale& locale = {});

}  // namespace quorva::reference
