#include "MemoFigures.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Amounts.h"
#include "Width.h"

namespace quorva {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Digits with separators inside: "1,200", "3.5", "1.2.3". Grouping is checked by the caller.
size_t NumberEnd(std::u16string_view line, size_t i) {
  while (i < line.size()) {
    const char16_t c = HalfWidthOf(line[i]);
    const bool inside = (c == u',' || c == u'.') && i + 1 < line.size() && IsDigit(HalfWidthOf(line[i + 1]));
    if (!IsDigit(c) && !inside) break;
    ++i;
  }
  return i;
}

enum class Shape { kPlain, kGrouped, kVersion, kBad };

// A group separator is one only where it groups three digits.
Shape ShapeOf(std::u16string_view number) {
  size_t dots = 0, commas = 0, run = 0;
  bool bad = false;
  for (char16_t raw : number) {
    const char16_t c = HalfWidthOf(raw);
    if (IsDigit(c)) { ++run; continue; }
    if (c == u',') {
      if (dots > 0 || (commas == 0 ? run == 0 || run > 3 : run != 3)) bad = true;
      ++commas;
    } else if (dots++ == 0 && commas > 0 && run != 3) {
      bad = true;
    }
    run = 0;
  }
  if (dots == 0 && commas > 0 && run != 3) bad = true;
  if (dots > 1) return commas == 0 ? Shape::kVersion : Shape::kBad;
  if (bad) return Shape::kBad;
  return commas > 0 ? Shape::kGrouped : Shape::kPlain;
}

std::u16string PlainDigits(std::u16string_view number) {
  std::u16string out;
  for (char16_t raw : number)
    if (HalfWidthOf(raw) != u',') out += HalfWidthOf(raw);
  return out;
}

}  // namespace

std::u16string PlainNumberText(double v) {
  std::u16string out;
  char buf[40];
  const int n = std::snprintf(buf, sizeof buf, "%.15g", v);
  for (int k = 0; k < n; ++k) out += static_cast<char16_t>(buf[k]);
  return out;
}

bool ReadAmountBody(std::u16string_view line, size_t& i, Token& t) {
  double total = 0, section = 0, last = 1e13;
  bool any = false, units = false;
  std::u16string plain;
  while (i < line.size()) {
    const size_t end = NumberEnd(line, i);
    double number = 0;
    const bool hasNumber = end > i;
    if (hasNumber) {
      const std::u16string_view digits = line.substr(i, end - i);
      const Shape shape = ShapeOf(digits);
      if (shape == Shape::kBad || shape == Shape::kVersion) {
        t.Kind = shape == Shape::kBad ? MemoToken::kBadFigure : MemoToken::kNoteFigure;
        i = end;
        return true;
      }
      t.Grouped |= shape == Shape::kGrouped;
      plain = PlainDigits(digits);
      number = std::strtod(std::string(plain.begin(), plain.end()).c_str(), nullptr);
      i = end;
      any = true;
    }
    const double unit = i < line.size() ? CountingUnitOf(HalfWidthOf(line[i])) : 0;
    if (unit == 0) {
      section += number;
      break;
    }
    if (unit >= last && !(unit >= 1e4 && section > 0)) return false;
    ++i;
    any = units = true;
    if (unit < 1e4) {
      section += (hasNumber ? number : 1) * unit;
    } else {
      total += (section + number > 0 ? section + number : 1) * unit;
      section = 0;
      last = unit;
    }
  }
  if (!any) return false;
  t.Text = units ? PlainNumberText(total + section) : plain;
  return true;
}

}  // namespace quorva
