// The number conversions' shortcuts against the standard library's exact conversions: the same
// 15 digits, the same value read back, on boundaries and on a few million random values.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/NumberCore.h"

namespace quorva::detail {
namespace {

// What the general format's rounding gives: 15 digits and the exponent, from to_chars.
Digits15 Expected(double magnitude) {
  char buf[40];
  auto r = std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific, 14);
  *r.ptr = '\0';
  Digits15 d{0, 0};
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') d.digits = d.digits * 10 + static_cast<uint64_t>(*p - '0');
  d.exponent = std::atoi(p + 1);
  return d;
}

// The value of those digits as a number text reads back, through from_chars.
double ExpectedValue(double value) {
  Digits15 d = Expected(std::fabs(value));
  std::string text = std::to_string(d.digits) + "e" + std::to_string(d.exponent - 14);
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return value < 0 ? -v : v;
}

// Checks one value; returns false (after reporting) on a difference, so loops can stop early.
bool Agrees(double value) {
  Digits15 got{0, 0};
  if (!RoundToDigits15(value, got)) {
    ADD_FAILURE() << "no digits for " << value;
    return false;
  }
  Digits15 want = Expected(value);
  double back = 0;
  bool ok = got.digits == want.digits && got.exponent == want.exponent && RoundedValue(-value, back) &&
            back == -ExpectedValue(value);
  if (!ok) {
    char buf[32];
    std::to_chars(buf, buf + sizeof buf, value);
    ADD_FAILURE() << "value " << buf << ": digits " << got.digits << " e" << got.exponent << ", expected "
                  << want.digits << " e" << want.exponent;
  }
  return ok;
}

TEST(Digits15, BoundariesTiesAndCarries) {
  const double cases[] = {
      1e-8, 1e-5, 0.0001, 0.001, 0.1, 0.3, 1, 2.0 / 3, 6.7, 10, 99.99999999999995, 1e14,
      100000000000000.5,   // a tie: stays even
      100000000000001.5,   // a tie: goes up to even
      100000000000000.25,  // below the tie
      999999999999999.4, 999999999999999.5, 999999999999999.9,  // the last two carry into 1e15
      0.1 + 0.2, 1.005, 999.995, 123456789012345.6, 9.999999999999995e-5, 9.9999999999999995e-9,
  };
  for (double v : cases) {
    for (double near : {std::nextafter(v, 0.0), v, std::nextafter(v, 2e15)})
      if (near >= 1e-8 && near < 1e15) Agrees(near);
  }
}

TEST(Digits15, LeavesTheRestToTheGeneralPath) {
  Digits15 d;
  for (double v : {0.0, 9.99e-9, 1e15, 1e300, 5e-324, std::nan(""), HUGE_VAL}) EXPECT_FALSE(RoundToDigits15(v, d)) << v;
}

TEST(Digits15, AgreesWithTheStandardLibraryOnRandomValues) {
  std::mt19937_64 rng(15);
  std::uniform_real_distribution<double> exponent(-8, 15);
  std::uniform_int_distribution<uint64_t> mantissa(1, 999'999'999'999'999);
  std::uniform_int_distribution<int> places(0, 22);
  int failures = 0;
  for (int i = 0; i < 1'000'000 && failures < 10; ++i) {
    // Any double in the range, and decimals as typed (a few digits) with their neighbours.
    double any = std::pow(10.0, exponent(rng));
    double typed = static_cast<double>(mantissa(rng) % (uint64_t{1} << (rng() % 50 + 1))) / std::pow(10.0, places(rng));
    double computed = typed * 3 / 7;
    for (double v : {any, typed, std::nextafter(typed, 0.0), std::nextafter(typed, 1e16), computed}) {
      if (v >= 1e-8 && v < 1e15 && !Agrees(v)) ++failures;
    }
  }
}

TEST(SimpleNumber, ReadsWhatFromCharsReads) {
  const struct {
    std::u16string text;
    bool simple;
  } cases[] = {
      {u"0", true}, {u"-0", true}, {u"1.5", true}, {u".5", true}, {u"5.", true}, {u"-0.0001", true},
      {u"9007199254740992", true},                 // 2^53
      {u"9007199254740993", false},                // beyond 2^53: not exact
      {u"0.1234567890123456789", false},           // 20 digits
      {u"1.0000000000000000000000", false},        // 23 decimals
      {u"", false}, {u"-", false}, {u".", false}, {u"1.2.3", false}, {u"+1", false}, {u"1e3", false},
      {u"1,000", false}, {u" 1", false}, {u"--1", false},
  };
  for (const auto& c : cases) {
    std::string ascii(c.text.begin(), c.text.end());
    SCOPED_TRACE(ascii);
    double got = 0;
    ASSERT_EQ(ParseSimpleNumber(c.text, u'.', got), c.simple);
    if (!c.simple) continue;
    double want = 0;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), want);
    EXPECT_EQ(got, want);
    EXPECT_EQ(std::signbit(got), std::signbit(want));
  }
}

TEST(SimpleNumber, AgreesWithFromCharsOnRandomDecimals) {
  std::mt19937 rng(53);
  int failures = 0;
  for (int i = 0; i < 1'000'000 && failures < 10; ++i) {
    std::string ascii = rng() % 4 ? "" : "-";
    int digits = static_cast<int>(rng() % 17) + 1;
    int point = static_cast<int>(rng() % (digits + 1));
    for (int k = 0; k < digits; ++k) {
      if (k == point && k > 0) ascii += '.';
      ascii += static_cast<char>('0' + rng() % 10);
    }
    std::u16string text(ascii.begin(), ascii.end());
    double got = 0, want = 0;
    if (!ParseSimpleNumber(text, u'.', got)) continue;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), want);
    if (got != want) {
      ++failures;
      ADD_FAILURE() << ascii << ": " << got << " != " << want;
    }
  }
}

}  // namespace
}  // namespace quorva::detail
