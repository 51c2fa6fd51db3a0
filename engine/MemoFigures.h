#pragma once
// The figures of a memo line: digits whose group separators group three digits, and the counting
// units. Used by the memo tokens only.
#include <cstddef>
#include <string>
#include <string_view>

#include "MemoTokens.h"

namespace quorva {

// A value as plain digits for the engine: "15000", "2.5".
std::u16string PlainNumberText(double value);

// The body of an amount at line[i]: numbers and the counting units 万 億 兆 with 千 百 ("3万5千",
// "百万", "2,500万"). Sets t.Text to the plain number and t.Grouped; a number with separators out
// of place makes t a bad figure, one with two decimal points a note figure. False when no body
// starts at i or the units are out of order; i moves past what was read.
bool ReadAmountBody(std::u16string_view line, size_t& i, Token& t);

}  // namespace quorva
