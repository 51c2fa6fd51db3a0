// The memo notation for the reference evaluator, written again from its description and in the
// reference's own manner: search from the start, rewrite, search again.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ReferenceEvaluator.h"
#include "engine/NumberText.h"
#include "shared/RuntimeError.h"

namespace quorva::reference {
namespace {

constexpr char16_t kHeld = u'\uE000';  // a "%" that is no percentage, kept out of the search
constexpr char16_t kRate = u'\uE001';  // closes a percentage written as a fraction

bool IsOperator(const std::u16string& t, size_t i, char16_t decimal) {
  if (i >= t.size()) return false;
  const char16_t c = t[i];
  if (c == u'^' || c == u'\u00D7' || c == u'/') return true;
  if (c != u'+' && c != u'_') return false;
  auto digit = [](char16_t d) { return d >= u'0' && d <= u'9'; };
  return !(i >= 2 && i + 1 < t.size() && (t[i - 1] == u'E' || t[i - 1] == u'e') &&
           (digit(t[i - 2]) || t[i - 2] == decimal) && digit(t[i + 1]));
}

bool IsAdd(const std::u16string& t, size_t i, char16_t decimal) {
  return IsOperator(t, i, decimal) && (t[i] == u'+' || t[i] == u'_');
}

double Unit(char16_t c) {
  const std::u16string units = u"百千万億兆";
  const double values[] = {1e2, 1e3, 1e4, 1e8, 1e12};
  const size_t at = units.find(c);
  return at == std::u16string::npos ? 0 : values[at];
}

// Number and unit pairs, then what follows the last unit.
bool ReadUnits(const std::u16string& body, const NumberLocale& locale, std::u16string& text) {
  std::vector<std::pair<std::u16string, double>> parts;
  std::u16string number;
  for (char16_t c : body) {
    if ((c >= u'0' && c <= u'9') || c == locale.Decimal || c == locale.Group) {
      number += c;
    } else if (Unit(c) != 0) {
      parts.emplace_back(number, Unit(c));
      number.clear();
    } else {
      return false;
    }
  }
  auto value = [&](const std::u16string& n, double& v) {
    v = 0;
    if (n.empty()) return true;
    if (!IsNumeric(n, locale)) return false;
    v = TextToNumber(n, locale);
    return true;
  };
  double total = 0, coefficient = 0, lastLarge = 1e13, lastSmall = 1e4;
  bool coefficientSeen = false, large = false;
  for (const auto& [n, unit] : parts) {
    double v = 0;
    if (!value(n, v)) return false;
    if (unit < 1e4) {
      if (n.empty() || unit >= lastSmall) return false;
      coefficient += v * unit;
      coefficientSeen = true;
      lastSmall = unit;
    } else {
      if ((n.empty() && !coefficientSeen) || unit >= lastLarge) return false;
      total += (coefficient + v) * unit;
      coefficient = 0;
      coefficientSeen = false;
      lastSmall = 1e4;
      lastLarge = unit;
      large = true;
    }
  }
  double tail = 0;
  if (!large || !value(number, tail)) return false;
  const double sum = total + (coefficient + tail);
  if (!std::isfinite(sum)) Raise(kOverflow);
  text = NumberText(sum, locale);
  return true;
}

std::u16string Amount(const std::u16string& operand, const NumberLocale& locale) {
  std::u16string s = operand, sign, suffix;
  if (!s.empty() && s[0] == u'-') sign = u"-", s.erase(0, 1);
  const bool currency = !s.empty() && std::u16string(u"$\\\u00A5\uFFE5").find(s[0]) != std::u16string::npos;
  if (currency) s.erase(0, 1);
  if (!s.empty() && s.back() == u'%') suffix = u"%", s.pop_back();
  const bool yen = !s.empty() && s.back() == u'円';
  if (yen) s.pop_back();
  if (s.empty() || !((s[0] >= u'0' && s[0] <= u'9') || s[0] == locale.Decimal)) return operand;
  bool units = false;
  for (char16_t c : s) units = units || Unit(c) != 0;
  if (units) {
    std::u16string text;
    if (!ReadUnits(s, locale, text)) return operand;
    return sign + text + suffix;
  }
  return currency || yen ? sign + s + suffix : operand;
}

std::u16string Amounts(const std::u16string& t, const NumberLocale& locale) {
  std::u16string out, operand;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == u'(' || t[i] == u')' || IsOperator(t, i, locale.Decimal)) {
      out += Amount(operand, locale) + t[i];
      operand.clear();
    } else {
      operand += t[i];
    }
  }
  return out + Amount(operand, locale);
}

// Where the bracket pair that closes at `close` opens.
size_t Opening(const std::u16string& t, size_t close) {
  int depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    depth += t[i] == u')' ? 1 : t[i] == u'(' ? -1 : 0;
    if (depth == 0) return i;
  }
  return std::u16string::npos;
}

// Where the bracket level around position `at` begins.
size_t LevelStart(const std::u16string& t, size_t at) {
  int depth = 0;
  for (size_t i = at; i-- > 0;) {
    if (t[i] == u')') ++depth;
    if (t[i] == u'(' && depth-- == 0) return i + 1;
  }
  return 0;
}

}  // namespace

// Every term of a sum is a percentage ("2%+3%"): then a percentage after it adds to them.
bool OnlyRates(const std::u16string& sum, const NumberLocale& locale) {
  int depth = 0;
  size_t start = 0;
  for (size_t k = 0; k <= sum.size(); ++k) {
    const bool end = k == sum.size() || (depth == 0 && IsAdd(sum, k, locale.Decimal));
    if (k < sum.size()) depth += sum[k] == u'(' ? 1 : sum[k] == u')' ? -1 : 0;
    if (!end) continue;
    if (k - start < 2 || sum[k - 1] != u')' || sum[k - 2] != kRate || Opening(sum, k - 1) != start) return false;
    start = k + 1;
  }
  return true;
}

std::u16string PlainMemo(const std::u16string& canonical, const NumberLocale& locale) {
  std::u16string t = Amounts(canonical, locale);
  int depth = 0;
  for (char16_t c : t) {
    depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
    if (depth < 0) return t;  // a ")" before its "(": no percentages are read
  }
  // Decide every "%" on the text as it stands: after a number or ")" and before an operator,
  // a ")" or the end, and not right after another "%".
  const std::u16string before = t;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] != u'%') continue;
    const bool after = i > 0 && before[i - 1] != u'%' && before[i - 1] != u'(' && !IsOperator(before, i - 1, locale.Decimal);
    const bool next = i + 1 == t.size() || before[i + 1] == u')' || IsOperator(before, i + 1, locale.Decimal);
    if (!after || !next) t[i] = kHeld;
  }
  for (size_t i; (i = t.find(u'%')) != std::u16string::npos;) {
    size_t from = i;
    if (t[i - 1] == u')') {
      from = Opening(t, i - 1);
    } else {
      while (from > 0 && t[from - 1] != u'(' && t[from - 1] != u')' && !IsOperator(t, from - 1, locale.Decimal)) --from;
    }
    const std::u16string share = t.substr(from, i - from);
    const size_t level = LevelStart(t, from);
    const bool endsTerm = i + 1 == t.size() || t[i + 1] == u')' || IsAdd(t, i + 1, locale.Decimal);
    if (from > level + 1 && IsAdd(t, from - 1, locale.Decimal) && endsTerm &&
        !OnlyRates(t.substr(level, from - 1 - level), locale)) {
      const std::u16string x = t.substr(level, from - 1 - level);
      t = t.substr(0, level) + u"(" + x + u")\u00D7(100" + t[from - 1] + share + u")/100" + t.substr(i + 1);
    } else {
      t = t.substr(0, from) + u"(" + share + u"/100" + kRate + u")" + t.substr(i + 1);
    }
  }
  for (char16_t& c : t)
    if (c == kHeld) c = u'%';
  std::erase(t, kRate);
  return t;
}

}  // namespace quorva::reference
