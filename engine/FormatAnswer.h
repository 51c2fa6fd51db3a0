#pragma once
// Formats the engine's result for the answer box.
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace quorva {

// How the answer's last decimal place is rounded, on the result's 15 significant digits.
enum class Rounding {
  kHalf,  // half away from zero
  kDown,  // toward zero (切り捨て)
  kUp,    // away from zero (切り上げ)
};

// result: a numeric text from Calculate. decimalPlacesText: the decimal-places box; exactly one
// character "0".."9" selects that many places, anything else the locale's default. Rounds half
// away from zero on the decimal value, unless `rounding` says otherwise. Returns "" for a result
// that is not numeric.
std::u16string FormatAnswer(std::u16string_view result, std::u16string_view decimalPlacesText,
                            bool group, bool wide, const NumberLocale& locale = {},
                            Rounding rounding = Rounding::kHalf);

}  // namespace quorva
