// The in-place work on an editor's selection: lines, the equals rule, answers as the window gives.
#include <gtest/gtest.h>

#include <random>

#include "common/text/Utf8.h"
#include "engine/InPlace.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {


TEST(InPlace, AnswerWrittenInPerMode) {
  const struct {
    std::u16string_view line, answer;
    InPlaceMode mode;
    std::u16string_view want;
  } rows[] = {
      {u"1,234*1.08", u"1332.72", InPlaceMode::kReplace, u"1332.72"},
      {u"  1+2\t", u"3.00", InPlaceMode::kReplace, u"  3.00\t"},
      {u"1+2=", u"3.00", InPlaceMode::kReplace, u"3.00"},
      {u"1,234*1.08", u"1332.72", InPlaceMode::kAppend, u"1,234*1.08 = 1332.72"},
      {u"1+2=", u"3.00", InPlaceMode::kAppend, u"1+2=3.00"},
      {u"1+2 = ", u"3.00", InPlaceMode::kAppend, u"1+2 = 3.00"},
      {u"1+2 =", u"3.00", InPlaceMode::kAppend, u"1+2 = 3.00"},
      {u"1+2\u3000＝", u"3.00", InPlaceMode::kAppend, u"1+2\u3000＝\u30003.00"},
      {u"1980×3＝", u"5940.00", InPlaceMode::kAppend, u"1980×3＝5940.00"},
      {u"1+2=  ", u"3", InPlaceMode::kAppend, u"1+2=  3"},
      {u" 1+2  ", u"3", InPlaceMode::kAppend, u" 1+2 = 3  "},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Utf16ToUtf8(r.line));
    EXPECT_EQ(Utf16ToUtf8(WithAnswer(r.line, r.answer, r.mode)), Utf16ToUtf8(r.want));
  }
}

// Any text split into lines and joined again is the text, byte for byte, and no line holds a break.
TEST(InPlace, LinesJoinBackToTheSameText) {
  std::mt19937 random(20261207);
  const char16_t alphabet[] = u"\r\n\r\n1+ a=";
  for (int round = 0; round < 2000; ++round) {
    std::u16string text(random() % 12, u' ');
    for (char16_t& c : text) c = alphabet[random() % (std::size(alphabet) - 1)];
    SCOPED_TRACE(Utf16ToUtf8(text));
    std::u16string joined;
    const std::vector<Line> lines = SplitLines(text);
    for (const Line& l : lines) {
      EXPECT_EQ(l.Text.find_first_of(u"\r\n"), std::u16string_view::npos);
      joined.append(l.Text).append(l.Break);
    }
    EXPECT_EQ(Utf16ToUtf8(joined), Utf16ToUtf8(text));
    EXPECT_TRUE(lines.back().Break.empty());
    EXPECT_EQ(lines.size(), SplitLines(joined).size());
  }
  EXPECT_EQ(SplitLines(u"a\r\nb\n\rc").size(), 4u);  // CR LF is one break, LF CR two
}

TEST(InPlace, EveryExpressionLineGetsItsAnswerAndEveryOtherLineStays) {
  const AnswerFormat plain{u"", false, false};
  const AnswerFormat wide{u"0", true, true};
  const struct {
    std::u16string_view selection;
    InPlaceMode mode;
    AnswerFormat format;
    std::u16string_view want;
    int answered;
  } rows[] = {
      {u"1,234*1.08", InPlaceMode::kReplace, plain, u"1332.72", 1},
      {u"1,234*1.08", InPlaceMode::kAppend, plain, u"1,234*1.08 = 1332.72", 1},
      {u"1980×3＝", InPlaceMode::kAppend, plain, u"1980×3＝5940.00", 1},
      {u"100÷4", InPlaceMode::kReplace, plain, u"25.00", 1},
      {u"1234.5*1000", InPlaceMode::kReplace, wide, u"１，２３４，５００", 1},
      {u"memo\r\n1+2\r\n\r\n  \r\n(1+2\r\n2*3=\r\n", InPlaceMode::kAppend, plain,
       u"memo\r\n1+2 = 3.00\r\n\r\n  \r\n(1+2\r\n2*3=6.00\r\n", 2},
      {u"1+a\r\n10^400\r\n3\n", InPlaceMode::kReplace, plain, u"1+a\r\n10^400\r\n3\n", 0}  /* a lone figure among lines is a value: it stays */,
      {u"合計\r\nabc", InPlaceMode::kReplace, plain, u"合計\r\nabc", 0},
      {u"", InPlaceMode::kReplace, plain, u"", 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Utf16ToUtf8(r.selection));
    test::MessageBoxRecorder boxes;
    const InPlaceResult got =
        WorkLines(r.selection, r.mode, [&](std::u16string_view e) { return QuietAnswerOf(e, r.format); });
    EXPECT_EQ(Utf16ToUtf8(got.Text), Utf16ToUtf8(r.want));
    EXPECT_EQ(got.Answered, r.answered);
    EXPECT_EQ(got.Expressions.size(), static_cast<size_t>(r.answered));
    EXPECT_TRUE(boxes.Boxes.empty()) << "a rejected line is kept quietly";
  }
}

}  // namespace
}  // namespace quorva
