// What people write in a memo, as the window calculates it: percent as a shop calculator
// computes it, amounts with their currency signs and counting units, and the rounding a user picks.
#include <gtest/gtest.h>

#include "common/text/Utf8.h"
#include "engine/FormatAnswer.h"
#include "engine/InPlace.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {


struct Row {
  std::u16string_view expr;
  std::u16string_view result;  // "" when the expression gives no number
  int error = 0;
};

void ExpectResults(const Row* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE(Utf16ToUtf8(r.expr));
    test::MessageBoxRecorder boxes;
    std::u16string text(r.expr);
    std::u16string result;
    int error = 0;
    try {
      result = Calculate(text);
    } catch (const RuntimeError& e) {
      error = e.Number;
    }
    EXPECT_EQ(Utf16ToUtf8(result), Utf16ToUtf8(r.result));
    EXPECT_EQ(error, r.error);
    EXPECT_EQ(Utf16ToUtf8(text), Utf16ToUtf8(r.expr)) << "an accepted expression is not handed back";
    EXPECT_TRUE(boxes.Boxes.empty());
  }
}

TEST(Memo, PercentIsAShareInASumAndAFractionElsewhere) {
  const Row rows[] = {
      {u"1000+8%", u"1080"},
      {u"1000-10%", u"900"},
      {u"1000+200+10%", u"1320"},
      {u"1,280+10%", u"1408"},
      {u"1000+10%+10%", u"1210"},      // each share of everything before it
      {u"1000+8%+5", u"1085"},
      {u"2*3+50%", u"9"},               // the products before it are part of "everything before"
      {u"(1000+200)\u00D710%", u"120"},
      {u"(1000+200)*10%", u"120"},
      {u"1000\u00D78%", u"80"},
      {u"1000*8%", u"80"},
      {u"50\u00F725%", u"200"},
      {u"50/25%", u"200"},
      {u"1000+8%*2", u"1000.16"},      // the term does not end in %: the factor is a fraction
      {u"8%", u"0.08"},
      {u"-8%", u"-0.08"},
      {u"(8%)", u"0.08"},
      {u"2+(10+10%)", u"13"},           // a share at its own bracket level
      {u"1000+(5+3)%", u"1080"},        // a percentage of a bracket's value
      {u"(1000+200)%", u"12"},
      {u"2^50%", u"1.4142135623731"},
      {u"１０００＋８％", u"1080"},    // full width
      {u"1000 + 8 %", u"1080"},
      {u"1000+8%=", u"1080"},
      {u"1000+-10%", u"900"},
  };
  ExpectResults(rows, std::size(rows));
}

TEST(Memo, AmountsAreReadAsTheirNumbers) {
  const Row rows[] = {
      {u"\u00A51,200\u00D73", u"3600"},  // ¥
      {u"\uFFE51,200\u00D73", u"3600"},  // ￥
      {u"\\1,200\u00D73", u"3600"},      // the yen sign of code page 932
      {u"\uFF3C1,200*3", u"3600"},       // its full-width form
      {u"1,200円\u00D73", u"3600"},
      {u"$19.99\u00D72", u"39.98"},
      {u"\uFF0419.99*2", u"39.98"},      // ＄
      {u"\u00A5120+\u00A580", u"200"},
      {u"-\u00A5500*2", u"-1000"},
      {u"\u00A51,200円", u"1,200"},      // no operator: the number as written, as ‹1,200› gives
      {u"\u00A51,000+8%", u"1080"},
      {u"1,000円\u00D78%", u"80"},
      {u"3万5千", u"35000"},
      {u"1.5万", u"15000"},
      {u"616万1500円", u"6161500"},
      {u"2億", u"200000000"},
      {u"3億5千万", u"350000000"},
      {u"1兆2億", u"1000200000000"},
      {u"1万2千3百4", u"12304"},
      {u"1,500万", u"15000000"},
      {u"3万5千+1万", u"45000"},
      {u"\u00A53万\u00D72", u"60000"},
      {u"1万\u00D710%", u"1000"},
      {u"１万５千円", u"15000"},         // full-width digits
      {u"1000兆*10", u"1E+16"},
  };
  ExpectResults(rows, std::size(rows));
}

TEST(Memo, WhatIsNoAmountOrPercentageStaysAsBefore) {
  const Row rows[] = {
      {u"%5", u""},
      {u"5%%", u""},
      {u"5%3", u""},
      {u"1+%", u"", kTypeMismatch},
      {u"%", u""},
      {u"万", u""},
      {u"1万万", u""},
      {u"万5", u""},
      {u"1万億", u""},
      {u"1万2億", u""},                   // the large units fall from left to right
      {u"1百2千万", u""},                 // and so do 千 and 百
      {u"1百千万", u""},
      {u"5千", u""},                      // 千 and 百 only inside a large unit
      {u"\u00A5", u""},
      {u"\u00A5+1", u"", kTypeMismatch},
      {u"1\u00A5*2", u"", kTypeMismatch},  // a currency sign goes before the number
      {u"円5*2", u"", kTypeMismatch},
      {u"1万円*x", u"", kTypeMismatch},
      {u"10%オフ", u""},
      {u"$a*2", u"", kTypeMismatch},
      {u"1e400万", u""},
  };
  ExpectResults(rows, std::size(rows));
}

TEST(Memo, RoundingComesAfterTheFifteenDigits) {
  const struct {
    std::u16string_view result, places;
    Rounding rounding;
    std::u16string_view want;
  } rows[] = {
      {u"110.00000000000001", u"0", Rounding::kUp, u"110"},  // 100×1.1 as binary64 holds it
      {u"2138.4", u"0", Rounding::kDown, u"2138"},
      {u"2138.4", u"0", Rounding::kUp, u"2139"},
      {u"2138.4", u"0", Rounding::kHalf, u"2138"},
      {u"2138.5", u"0", Rounding::kHalf, u"2139"},
      {u"2138.5", u"0", Rounding::kDown, u"2138"},
      {u"-2.5", u"0", Rounding::kDown, u"-2"},
      {u"-2.5", u"0", Rounding::kUp, u"-3"},
      {u"-2.1", u"0", Rounding::kUp, u"-3"},
      {u"0.001", u"0", Rounding::kUp, u"1"},
      {u"0.001", u"2", Rounding::kUp, u"0.01"},
      {u"0.0001", u"0", Rounding::kDown, u"0"},
      {u"-0.4", u"0", Rounding::kDown, u"0"},
      {u"1.239", u"2", Rounding::kDown, u"1.23"},
      {u"1.231", u"2", Rounding::kUp, u"1.24"},
      {u"9.991", u"1", Rounding::kUp, u"10.0"},
      {u"1.5", u"3", Rounding::kUp, u"1.500"},
      {u"0.999999999999999", u"9", Rounding::kDown, u"0.999999999"},
      {u"1E-05", u"0", Rounding::kUp, u"1"},
      {u"123456789012345", u"0", Rounding::kUp, u"123456789012345"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Utf16ToUtf8(r.result) + " " + std::to_string(static_cast<int>(r.rounding)));
    EXPECT_EQ(Utf16ToUtf8(FormatAnswer(r.result, r.places, false, false, {}, r.rounding)), Utf16ToUtf8(r.want));
  }
  // The whole road: the expression's 15-digit result is what gets rounded.
  const struct {
    std::u16string_view expr;
    Rounding rounding;
    std::u16string_view want;
  } answers[] = {
      {u"100\u00D71.1", Rounding::kUp, u"110"},
      {u"1,980\u00D71.08", Rounding::kDown, u"2,138"},
      {u"1,980\u00D71.08", Rounding::kUp, u"2,139"},
      {u"1/3*3", Rounding::kDown, u"0"},  // ‹0.999999999999999›
      {u"1,280+10%", Rounding::kDown, u"1,408"},
  };
  for (const auto& a : answers) {
    SCOPED_TRACE(Utf16ToUtf8(a.expr));
    std::u16string text(a.expr);
    EXPECT_EQ(Utf16ToUtf8(AnswerOf(text, {u"0", true, false, a.rounding})), Utf16ToUtf8(a.want));
  }
}

// Each share is of everything before it, so a long memo line must not copy its text once per
// share.
TEST(Memo, ALongChainOfSharesIsOneNumber) {
  std::u16string text = u"1000";
  for (int i = 0; i < 200'000; ++i) text += i % 2 ? u"+0%" : u"-0%*1";
  EXPECT_EQ(Utf16ToUtf8(Calculate(text)), "1000");
}

}  // namespace
}  // namespace quorva
