#pragma once
// The answer as the window shows it: calculate, then format.
#include <optional>
#include <string>
#include <string_view>

#include "FormatAnswer.h"
#include "NumberLocale.h"

namespace quorva {

// How an answer is written: the decimal-places text (one digit "0".."9", anything else the
// locale's default), grouping, full width and the rounding of the last place.
struct AnswerFormat {
  std::u16string Places;
  bool Group = false;
  bool Wide = false;
  Rounding Round = Rounding::kHalf;
};

// Calculate, then format: the one road from an expression to the text of its answer. `text` and
// the message box behave as with Calculate; evaluation errors pass through. "" when the expression
// gives no number.
std::u16string AnswerOf(std::u16string& text, const AnswerFormat& format, const NumberLocale& locale = {});

// The same without a message box and without raising: nothing when the expression is rejected,
// cannot be evaluated or gives no number.
std::optional<std::u16string> QuietAnswerOf(std::u16string_view expression, const AnswerFormat& format,
                                            const NumberLocale& locale = {});

}  // namespace quorva
