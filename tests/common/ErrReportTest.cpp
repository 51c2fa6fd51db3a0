// What the report box shows for an error object: the exact text, title, style and help data.
#include <gtest/gtest.h>

#include <vector>

#include "common/subTool.h"
#include "shared/MessageBox.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {

class ErrReportTest : public ::testing::Test {
 protected:
  test::MessageBoxRecorder recorder_;
  std::vector<MessageBoxRequest>& shown_ = recorder_.Boxes;
};

RuntimeError Error(int32_t number, std::u16string source, std::u16string description,
                   std::u16string helpFile = u"", int32_t helpContext = 0) {
  RuntimeError e;
  e.Number = number;
  e.Source = std::move(source);
  e.Description = std::move(description);
  e.HelpFile = std::move(helpFile);
  e.HelpContext = helpContext;
  return e;
}

constexpr char16_t kHead[] = u"<<< このエラーが再現できる場合、開発者に連絡してください。 >>>";

TEST_F(ErrReportTest, ComposesTheReportLayoutForEachKindOfError) {
  struct Case {
    const char* name;
    RuntimeError error;
    std::u16string text;
    uint32_t style;
  };
  const std::u16string head = kHead;
  const Case cases[] = {
      {"plain error, five lines",
       Error(6, u"Quorva", u"オーバーフローしました。"),
       head + u"\r\rError #6    (Source: Quorva)\r\r    オーバーフローしました。", 16},
      {"negative number keeps its sign next to #",
       Error(-2147221504, u"X", u"d"),
       head + u"\r\rError #-2147221504    (Source: X)\r\r    d", 16},
      {"empty source",
       Error(5, u"", u"d"),
       head + u"\r\rError #5    (Source: )\r\r    d", 16},
      {"description with its own line breaks is kept as it is",
       Error(13, u"S", u"one\r\ntwo\rthree"),
       head + u"\r\rError #13    (Source: S)\r\r    one\r\ntwo\rthree", 16},
      {"help file adds three lines and the Help button",
       Error(53, u"S", u"d", u"C:\\help\\quorva.chm", 1234),
       head + u"\r\rError #53    (Source: S)\r\r    d\r\rPress F1 to see topic 1234\r    in the file C:\\help\\quorva.chm",
       16400},
      {"negative help topic",
       Error(7, u"S", u"d", u"a.hlp", -5),
       head + u"\r\rError #7    (Source: S)\r\r    d\r\rPress F1 to see topic -5\r    in the file a.hlp", 16400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    shown_.clear();
    ErrReport(c.error);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].Text, c.text);
    EXPECT_EQ(shown_[0].Caption, u"警告");
    EXPECT_EQ(shown_[0].Style, c.style);
    EXPECT_EQ(shown_[0].HelpFile, c.error.HelpFile);
    EXPECT_EQ(shown_[0].HelpContext, c.error.HelpFile.empty() ? 0 : c.error.HelpContext);
  }
}

TEST_F(ErrReportTest, ErrorNumberZeroShowsNothing) {
  ErrReport(Error(0, u"S", u"d", u"a.chm", 3));
  EXPECT_TRUE(shown_.empty());
}

TEST_F(ErrReportTest, LeavesTheErrorObjectUnchanged) {
  const RuntimeError e = Error(53, u"S", u"d", u"h.chm", 9);
  RuntimeError copy = e;
  ErrReport(copy);
  EXPECT_EQ(copy.Number, e.Number);
  EXPECT_EQ(copy.Source, e.Source);
  EXPECT_EQ(copy.Description, e.Description);
  EXPECT_EQ(copy.HelpFile, e.HelpFile);
  EXPECT_EQ(copy.HelpContext, e.HelpContext);
}

}  // namespace
}  // namespace quorva
