// Calculate as the calculate command sees it: result, the text handed back, the message box.
#include <gtest/gtest.h>

#include "common/text/Utf8.h"
#include "shared/MessageBox.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {


using BoxRecorder = test::MessageBoxRecorder;

struct Case {
  std::u16string expr;
  std::u16string result;
  std::u16string textAfter;  // what the caller's text holds afterwards
  std::u16string messages;   // "" when no box is shown
  int error = 0;             // run-time error that passes through
};

const Case kCases[] = {
    // Accepted expressions, as typed.
    {u"1 + 2", u"3", u"1 + 2", u""},
    {u"１＋２＊３", u"7", u"１＋２＊３", u""},
    {u"[1+2]*3", u"9", u"[1+2]*3", u""},
    {u"（１＋２）＊３", u"9", u"（１＋２）＊３", u""},
    {u"1\u3000+\u30002", u"3", u"1\u3000+\u30002", u""},
    {u"2**3", u"6", u"2**3", u""},
    {u"2~3", u"8", u"2~3", u""},
    {u"2^^3", u"8", u"2^^3", u""},
    {u"6//2", u"3", u"6//2", u""},
    {u"1--2", u"3", u"1--2", u""},
    {u"1+-2", u"-1", u"1+-2", u""},
    {u"-3+1", u"-2", u"-3+1", u""},
    {u"1+++2", u"3", u"1+++2", u""},
    {u"2*-3", u"-6", u"2*-3", u""},
    {u"2\u00D7-3", u"-3", u"2\u00D7-3", u""},  // a typed "×" gets no sign rule: 2×0, then 0-3
    {u"6/-2", u"-3", u"6/-2", u""},
    {u"2^-1", u"0.5", u"2^-1", u""},
    {u"(1+2)*3", u"9", u"(1+2)*3", u""},
    {u"2(3)", u"23", u"2(3)", u""},
    {u"1/0", u"0", u"1/0", u""},
    {u"-3^2", u"-9", u"-3^2", u""},
    {u"(-3)^2", u"9", u"(-3)^2", u""},
    {u"1,000+1", u"1001", u"1,000+1", u""},
    // No operator: the text as typed, when it is a number.
    {u"007", u"007", u"007", u""},
    {u"1e3", u"1e3", u"1e3", u""},
    {u"abc", u"", u"abc", u""},
    {u"", u"", u"", u""},
    {u"()", u"", u"()", u""},
    // Exponent notation with a sign is one number, written or typed.
    {u"10^15", u"1E+15", u"10^15", u""},
    {u"1E+15*2", u"2E+15", u"1E+15*2", u""},
    {u"2e-3+1", u"1.002", u"2e-3+1", u""},
    {u"1E-3", u"1E-3", u"1E-3", u""},
    {u"1E+3", u"1E+3", u"1E+3", u""},
    {u"-1E-3", u"-0.001", u"-1E-3", u""},
    {u"10^20/10^5", u"1E+15", u"10^20/10^5", u""},
    {u"0.00001*1", u"1E-05", u"0.00001*1", u""},
    // Rejected: brackets and the six pairs, all in one box, the display form handed back.
    {u"(1+2", u"", u"(1+2", u"閉じ括弧が足りません\r\n"},
    {u"1+2)", u"", u"1+2)", u"括弧が足りません\r\n"},
    {u"1 + * 2", u"", u"1+*2", u"「+*」となっています\r\n"},
    {u"(1-/2", u"", u"(1-/2", u"閉じ括弧が足りません\r\n「-/」となっています\r\n"},
    {u"1+*2+*3", u"", u"1+*2+*3", u"「+*」となっています\r\n"},
    {u"1-*2", u"", u"1-*2", u"「-*」となっています\r\n"},
    {u"1+/2", u"", u"1+/2", u"「+/」となっています\r\n"},
    {u"1+^2", u"", u"1+^2", u"「+^」となっています\r\n"},
    {u"1-~2", u"", u"1-^2", u"「-^」となっています\r\n"},
    {u"[1 -^2 -/3 +^4 -*5 +/6 +*7", u"", u"(1-^2-/3+^4-*5+/6+*7",
     u"閉じ括弧が足りません\r\n「+*」となっています\r\n「-*」となっています\r\n「+/」となっています\r\n"
     u"「-/」となっています\r\n「+^」となっています\r\n「-^」となっています\r\n"},
    {u"１＋＊２", u"", u"1+*2", u"「+*」となっています\r\n"},
    // What people write around an expression: a closing equals sign, the division sign.
    {u"1980\u00D73\uFF1D", u"5940", u"1980\u00D73\uFF1D", u""},
    {u"1+2 = ", u"3", u"1+2 = ", u""},
    {u"100\u00F74", u"25", u"100\u00F74", u""},
    {u"6\u00F7-2", u"-3", u"6\u00F7-2", u""},
    {u"(1+2=", u"", u"(1+2", u"閉じ括弧が足りません\r\n"},
    {u"1+\u00F72", u"", u"1+/2", u"「+/」となっています\r\n"},
    {u"=", u"", u"=", u""},
    {u"1+2==", u"", u"1+2==", u"", kTypeMismatch},  // only one closing sign is not part of it
    // Evaluation errors pass through and leave the text alone.
    {u")1+2(", u"", u")1+2(", u"", kInvalidArgument},
    {u")1(", u"", u")1(", u"", kInvalidArgument},
    {u"1+a", u"", u"1+a", u"", kTypeMismatch},
    {u"10^400", u"", u"10^400", u"", kOverflow},
    {u"(-8)^0.5", u"", u"(-8)^0.5", u"", kInvalidArgument},
    {u"1e308*10", u"", u"1e308*10", u"", kOverflow},
};

TEST(Calculate, ResultsMessagesAndTextHandedBack) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(Utf16ToUtf8(c.expr));
    BoxRecorder recorder;
    std::u16string text = c.expr;
    std::u16string result;
    int error = 0;
    try {
      result = Calculate(text);
    } catch (const RuntimeError& e) {
      error = e.Number;
    }
    EXPECT_EQ(Utf16ToUtf8(result), Utf16ToUtf8(c.result));
    EXPECT_EQ(Utf16ToUtf8(text), Utf16ToUtf8(c.textAfter));
    EXPECT_EQ(error, c.error);
    if (c.messages.empty()) {
      EXPECT_TRUE(recorder.Boxes.empty());
    } else {
      ASSERT_EQ(recorder.Boxes.size(), 1u);
      EXPECT_EQ(Utf16ToUtf8(recorder.Boxes[0].Text), Utf16ToUtf8(c.messages));
      EXPECT_EQ(Utf16ToUtf8(recorder.Boxes[0].Caption), "Quorva");
      EXPECT_EQ(recorder.Boxes[0].Style, kMbOk);  // OK only, no icon
      EXPECT_TRUE(recorder.Boxes[0].HelpFile.empty());
    }
  }
}

TEST(Calculate, ErrorsCarryThePlatformsDescription) {
  std::u16string text = u"1+a";
  try {
    Calculate(text);
    FAIL() << "expected a type mismatch";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number, kTypeMismatch);
    EXPECT_EQ(Utf16ToUtf8(e.Description), "型が一致しません。");
    EXPECT_EQ(Utf16ToUtf8(e.Source), "Quorva");
  }
}

TEST(Calculate, UsesTheLocalesSeparators) {
  NumberLocale german{u',', u'.', 2};
  std::u16string text = u"1.000,5+0,25";
  EXPECT_EQ(Utf16ToUtf8(Calculate(text, german)), "1000,75");
}

}  // namespace
}  // namespace quorva
