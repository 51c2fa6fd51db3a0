#pragma once
// Formats the engine's result for the answer box.
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace quorva {

// result: a numeric text from Calculate. decimalPlacesText: the decimal-places box; exactly one
// character "0".."9" selects that many places, anything else the locale's default. Rounds half
// away from zero on the decimal value. Returns "" for a result that is not numeric.
std::u16string FormatAnswer(std::u16string_view result, std::u16string_view decimalPlacesText,
                            bool group, bool wide, const NumberLocale& locale = {});

}  // namespace quorva
