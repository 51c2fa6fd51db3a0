#include "Calculate.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "Amounts.h"
#include "Evaluator.h"
#include "shared/MessageBox.h"
#include "NumberCore.h"
#include "NumberText.h"
#include "Percent.h"
#include "shared/RuntimeError.h"
#include "Width.h"

namespace quorva {
namespace {

// Replaces every occurrence found by one left-to-right scan; text it inserts is not scanned again.
// No rule lengthens the text, so this works in place.
void ReplaceAll(std::u16string& text, std::u16string_view find, std::u16string_view by) {
  size_t at = text.find(find);
  if (at == std::u16string::npos) return;
  char16_t* out = text.data() + at;
  const char16_t* in = out;
  const char16_t* end = text.data() + text.size();
  while (in < end) {
    if (*in == find[0] && static_cast<size_t>(end - in) >= find.size() &&
        std::equal(find.begin() + 1, find.end(), in + 1)) {
      out = std::copy(by.begin(), by.end(), out);
      in += find.size();
    } else {
      *out++ = *in++;
    }
  }
  text.resize(static_cast<size_t>(out - text.data()));
}

struct Rule {
  std::u16string_view find, by;
};

// Applied once each, in this order.
constexpr Rule kRules[] = {
    {u" ", u""},   {u"[", u"("},  {u"]", u")"},  {u"-", u"_"},  {u"++", u"+"},  {u"+_", u"+-"},
    {u"__", u"_-"}, {u"**", u"*"}, {u"*+", u"*"}, {u"*_", u"*-"}, {u"*", u"\u00D7"}, {u"//", u"/"},
    {u"/+", u"/"}, {u"/_", u"/-"}, {u"~", u"^"},  {u"^^", u"^"}, {u"^+", u"^"},  {u"^_", u"^-"},
};

// The signs that the rules after the first three look for. Their patterns are pairs of these, so
// they only ever match inside a run of them, and each run can be rewritten on its own.
bool IsSign(char16_t c) {
  return c == u'+' || c == u'-' || c == u'_' || c == u'*' || c == u'/' || c == u'~' || c == u'^';
}

// The rules on the run of signs [run, end); returns its new end (no rule lengthens a text). A
// single sign, by far the most common run, is looked up.
char16_t* RewriteRun(char16_t* run, char16_t* end) {
  if (end - run == 1) {
    char16_t c = *run;
    *run = c == u'-' ? u'_' : c == u'*' ? u'\u00D7' : c == u'~' ? u'^' : c;
    return end;
  }
  std::u16string signs(run, end);
  for (const Rule& rule : kRules) ReplaceAll(signs, rule.find, rule.by);
  return std::copy(signs.begin(), signs.end(), run);
}

// Half-width, then the rules in their order: blanks go, square brackets become round ones, and
// every run of signs is rewritten as the remaining rules rewrite it in the whole text.
std::u16string CanonicalText(std::u16string_view typed) {
  std::u16string out(typed.size(), u'\0');
  char16_t* const first = out.data();
  char16_t* w = first;
  char16_t* run = nullptr;  // start of the current run of signs
  for (char16_t c : typed) {
    c = HalfWidthOf(c);
    if (c == 0x00F7) c = u'/';  // the division sign, as "×" is the multiplication sign
    if (c == u' ') continue;
    if (IsSign(c)) {
      if (!run) run = w;
    } else if (run) {
      w = RewriteRun(run, w);
      run = nullptr;
    }
    *w++ = c == u'[' ? u'(' : c == u']' ? u')' : c;
  }
  if (run) w = RewriteRun(run, w);
  // "1+2=" as people write a sum: a closing equals sign is not part of the expression.
  if (w != first && w[-1] == u'=') --w;
  out.resize(static_cast<size_t>(w - first));
  return out;
}

struct PairCheck {
  std::u16string_view pair, message;
};

constexpr PairCheck kPairChecks[] = {
    {u"+\u00D7", u"「+*」となっています"}, {u"-\u00D7", u"「-*」となっています"},
    {u"+/", u"「+/」となっています"},       {u"-/", u"「-/」となっています"},
    {u"+^", u"「+^」となっています"},       {u"-^", u"「-^」となっています"},
};

}  // namespace

std::u16string Calculate(std::u16string& text, const NumberLocale& locale) {
  std::u16string messages;
  std::u16string result = CalculateSilently(text, messages, locale);
  if (!messages.empty()) ShowMessageBox({messages, kAppTitle, kMbOk, u"", 0});
  return result;
}

std::u16string CalculateSilently(std::u16string& text, std::u16string& messages, const NumberLocale& locale) {
  std::u16string work = CanonicalText(text);

  // The display form ("_" shown as "-") is only built when the expression is rejected.
  size_t opens = 0, closes = 0;
  bool pairFound[std::size(kPairChecks)] = {};
  bool memo = false;
  for (size_t i = 0; i < work.size(); ++i) {
    char16_t c = work[i];
    opens += c == u'(';
    closes += c == u')';
    memo |= IsMemoChar(c);
    if (i == 0 || (c != u'\u00D7' && c != u'/' && c != u'^')) continue;
    char16_t before = work[i - 1] == u'_' ? u'-' : work[i - 1];
    for (size_t k = 0; k < std::size(kPairChecks); ++k)
      if (kPairChecks[k].pair[0] == before && kPairChecks[k].pair[1] == c) pairFound[k] = true;
  }
  messages.clear();
  if (closes < opens) messages += u"閉じ括弧が足りません\r\n";
  if (opens < closes) messages += u"括弧が足りません\r\n";
  for (size_t k = 0; k < std::size(kPairChecks); ++k)
    if (pairFound[k]) (messages += kPairChecks[k].message) += u"\r\n";

  if (!messages.empty()) {
    std::u16string display = work;
    std::replace(display.begin(), display.end(), u'_', u'-');
    std::replace(display.begin(), display.end(), u'\u00D7', u'*');
    text = display;
    return u"";
  }

  // Amounts and percentages are written as plain numbers first; an expression without them is
  // evaluated exactly as it always was.
  if (memo) work = RewritePercent(RewriteAmounts(work, locale), locale);
  std::u16string result = EvalText(work, locale);
  return IsNumeric(result, locale) ? result : u"";
}

std::u16string EvalText(const std::u16string& text, const NumberLocale& locale) {
  return detail::Evaluate(text, locale);
}

void GetOperands(const std::u16string& text, int32_t p, double& left, double& right, int32_t& leftBound,
                 int32_t& rightBound, const NumberLocale& locale) {
  const int32_t n = static_cast<int32_t>(text.size());
  if (p < 1 || p > n) Raise(kInvalidArgument);
  auto isOperator = [&](int32_t pos) { return detail::IsOperatorAt(text, static_cast<size_t>(pos - 1), locale.Decimal); };
  int32_t l = p - 1;
  while (l >= 1 && !isOperator(l)) --l;
  int32_t r = p + 1;
  while (r <= n && !isOperator(r)) ++r;
  auto read = [&](int32_t from, int32_t to) {  // 1-based, inclusive
    if (to < from) return 0.0;
    double v = 0;
    std::u16string_view operand(text.data() + from - 1, static_cast<size_t>(to - from + 1));
    if (int err = detail::ParseNumber(operand, locale, true, v)) Raise(err);
    return v;
  };
  left = read(l + 1, p - 1);
  right = read(p + 1, r - 1);
  leftBound = l;
  rightBound = r;
}

}  // namespace quorva
