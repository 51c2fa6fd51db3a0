#pragma once
// Amounts as people write them in a memo: a currency sign before the number (¥ ￥ $, and the
// backslash that code page 932 shows as a yen sign), 円 after it, and the counting units
// 万 億 兆 with 千 and 百 inside them. Percent signs are read in Percent.h.
#include <string>
#include <string_view>

#include "NumberLocale.h"

namespace quorva {

// A currency sign before an amount: $, ¥, ￥ and the backslash.
bool IsCurrencySign(char16_t c);

// The value of 万 億 兆 千 百, 0 for any other character.
double CountingUnitOf(char16_t c);

// A character that only a memo's notation uses: no expression without one gives an answer.
// Inline, because Calculate asks it of every character.
inline bool IsMemoChar(char16_t c) {
  if (c < 0x80) return (c == u'%') | (c == u'$') | (c == u'\\');
  if (c == u'\u00D7') return false;  // the multiplication sign, the most common of the others
  return c == u'\u00A5' || c == u'\uFFE5' || c == u'\u5186' || c == u'\u4E07' || c == u'\u5104' ||
         c == u'\u5146' || c == u'\u5343' || c == u'\u767E';  // ¥ ￥ 円 万 億 兆 千 百
}

// Canonical text with every operand written as a plain number: "¥1,200" -> "1,200",
// "3万5千" -> "35000". An operand that does not read as an amount stays as it is, so that the
// evaluator rejects it as before.
std::u16string RewriteAmounts(const std::u16string& canonical, const NumberLocale& locale = {});

// The notation of an expression's amounts, kept around its answer: the first currency sign as
// typed goes in front, a 円 after it.
struct Notation {
  std::u16string Before, After;
  bool operator==(const Notation&) const = default;
};
Notation NotationOf(std::u16string_view expression);
std::u16string WithNotation(std::u16string_view answer, const Notation& notation);

// Text that holds one amount and nothing else: digits, separators, currency signs, 円 and the
// counting units, a leading minus. Whether it reads as a number is the engine's business.
bool LooksLikeAmount(std::u16string_view text);

}  // namespace quorva
