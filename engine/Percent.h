#pragma once
// Percent as a shop calculator computes it, written back as plain canonical text.
#include <string>

#include "NumberLocale.h"

namespace quorva {

// A "%" after a number or a closing bracket. A term of a sum or difference that is nothing but a
// percentage is that share of everything before it at its bracket level: "X+P%" becomes
// "(X)×(100+P)/100". Anywhere else it is the fraction: "P%" becomes "(P/100)". A "%" in any
// other place stays, for the evaluator to reject.
std::u16string RewritePercent(const std::u16string& canonical, const NumberLocale& locale = {});

}  // namespace quorva
