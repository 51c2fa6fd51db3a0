#include "ReferenceEvaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "engine/NumberText.h"
#include "shared/RuntimeError.h"

namespace quorva::reference {
namespace {

const std::u16string kOperators = u"_\u00D7/+^";

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// 1-based position i of t.
bool IsOperatorAt(const std::u16string& t, size_t i, char16_t decimal) {
  char16_t c = t[i - 1];
  if (kOperators.find(c) == std::u16string::npos) return false;
  if (c != u'+' && c != u'_') return true;
  // "<digit or separator>E" before and a digit after: the sign of an exponent.
  bool exponent = i >= 3 && i + 1 <= t.size() && (t[i - 2] == u'E' || t[i - 2] == u'e') &&
                  (IsDigit(t[i - 3]) || t[i - 3] == decimal) && IsDigit(t[i]);
  return !exponent;
}

double ReadOperand(std::u16string operand, const NumberLocale& locale) {
  if (operand.empty()) return 0;
  for (auto& c : operand)
    if (c == u'_') c = u'-';
  return TextToNumber(operand, locale);
}

// Number text as the general format writes it, straight from to_chars: 15 significant digits,
// plain for decimal exponents -4..14. Written here again so that the evaluator's shortcuts
// have something independent to be compared with.
std::u16string LiteralNumberText(double v, char16_t decimal) {
  if (v == 0) return u"0";
  char buf[40];
  auto r = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(v), std::chars_format::scientific, 14);
  *r.ptr = '\0';
  std::string digits;
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = v < 0 ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent >= 0 && exponent <= 14) {
    out += digits.substr(0, std::min(count, exponent + 1));
    if (count < exponent + 1) out.append(static_cast<size_t>(exponent + 1 - count), '0');
    if (count > exponent + 1) (out += '.') += digits.substr(static_cast<size_t>(exponent + 1));
  } else if (exponent < 0 && exponent >= -4) {
    out += "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    out += digits.substr(0, 1);
    if (count > 1) (out += '.') += digits.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    if (std::abs(exponent) < 10) out += '0';
    out += std::to_string(std::abs(exponent));
  }
  std::u16string text(out.begin(), out.end());
  for (auto& c : text)
    if (c == u'.') c = decimal;
  return text;
}

// One reduction's arithmetic, looked up by operator: the standard function objects, not a copy
// of the evaluator's own.
double Arithmetic(char16_t op, double a, double b) {
  static const std::map<char16_t, std::function<double(double, double)>> kByOperator = {
      {u'^', [](double x, double y) { return std::pow(x, y); }},
      {u'\u00D7', std::multiplies<double>()},
      {u'/', std::divides<double>()},
      {u'+', std::plus<double>()},
      {u'_', std::minus<double>()},
  };
  return kByOperator.at(op)(a, b);
}

std::u16string Replace(std::u16string text, const std::u16string& find, const std::u16string& by) {
  std::u16string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, find.size(), find) == 0) {
      out += by;
      i += find.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::u16string EvalText(std::u16string t, const NumberLocale& locale) {
  for (;;) {
    size_t close = t.find(u')');
    if (close != std::u16string::npos) {
      size_t open = close == 0 ? std::u16string::npos : t.rfind(u'(', close - 1);
      if (open == std::u16string::npos) Raise(kInvalidArgument);
      std::u16string inner = EvalText(t.substr(open + 1, close - open - 1), locale);
      t = t.substr(0, open) + inner + t.substr(close + 1);
      continue;
    }
    size_t p = 0;  // 1-based operator position, 0 for none
    for (const std::u16string& level : {std::u16string(u"^"), std::u16string(u"\u00D7/"), std::u16string(u"+_")}) {
      for (size_t i = 1; i <= t.size() && p == 0; ++i)
        if (level.find(t[i - 1]) != std::u16string::npos && IsOperatorAt(t, i, locale.Decimal)) p = i;
      if (p != 0) break;
    }
    if (p == 0) {
      for (auto& c : t)
        if (c == u'_') c = u'-';
      return t;
    }
    size_t l = p - 1;
    while (l >= 1 && !IsOperatorAt(t, l, locale.Decimal)) --l;
    size_t r = p + 1;
    while (r <= t.size() && !IsOperatorAt(t, r, locale.Decimal)) ++r;
    double a = ReadOperand(t.substr(l, p - 1 - l), locale);
    double b = ReadOperand(t.substr(p, r - 1 - p), locale);
    std::u16string value;
    double v = 0;
    if (t[p - 1] == u'/' && b == 0) {
      value = u"0";  // division by zero gives 0
    } else {
      v = Arithmetic(t[p - 1], a, b);
      if (std::isnan(v) && t[p - 1] == u'^') Raise(kInvalidArgument);
    }
    if (value.empty()) {
      if (!std::isfinite(v)) Raise(kOverflow);
      value = LiteralNumberText(v, locale.Decimal);
    }
    t = t.substr(0, l) + value + t.substr(r - 1);
  }
}

std::u16string Calculate(std::u16string& text, std::u16string& messages, const NumberLocale& locale) {
  std::u16string w = text;
  for (auto& c : w) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    if (c == 0x3000) c = u' ';
    if (c == 0x00F7) c = u'/';
  }
  const std::u16string rules[18][2] = {
      {u" ", u""},   {u"[", u"("},   {u"]", u")"},  {u"-", u"_"},  {u"++", u"+"},        {u"+_", u"+-"},
      {u"__", u"_-"}, {u"**", u"*"}, {u"*+", u"*"}, {u"*_", u"*-"}, {u"*", u"\u00D7"}, {u"//", u"/"},
      {u"/+", u"/"}, {u"/_", u"/-"}, {u"~", u"^"},  {u"^^", u"^"}, {u"^+", u"^"},       {u"^_", u"^-"}};
  for (const auto& rule : rules) w = Replace(w, rule[0], rule[1]);
  if (!w.empty() && w.back() == u'=') w.pop_back();

  messages.clear();
  size_t opens = 0, closes = 0;
  for (char16_t c : w) {
    opens += c == u'(';
    closes += c == u')';
  }
  if (closes < opens) messages += u"閉じ括弧が足りません\r\n";
  if (opens < closes) messages += u"括弧が足りません\r\n";
  std::u16string display = Replace(w, u"_", u"-");
  const std::u16string pairs[6][2] = {{u"+\u00D7", u"「+*」となっています"}, {u"-\u00D7", u"「-*」となっています"},
                                      {u"+/", u"「+/」となっています"},       {u"-/", u"「-/」となっています"},
                                      {u"+^", u"「+^」となっています"},       {u"-^", u"「-^」となっています"}};
  for (const auto& pair : pairs)
    if (display.find(pair[0]) != std::u16string::npos) messages += pair[1] + u"\r\n";
  if (!messages.empty()) {
    text = Replace(display, u"\u00D7", u"*");
    return u"";
  }
  std::u16string result = EvalText(PlainMemo(w, locale), locale);
  return IsNumeric(result, locale) ? result : u"";
}

}  // namespace quorva::reference
