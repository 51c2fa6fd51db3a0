#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "NumberCore.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace detail {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A short ASCII buffer that spills to the heap only for long numbers.
class AsciiBuffer {
 public:
  void Push(char c) {
    if (size_ < sizeof(small_)) {
      small_[size_++] = c;
      return;
    }
    if (large_.empty()) large_.assign(small_, size_);
    large_.push_back(c);
    ++size_;
  }
  const char* Data() const { return large_.empty() ? small_ : large_.data(); }
  size_t Size() const { return size_; }

 private:
  char small_[64];
  size_t size_ = 0;
  std::string large_;
};

}  // namespace

int FormatNumberText(double value, char16_t decimal, char16_t* out) {
  int n = 0;
  if (value == 0) {
    out[n++] = u'0';
    return n;
  }
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    char tmp[24];
    auto r = std::to_chars(tmp, tmp + sizeof tmp, static_cast<long long>(value));
    for (char* p = tmp; p != r.ptr; ++p) out[n++] = static_cast<char16_t>(*p);
    return n;
  }
  bool negative = value < 0;
  char digits[15];
  int count = 15;
  int exponent = 0;
  Digits15 rounded;
  if (RoundToDigits15(std::fabs(value), rounded)) {
    exponent = rounded.exponent;
    for (uint64_t d = rounded.digits, i = 15; i-- > 0; d /= 10) digits[i] = static_cast<char>('0' + d % 10);
  } else {
    exponent = ScientificDigits15(std::fabs(value), digits);
  }
  while (count > 1 && digits[count - 1] == '0') --count;

  if (negative) out[n++] = u'-';
  if (exponent >= -4 && exponent <= 14) {
    if (exponent >= 0) {
      for (int i = 0; i <= exponent; ++i) out[n++] = static_cast<char16_t>(i < count ? digits[i] : '0');
      if (count > exponent + 1) {
        out[n++] = decimal;
        for (int i = exponent + 1; i < count; ++i) out[n++] = static_cast<char16_t>(digits[i]);
      }
    } else {
      out[n++] = u'0';
      out[n++] = decimal;
      for (int i = 0; i < -exponent - 1; ++i) out[n++] = u'0';
      for (int i = 0; i < count; ++i) out[n++] = static_cast<char16_t>(digits[i]);
    }
    return n;
  }
  out[n++] = static_cast<char16_t>(digits[0]);
  if (count > 1) {
    out[n++] = decimal;
    for (int i = 1; i < count; ++i) out[n++] = static_cast<char16_t>(digits[i]);
  }
  out[n++] = u'E';
  out[n++] = exponent < 0 ? u'-' : u'+';
  int magnitude = std::abs(exponent);
  if (magnitude < 10) out[n++] = u'0';
  char tmpExp[8];
  auto re = std::to_chars(tmpExp, tmpExp + sizeof tmpExp, magnitude);
  for (char* q = tmpExp; q != re.ptr; ++q) out[n++] = static_cast<char16_t>(*q);
  return n;
}

namespace {

// What the reading of a number text has seen so far, and its ASCII copy for from_chars.
struct NumberScan {
  std::u16string_view text;
  size_t i = 0, n = 0;
  AsciiBuffer ascii;
  bool negative = false;
  size_t intDigits = 0, intSignificant = 0, fracDigits = 0, fracLeadingZeros = 0;
  bool fracNonZeroSeen = false;
  long long exponent = 0;

  bool More() const { return i < n; }
  char16_t Here() const { return text[i]; }
};

void ReadSign(NumberScan& s) {
  if (s.More() && (s.Here() == u'+' || s.Here() == u'-')) {
    s.negative = s.Here() == u'-';
    ++s.i;
  }
  s.ascii.Push(s.negative ? '-' : '+');
}

// The integer digits; a group separator between digits is ignored.
void ReadIntegerPart(NumberScan& s, char16_t group) {
  while (s.More()) {
    const char16_t c = s.Here();
    if (IsDigit(c)) {
      if (s.intSignificant > 0 || c != u'0') ++s.intSignificant;
      s.ascii.Push(static_cast<char>(c));
      ++s.intDigits;
      ++s.i;
    } else if (c == group && s.intDigits > 0 && s.i + 1 < s.n && IsDigit(s.text[s.i + 1])) {
      ++s.i;
    } else {
      return;
    }
  }
}

void ReadFraction(NumberScan& s, char16_t decimal) {
  if (!s.More() || s.Here() != decimal) return;
  s.ascii.Push('.');
  ++s.i;
  for (; s.More() && IsDigit(s.Here()); ++s.i) {
    if (!s.fracNonZeroSeen) {
      if (s.Here() == u'0') ++s.fracLeadingZeros;
      else s.fracNonZeroSeen = true;
    }
    s.ascii.Push(static_cast<char>(s.Here()));
    ++s.fracDigits;
  }
}

// "E[sign]digits", if there; false when the mark has no digits after it.
bool ReadExponent(NumberScan& s, bool allowUnderscoreExponent) {
  if (!s.More() || (s.Here() != u'E' && s.Here() != u'e')) return true;
  ++s.i;
  s.ascii.Push('e');
  bool expNegative = false;
  if (s.More() && (s.Here() == u'+' || s.Here() == u'-' || (allowUnderscoreExponent && s.Here() == u'_'))) {
    expNegative = s.Here() != u'+';
    if (expNegative) s.ascii.Push('-');
    ++s.i;
  }
  size_t expDigits = 0;
  for (; s.More() && IsDigit(s.Here()); ++s.i, ++expDigits) {
    if (s.exponent < 1'000'000'000) s.exponent = s.exponent * 10 + (s.Here() - u'0');
    s.ascii.Push(static_cast<char>(s.Here()));
  }
  if (expNegative) s.exponent = -s.exponent;
  return expDigits > 0;
}

// The value of the scanned text, or the error number.
int Convert(const NumberScan& s, double& out) {
  const char* first = s.ascii.Data() + (s.negative ? 0 : 1);  // from_chars takes "-" but not "+"
  const char* last = s.ascii.Data() + s.ascii.Size();
  double value = 0;
  auto r = std::from_chars(first, last, value, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    if (s.intSignificant == 0 && !s.fracNonZeroSeen) {
      value = 0;
    } else {
      long long magnitude = s.intSignificant > 0 ? static_cast<long long>(s.intSignificant)
                                                 : -static_cast<long long>(s.fracLeadingZeros);
      if (magnitude + s.exponent > 0) return kOverflow;
      value = s.negative ? -0.0 : 0.0;  // too small for binary64: zero, as the platform reads it
    }
  } else if (r.ec != std::errc() || r.ptr != last) {
    return kTypeMismatch;
  }
  if (!std::isfinite(value)) return kOverflow;
  out = value;
  return 0;
}

}  // namespace

int ParseNumber(std::u16string_view text, const NumberLocale& locale, bool allowUnderscoreExponent,
                double& out) {
  if (locale.Decimal != locale.Group && ParseSimpleNumber(text, locale.Decimal, out)) return 0;
  NumberScan s{text, 0, text.size()};
  while (s.More() && s.Here() == u' ') ++s.i;
  while (s.n > s.i && text[s.n - 1] == u' ') --s.n;
  ReadSign(s);
  ReadIntegerPart(s, locale.Group);
  ReadFraction(s, locale.Decimal);
  if (s.intDigits + s.fracDigits == 0) return kTypeMismatch;
  if (!ReadExponent(s, allowUnderscoreExponent) || s.i != s.n) return kTypeMismatch;
  return Convert(s, out);
}

}  // namespace detail

std::u16string NumberText(double value, const NumberLocale& locale) {
  if (!std::isfinite(value)) return std::isnan(value) ? u"NaN" : (value < 0 ? u"-Infinity" : u"Infinity");
  char16_t buf[detail::kNumberTextMax];
  int n = detail::FormatNumberText(value, locale.Decimal, buf);
  return std::u16string(buf, static_cast<size_t>(n));
}

double TextToNumber(std::u16string_view text, const NumberLocale& locale) {
  double value = 0;
  if (int err = detail::ParseNumber(text, locale, false, value)) Raise(err);
  return value;
}

bool IsNumeric(std::u16string_view text, const NumberLocale& locale) {
  double value = 0;
  return detail::ParseNumber(text, locale, false, value) == 0;
}

}  // namespace quorva
