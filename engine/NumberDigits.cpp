#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "NumberCore.h"

namespace quorva::detail {
namespace {

// Every power of ten up to 1e22 is exact in binary64.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;

// a * b as p + err exactly (Dekker's product with Veltkamp's split), in plain double arithmetic,
// so that it gives the same on every platform with or without a fused multiply-add.
void ExactProduct(double a, double b, double& p, double& err) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  p = a * b;
  double ca = kSplit * a;
  double ah = ca - (ca - a);
  double al = a - ah;
  double cb = kSplit * b;
  double bh = cb - (cb - b);
  double bl = b - bh;
  double e = ah * bh - p;
  e += ah * bl;
  e += al * bh;
  err = e + al * bl;
}

}  // namespace

bool RoundToDigits15(double magnitude, Digits15& out) {
  // 1e-8 .. 1e15: the scale 10^(14 - exponent) is an exact double and the scaled value an
  // integer-sized double whose rounding error the exact product reveals.
  if (!(magnitude >= 1e-8 && magnitude < 1e15)) return false;
  // A first guess from the binary exponent (log10(2) ~ 78913 / 2^18), at most one off; the loop
  // corrects it.
  int binary = 0;
  std::frexp(magnitude, &binary);
  int exponent = std::clamp(((binary - 1) * 78913) >> 18, -8, 14);
  for (int tries = 0; tries < 4; ++tries) {
    int scale = 14 - exponent;
    if (scale < 0 || scale > kMaxExactPow10) return false;
    double p = 0, err = 0;
    ExactProduct(magnitude, kPow10[scale], p, err);
    if (p < 1e14) {  // the exact product is below 1e14 too
      --exponent;
      continue;
    }
    if (p > 1e15 || (p == 1e15 && err >= 0)) {
      ++exponent;
      continue;
    }
    // Round p + err to an integer, ties to even. p's fraction is exact; |err| <= ulp(p) / 2.
    double whole = static_cast<double>(static_cast<uint64_t>(p));  // floor: p is positive
    double half = (p - whole) - 0.5;
    uint64_t digits = static_cast<uint64_t>(whole);
    if (half > -err || (half == -err && (digits & 1))) ++digits;
    if (digits == 1'000'000'000'000'000) {
      digits = 100'000'000'000'000;
      ++exponent;
    }
    out = {digits, exponent};
    return true;
  }
  return false;
}

bool RoundedValue(double value, double& out) {
  Digits15 d;
  if (!RoundToDigits15(std::fabs(value), d)) return false;
  // Both operands exact and the quotient rounded once: the double nearest to the decimal.
  int scale = 14 - d.exponent;  // -1 after a carry to 1e15
  double v = scale >= 0 ? static_cast<double>(d.digits) / kPow10[scale] : static_cast<double>(d.digits) * kPow10[-scale];
  out = value < 0 ? -v : v;
  return true;
}

bool ParseSimpleNumber(std::u16string_view text, char16_t decimal, double& out) {
  size_t i = 0, n = text.size();
  bool negative = n > 0 && text[0] == u'-';
  if (negative) ++i;
  uint64_t mantissa = 0;
  int digits = 0, fraction = 0;
  bool point = false;
  for (; i < n; ++i) {
    char16_t c = text[i];
    if (c >= u'0' && c <= u'9') {
      if (++digits > 19) return false;
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - u'0');
      fraction += point;
    } else if (c == decimal && !point) {
      point = true;
    } else {
      return false;
    }
  }
  // An integer of at most 53 bits and an exact power of ten: one correctly rounded division.
  if (digits == 0 || mantissa > (uint64_t{1} << 53) || fraction > kMaxExactPow10) return false;
  double v = static_cast<double>(mantissa);
  if (fraction) v /= kPow10[fraction];
  out = negative ? -v : v;
  return true;
}

int ScientificDigits15(double magnitude, char (&digits)[15]) {
  char text[32];  // d.dddddddddddddde[+-]x[x[x]]
  const auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
  const char* p = text;
  for (int count = 0; p != r.ptr && *p != 'e'; ++p)
    if (*p != '.') digits[count++] = *p;
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, exponent);  // from_chars takes "-" but not "+"
  return exponent;
}

}  // namespace quorva::detail
