#include "mainProc.h"

#include <algorithm>
#include <string_view>

#include "Evaluator.h"
#include "MessageBox.h"
#include "NumberCore.h"
#include "NumberText.h"
#include "RuntimeError.h"
#include "Width.h"

namespace quorva {
namespace {

// Replaces every occurrence found by one left-to-right scan; text it inserts is not scanned again.
void ReplaceAll(std::u16string& text, std::u16string_view find, std::u16string_view by) {
  size_t at = text.find(find);
  if (at == std::u16string::npos) return;
  std::u16string out;
  out.reserve(text.size());
  size_t from = 0;
  for (; at != std::u16string::npos; at = text.find(find, from)) {
    out.append(text, from, at - from);
    out.append(by);
    from = at + find.size();
  }
  out.append(text, from, std::u16string::npos);
  text = std::move(out);
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
  std::u16string work = ToHalfWidth(text);
  for (const Rule& rule : kRules) ReplaceAll(work, rule.find, rule.by);

  std::u16string messages;
  auto opens = std::count(work.begin(), work.end(), u'(');
  auto closes = std::count(work.begin(), work.end(), u')');
  if (closes < opens) messages += u"閉じ括弧が足りません\r\n";
  if (opens < closes) messages += u"括弧が足りません\r\n";

  std::u16string display = work;
  std::replace(display.begin(), display.end(), u'_', u'-');
  for (const PairCheck& check : kPairChecks)
    if (display.find(check.pair) != std::u16string::npos) (messages += check.message) += u"\r\n";

  if (!messages.empty()) {
    std::replace(display.begin(), display.end(), u'\u00D7', u'*');
    text = display;
    ShowMessageBox({messages, kAppTitle, kMbOk, u"", 0});
    return u"";
  }

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
