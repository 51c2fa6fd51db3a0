#pragma once
// Internals of the number conversions, shared by the evaluator so that its hot path needs no
// allocation. Not part of the engine's interface.
#include <string_view>

#include "NumberLocale.h"

namespace quorva::detail {

inline constexpr int kNumberTextMax = 32;

// Writes the number text of a finite value into out (at most kNumberTextMax units); returns its
// length.
int FormatNumberText(double value, char16_t decimal, char16_t* out);

// Parses text with the locale's separators. allowUnderscoreExponent accepts "_" as the sign of
// an exponent (canonical text writes a typed minus that way). Returns 0, or the error number
// (13 type mismatch, 6 overflow).
int ParseNumber(std::u16string_view text, const NumberLocale& locale, bool allowUnderscoreExponent,
                double& out);

}  // namespace quorva::detail
