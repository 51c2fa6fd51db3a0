#pragma once
// The three number conversions that the engine and the answer formatting share.
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace quorva {

// General format with 15 significant digits: plain notation for decimal exponents -4..14,
// exponent notation ("1E+15", "1.5E-05") otherwise; zero is "0".
std::u16string NumberText(double value, const NumberLocale& locale = {});

// Locale-aware text to number. Raises type mismatch (13) for text that is not a number and
// overflow (6) for a value beyond the binary64 range.
double TextToNumber(std::u16string_view text, const NumberLocale& locale = {});

// True when TextToNumber accepts the text. The empty text is not numeric.
bool IsNumeric(std::u16string_view text, const NumberLocale& locale = {});

}  // namespace quorva
