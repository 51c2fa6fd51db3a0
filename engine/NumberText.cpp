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

int ParseNumber(std::u16string_view text, const NumberLocale& locale, bool allowUnderscoreExponent,
                double& out) {
  size_t i = 0, n = text.size();
  if (locale.Decimal != locale.Group && ParseSimpleNumber(text, locale.Decimal, out)) return 0;
  while (i < n && text[i] == u' ') ++i;
  while (n > i && text[n - 1] == u' ') --n;

  AsciiBuffer ascii;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  ascii.Push(negative ? '-' : '+');
  size_t intDigits = 0, intSignificant = 0, fracDigits = 0, fracLeadingZeros = 0;
  bool fracNonZeroSeen = false;
  while (i < n) {
    char16_t c = text[i];
    if (IsDigit(c)) {
      if (intSignificant > 0 || c != u'0') ++intSignificant;
      ascii.Push(static_cast<char>(c));
      ++intDigits;
      ++i;
    } else if (c == locale.Group && intDigits > 0 && i + 1 < n && IsDigit(text[i + 1])) {
      ++i;  // digit grouping is ignored
    } else {
      break;
    }
  }
  if (i < n && text[i] == locale.Decimal) {
    ascii.Push('.');
    ++i;
    while (i < n && IsDigit(text[i])) {
      if (!fracNonZeroSeen) {
        if (text[i] == u'0') ++fracLeadingZeros;
        else fracNonZeroSeen = true;
      }
      ascii.Push(static_cast<char>(text[i]));
      ++fracDigits;
      ++i;
    }
  }
  if (intDigits + fracDigits == 0) return kTypeMismatch;
  long long exponent = 0;
  if (i < n && (text[i] == u'E' || text[i] == u'e')) {
    ++i;
    ascii.Push('e');
    bool expNegative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-' || (allowUnderscoreExponent && text[i] == u'_'))) {
      expNegative = text[i] != u'+';
      if (expNegative) ascii.Push('-');
      ++i;
    }
    size_t expDigits = 0;
    while (i < n && IsDigit(text[i])) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - u'0');
      ascii.Push(static_cast<char>(text[i]));
      ++expDigits;
      ++i;
    }
    if (expDigits == 0) return kTypeMismatch;
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return kTypeMismatch;

  const char* first = ascii.Data() + (negative ? 0 : 1);  // from_chars takes "-" but not "+"
  const char* last = ascii.Data() + ascii.Size();
  double value = 0;
  auto r = std::from_chars(first, last, value, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    if (intSignificant == 0 && !fracNonZeroSeen) {
      value = 0;
    } else {
      long long magnitude = intSignificant > 0 ? static_cast<long long>(intSignificant)
                                               : -static_cast<long long>(fracLeadingZeros);
      if (magnitude + exponent > 0) return kOverflow;
      value = negative ? -0.0 : 0.0;  // too small for binary64: zero, as the platform reads it
    }
  } else if (r.ec != std::errc() || r.ptr != last) {
    return kTypeMismatch;
  }
  if (!std::isfinite(value)) return kOverflow;
  out = value;
  return 0;
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
