// Number text, text to number, answer formatting and width conversion.
#include <gtest/gtest.h>

#include "common/text/Utf8.h"
#include "engine/FormatAnswer.h"
#include "engine/NumberText.h"
#include "shared/RuntimeError.h"
#include "engine/Width.h"

namespace quorva {
namespace {


TEST(NumberText, FifteenDigitsPlainOrExponent) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1, "1"},
      {-1.5, "-1.5"},
      {0.1 + 0.2, "0.3"},
      {2.0 / 3, "0.666666666666667"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {123456789012345, "123456789012345"},
      {999999999999999, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e100, "1E+100"},
      {-1e-300, "-1E-300"},
      {12.5, "12.5"},
      {-0.000123, "-0.000123"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf16ToUtf8(NumberText(c.value)), c.text);
  }
}

TEST(TextToNumber, AcceptsTheLocalesNumbers) {
  const struct {
    std::u16string text;
    double value;
  } cases[] = {
      {u"12", 12},         {u" 12 ", 12},      {u"-1.5e3", -1500}, {u"+.5", 0.5},     {u"5.", 5},
      {u"1,000", 1000},    {u"1,234,5", 12345}, {u"007", 7},       {u"1E+15", 1e15}, {u"2e-3", 0.002},
      {u"1e-400", 0},      {u"0e999999", 0},    {u"1.79769313486231E+308", 1.79769313486231E+308},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.text));
    EXPECT_TRUE(IsNumeric(c.text));
    EXPECT_EQ(TextToNumber(c.text), c.value);
  }
}

TEST(TextToNumber, RejectsEverythingElse) {
  const struct {
    std::u16string text;
    int error;
  } cases[] = {
      {u"", kTypeMismatch},     {u" ", kTypeMismatch},   {u".", kTypeMismatch},    {u"1e", kTypeMismatch},
      {u"1E+", kTypeMismatch},  {u"abc", kTypeMismatch}, {u"1.2.3", kTypeMismatch}, {u",1", kTypeMismatch},
      {u"1,", kTypeMismatch},   {u"1,,0", kTypeMismatch}, {u"1.5,0", kTypeMismatch}, {u"１", kTypeMismatch},
      {u"0x10", kTypeMismatch}, {u"--1", kTypeMismatch}, {u"1E_3", kTypeMismatch},  {u"1 2", kTypeMismatch},
      {u"1e400", kOverflow},    {u"-1e309", kOverflow},  {u"1.79769313486232E+308", kOverflow},
      {std::u16string(400, u'9'), kOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.text));
    EXPECT_FALSE(IsNumeric(c.text));
    try {
      TextToNumber(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number, c.error);
    }
  }
}

TEST(FormatAnswer, DecimalPlacesGroupingAndWidth) {
  const struct {
    std::u16string result, after;
    bool group, wide;
    std::u16string shown;
  } cases[] = {
      {u"1234.5", u"2", true, false, u"1,234.50"},
      {u"1234.5", u"2", false, false, u"1234.50"},
      {u"1234.5", u"2", true, true, u"１，２３４．５０"},
      {u"0.5", u"3", false, false, u"0.500"},
      {u"0.5", u"0", false, false, u"1"},
      {u"0.999999999999999", u"2", false, false, u"1.00"},
      {u"2.5", u"0", false, false, u"3"},
      {u"-2.5", u"0", false, false, u"-3"},
      {u"-2", u"2", false, false, u"-2.00"},
      {u"-2", u"2", false, true, u"－２．００"},
      {u"1e3", u"0", true, false, u"1,000"},
      {u"1.005", u"2", false, false, u"1.01"},  // the decimal value, not the binary one
      {u"999.995", u"2", true, false, u"1,000.00"},
      {u"-0.001", u"2", false, false, u"0.00"},
      {u"1E+15", u"0", true, false, u"1,000,000,000,000,000"},
      {u"1E-05", u"9", false, false, u"0.000010000"},
      {u"007", u"0", false, false, u"7"},
      {u"123", u"0", true, false, u"123"},
      {u"-1234567", u"1", true, false, u"-1,234,567.0"},
      // Anything but one digit "0".."9" asks for the regional default (2 here).
      {u"1234.5", u"10", false, false, u"1234.50"},
      {u"1234.5", u"", false, false, u"1234.50"},
      {u"1234.5", u"a", false, false, u"1234.50"},
      {u"1234.5", u"５", false, false, u"1234.50"},
      {u"1234.5", u" 2", false, false, u"1234.50"},
      // Not a number: nothing to show.
      {u"", u"2", false, false, u""},
      {u"abc", u"2", false, false, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.result) + " / " + Utf16ToUtf8(c.after));
    EXPECT_EQ(Utf16ToUtf8(FormatAnswer(c.result, c.after, c.group, c.wide)), Utf16ToUtf8(c.shown));
  }
}

TEST(FormatAnswer, TakesSeparatorsAndDefaultFromTheLocale) {
  NumberLocale german{u',', u'.', 3};
  EXPECT_EQ(Utf16ToUtf8(FormatAnswer(u"1234,5", u"", true, false, german)), "1.234,500");
}

TEST(Width, HalfAndFullWidthForms) {
  EXPECT_EQ(Utf16ToUtf8(ToHalfWidth(u"（１＋２）＊３\u3000～［］")), "(1+2)*3 ~[]");
  EXPECT_EQ(Utf16ToUtf8(ToHalfWidth(u"\u00D7ｱ")), "\u00D7ｱ");  // no half-width form: unchanged
  EXPECT_EQ(Utf16ToUtf8(ToFullWidth(u"-1,234.5 ")), "－１，２３４．５\u3000");
}

}  // namespace
}  // namespace quorva
