// The evaluator on canonical text ("×" multiply, "_" subtract, "-" sign).
#include <gtest/gtest.h>

#include "common/text/Utf8.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"

namespace quorva {
namespace {


struct Case {
  std::u16string text;
  std::u16string result;
  int error = 0;
};

int EvalError(const std::u16string& text, std::u16string& result) {
  try {
    result = EvalText(text);
    return 0;
  } catch (const RuntimeError& e) {
    return e.Number;
  }
}

const Case kPriorities[] = {
    {u"1+2\u00D73", u"7"},       {u"6/2\u00D73", u"9"},       {u"8/2/2", u"2"},
    {u"1_2_3", u"-4"},           {u"2^3^2", u"64"},           {u"_3^2", u"-9"},
    {u"(_3)^2", u"9"},           {u"2\u00D7-3^2", u"18"},     {u"2^-1", u"0.5"},
    {u"2+3\u00D7(4_1)^2", u"29"}, {u"1_+2", u"3"},            {u"10_2\u00D73+4", u"8"},
};
const Case kBrackets[] = {
    {u"(1+2)(3)", u"33"}, {u"2()3", u"23"}, {u"()", u""},        {u"((2))", u"2"},
    {u"(1+1)a", u"2a"},   {u"a(1+1)", u"a2"}, {u"((1+2)\u00D7(3+4))", u"21"},
    {u"(((1)))+(((2)))", u"3"}, {u"(1(2)3)", u"123"},
    // An unmatched "(" after every ")" is gone is an ordinary character.
    {u"(1", u"(1"}, {u"(", u"("},
};
const Case kMissingOperands[] = {
    {u"_5", u"-5"}, {u"5+", u"5"}, {u"+5", u"5"}, {u"\u00D75", u"0"}, {u"5^", u"1"},
    {u"_", u"0"},   {u"", u""},    {u"\u00D7/", u"0"},
};
const Case kDivisionAndRounding[] = {
    {u"1/0", u"0"},   {u"0/0", u"0"}, {u"5_1/0", u"5"}, {u"1/3\u00D73", u"0.999999999999999"},
    {u"2/3", u"0.666666666666667"}, {u"0.1+0.2", u"0.3"}, {u"0.00001\u00D71", u"1E-05"},
    {u"1e3", u"1e3"}, {u"1e3+1", u"1001"}, {u"abc", u"abc"}, {u"007", u"007"},
};
// Exponent notation with a sign is one number, as the evaluator writes it and as it is typed.
const Case kExponents[] = {
    {u"10^15", u"1E+15"},
    {u"10^15\u00D72", u"2E+15"},
    {u"1E+15\u00D72", u"2E+15"},
    {u"2e_3+1", u"1.002"},
    {u"1E_3", u"1E-3"},
    {u"(1E_3)", u"1E-3"},
    {u"10^15+1", u"1E+15"},
    {u"10^16_10^16", u"0"},
    {u"1.5E+20/1E+5", u"1.5E+15"},
    {u"(1E)+3", u"1E+3"},        // the bracket's text runs into "+3"
    {u"1E+\u00D72", u"1E+0"},    // 0×2 leaves a digit after the "+"
    {u"1E+.5\u00D72", u"1E+1"},  // the product turns the "+" into an exponent sign
    {u"1E+.5\u00D72\u00D73", u"30"},
};
const Case kErrors[] = {
    {u"1+a", u"", kTypeMismatch},      {u")1(", u"", kInvalidArgument},  {u"(_8)^0.5", u"", kInvalidArgument},
    {u"10^400", u"", kOverflow},       {u"1e308\u00D710", u"", kOverflow}, {u"1e400+1", u"", kOverflow},
    {u"1E+", u"", kTypeMismatch},      {u"(1+a))", u"", kTypeMismatch}, {u"())", u"", kInvalidArgument},
    {u"a+1e999^2", u"", kOverflow},     // every "^" is reduced before any "+" reads its operands
    {u"0^-1", u"", kOverflow},
};

template <size_t N>
void CheckAll(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.text));
    std::u16string result;
    EXPECT_EQ(EvalError(c.text, result), c.error);
    if (c.error == 0) {
      EXPECT_EQ(Utf16ToUtf8(result), Utf16ToUtf8(c.result));
    }
  }
}

TEST(EvalText, PrioritiesAndLeftToRight) { CheckAll(kPriorities); }
TEST(EvalText, BracketValuesAreSplicedIntoTheText) { CheckAll(kBrackets); }
TEST(EvalText, MissingOperandsCountAsZero) { CheckAll(kMissingOperands); }
TEST(EvalText, DivisionByZeroAndFifteenDigits) { CheckAll(kDivisionAndRounding); }
TEST(EvalText, ExponentNotationWithASign) { CheckAll(kExponents); }
TEST(EvalText, Errors) { CheckAll(kErrors); }

TEST(EvalText, MillionNestedBracketsNeedNoRecursion) {
  const size_t depth = 1'000'000;
  std::u16string text(depth, u'(');
  text += u"1+1";
  text.append(depth, u')');
  EXPECT_EQ(Utf16ToUtf8(EvalText(text)), "2");

  std::u16string plain(depth, u'(');
  plain += u"abc";
  plain.append(depth, u')');
  EXPECT_EQ(Utf16ToUtf8(EvalText(plain)), "abc");
}

struct OperandCase {
  std::u16string text;
  int32_t p;
  double left, right;
  int32_t leftBound, rightBound;
};

TEST(GetOperands, FindsBoundsAndValues) {
  const OperandCase cases[] = {
      {u"2+3\u00D79", 4, 3, 9, 2, 6}, {u"2+27", 2, 2, 27, 0, 5},  {u"_5", 1, 0, 5, 0, 3},
      {u"2\u00D7-3", 2, 2, -3, 0, 5}, {u"1E+15\u00D72", 6, 1e15, 2, 0, 8}, {u"5+", 2, 5, 0, 0, 3},
      {u"2e_3+1", 5, 0.002, 1, 0, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.text));
    double left = -1, right = -1;
    int32_t l = -1, r = -1;
    GetOperands(c.text, c.p, left, right, l, r);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(l, c.leftBound);
    EXPECT_EQ(r, c.rightBound);
  }
}

TEST(GetOperands, ReadsTheLeftOperandFirst) {
  double left = 0, right = 0;
  int32_t l = 0, r = 0;
  try {
    GetOperands(u"1e999+a", 6, left, right, l, r);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number, kOverflow);
  }
}

}  // namespace
}  // namespace quorva
