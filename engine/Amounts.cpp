#include "Amounts.h"

#include <cmath>

#include "Evaluator.h"
#include "NumberCore.h"
#include "shared/RuntimeError.h"
#include "Width.h"

namespace quorva {

bool IsCurrencySign(char16_t c) { return c == u'$' || c == u'\\' || c == u'\u00A5' || c == u'\uFFE5'; }

double CountingUnitOf(char16_t c) {
  switch (c) {
    case u'\u5146': return 1e12;  // 兆
    case u'\u5104': return 1e8;   // 億
    case u'\u4E07': return 1e4;   // 万
    case u'\u5343': return 1e3;   // 千
    case u'\u767E': return 1e2;   // 百
    default: return 0;
  }
}

namespace {

constexpr char16_t kYen = u'\u5186';  // 円

bool IsNumberChar(char16_t c, const NumberLocale& locale) {
  return detail::IsDigitChar(c) || c == locale.Decimal || c == locale.Group;
}

// "3万5千", "616万1500", "3億5千万": numbers each followed by a unit, the large units (万 億 兆)
// falling from left to right, and 千 百 falling inside each of them; a plain number may close it.
// At least one large unit, so that 千 and 百 alone stay what they were.
bool ReadCountingUnits(std::u16string_view body, const NumberLocale& locale, double& value) {
  double total = 0, inner = 0;
  double lastLarge = 1e13, lastSmall = 1e4;
  bool innerSeen = false, largeSeen = false;
  size_t i = 0;
  while (i < body.size()) {
    size_t from = i;
    while (i < body.size() && IsNumberChar(body[i], locale)) ++i;
    double number = 0;
    const bool hasNumber = i > from;
    if (hasNumber && detail::ParseNumber(body.substr(from, i - from), locale, false, number) != 0) return false;
    if (i == body.size()) {
      if (!hasNumber) break;
      inner += number;
      innerSeen = true;
      break;
    }
    const double unit = CountingUnitOf(body[i++]);
    if (unit == 0) return false;
    if (unit < 1e4) {
      if (!hasNumber || unit >= lastSmall) return false;
      inner += number * unit;
      lastSmall = unit;
      innerSeen = true;
    } else {
      if ((!hasNumber && !innerSeen) || unit >= lastLarge) return false;
      total += (inner + number) * unit;
      inner = 0;
      innerSeen = false;
      lastLarge = unit;
      lastSmall = 1e4;
      largeSeen = true;
    }
  }
  if (!largeSeen) return false;
  value = total + inner;
  if (!std::isfinite(value)) Raise(kOverflow);
  return true;
}

// One operand of canonical text: [-][currency]number[円][%]. Returns false when it is not an
// amount that needs rewriting.
bool RewriteOperand(std::u16string_view operand, const NumberLocale& locale, std::u16string& out) {
  size_t b = 0, e = operand.size();
  const bool negative = b < e && operand[b] == u'-';
  if (negative) ++b;
  const bool currency = b < e && IsCurrencySign(operand[b]);
  if (currency) ++b;
  const bool percent = e > b && operand[e - 1] == u'%';
  if (percent) --e;
  const bool yen = e > b && operand[e - 1] == kYen;
  if (yen) --e;
  const std::u16string_view body = operand.substr(b, e - b);
  if (body.empty() || !(detail::IsDigitChar(body[0]) || body[0] == locale.Decimal)) return false;
  bool units = false;
  for (char16_t c : body) units |= CountingUnitOf(c) != 0;
  if (!units && !currency && !yen) return false;
  if (negative) out += u'-';
  if (units) {
    double value = 0;
    if (!ReadCountingUnits(body, locale, value)) return false;
    char16_t text[detail::kNumberTextMax];
    const int n = detail::FormatNumberText(value, locale.Decimal, text);
    out.append(text, static_cast<size_t>(n));
  } else {
    out += body;
  }
  if (percent) out += u'%';
  return true;
}

}  // namespace

std::u16string RewriteAmounts(const std::u16string& t, const NumberLocale& locale) {
  std::u16string out;
  out.reserve(t.size());
  size_t from = 0;
  auto flush = [&](size_t to) {
    const std::u16string_view operand(t.data() + from, to - from);
    const size_t mark = out.size();
    if (!RewriteOperand(operand, locale, out)) {
      out.resize(mark);
      out += operand;
    }
  };
  for (size_t i = 0; i < t.size(); ++i) {
    const char16_t c = t[i];
    if (c == u'(' || c == u')' || detail::IsOperatorAt(t, i, locale.Decimal)) {
      flush(i);
      out += c;
      from = i + 1;
    }
  }
  flush(t.size());
  return out;
}

Notation NotationOf(std::u16string_view expression) {
  Notation n;
  for (char16_t c : expression) {
    const char16_t half = HalfWidthOf(c);
    if (n.Before.empty() && IsCurrencySign(half)) n.Before.assign(1, c);
    if (c == kYen) n.After.assign(1, kYen);
  }
  return n;
}

std::u16string WithNotation(std::u16string_view answer, const Notation& notation) {
  std::u16string out;
  if (!answer.empty() && HalfWidthOf(answer[0]) == u'-') {
    out += answer[0];
    answer.remove_prefix(1);
  }
  out += notation.Before;
  out += answer;
  out += notation.After;
  return out;
}

bool LooksLikeAmount(std::u16string_view text) {
  bool digit = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = HalfWidthOf(text[i]);
    digit |= detail::IsDigitChar(c);
    if (detail::IsDigitChar(c) || c == u'.' || c == u',' || IsCurrencySign(c) || c == kYen || CountingUnitOf(c) != 0) continue;
    if (c == u'-' && i == 0) continue;
    return false;
  }
  return digit;
}

}  // namespace quorva
