#pragma once
// Internals of the number conversions, shared by the evaluator so that its hot path needs no
// allocation. Not part of the engine's interface.
#include <cstdint>
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

// The 15 significant digits of a magnitude, rounded as the general format rounds (ties to
// even on the exact binary value): 10^14 <= digits < 10^15, and the decimal exponent of the
// first digit.
struct Digits15 {
  uint64_t digits;
  int exponent;
};
// False outside 1e-8 .. 1e15, where the general path has to do it.
bool RoundToDigits15(double magnitude, Digits15& out);
// The general path: the 15 significant digits of a magnitude > 0 as the C library rounds them
// (to nearest on the exact binary value), as characters; returns the decimal exponent of the first.
int ScientificDigits15(double magnitude, char (&digits)[15]);

// The value that the number text of `value` reads back as; false where RoundToDigits15 is.
bool RoundedValue(double value, double& out);

// [-]digits[.digits] with at most 19 digits and a mantissa of at most 2^53, read exactly;
// false for anything else (then ParseNumber's general path decides).
bool ParseSimpleNumber(std::u16string_view text, char16_t decimal, double& out);

}  // namespace quorva::detail
