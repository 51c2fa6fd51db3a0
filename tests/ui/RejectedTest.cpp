// A rejected expression as the user meets it: the real modal message box, closed with the
// keyboard, and then typing goes on at the end of the expression.
#include "CalcFixture.h"

namespace quorva::test {
namespace {

class Rejected : public CalcFixture {
 protected:
  std::pair<int, int> Selection() {
    DWORD start = 0, end = 0;
    SendMessageW(Item(IDC_TXTCALC), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
};

struct RejectedCase {
  const wchar_t* Typed;
  const wchar_t* Message;  // a part of the box's text
  const wchar_t* Shown;    // the display form, in the box after the message
  const wchar_t* TypedOn;
  const wchar_t* Answer;
};

TEST_F(Rejected, AfterTheMessageTypingGoesOnAtTheEndOfTheExpression) {
  const RejectedCase cases[] = {
      {L"(1+2", L"閉じ括弧が足りません", L"(1+2", L")*3", L"9.00"},
      {L"((1 + 3", L"閉じ括弧が足りません", L"((1+3", L"))/2", L"2.00"},  // shown without the blanks
  };
  Open();
  RealBoxesClosedByEnter boxes;
  for (const RejectedCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Typed));
    ASSERT_NO_FATAL_FAILURE(TypeAndEnterToBox(boxes, c.Typed));
    EXPECT_NE(boxes.Texts().back().find(c.Message), std::wstring::npos) << testing::PrintToString(boxes.Texts().back());
    EXPECT_EQ(Text(IDC_TXTCALC), c.Shown);
    const int end = static_cast<int>(std::wstring(c.Shown).size());
    EXPECT_EQ(Selection(), std::make_pair(end, end)) << "the caret at the end, nothing selected";
    TypeText(c.TypedOn);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == c.Answer; }))
        << testing::PrintToString(Text(IDC_TXTCALC)) << " gave " << testing::PrintToString(Text(IDC_TXTANS));
  }
  EXPECT_EQ(boxes.Texts().size(), 2u) << "one message per rejected expression";
}

}  // namespace
}  // namespace quorva::test
