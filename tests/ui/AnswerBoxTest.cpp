// The answer box after Enter, as the user meets it: empty when the expression gives no answer, so
// that nothing of an earlier expression can be handed on; and a long answer showing its right
// end, read from the screen.
#include "CalcFixture.h"
#include "tests/harness/support/Ink.h"

namespace quorva::test {
namespace {

class AnswerBox : public CalcFixture {};

struct NoAnswerCase {
  const wchar_t* Expr;
  bool Reported;  // a message box comes
};

TEST_F(AnswerBox, AnExpressionWithoutAnAnswerLeavesNothingToHandOn) {
  Open(true);
  RealBoxesClosedByEnter real;
  const NoAnswerCase cases[] = {
      {L"1,000*1.1+%5", true},  // type mismatch: a percent sign before its number
      {L"1+a", true},           // type mismatch
      {L"10^400", true},        // overflow
      {L"(-8)^(1/3)", true},    // invalid argument
      {L"[1+2", true},          // rejected
      {L"abc", false},          // not a number
  };
  for (const NoAnswerCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Expr));
    ASSERT_NO_FATAL_FAILURE(TypeAndEnter(L"1,000*1.1"));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == L"1100.00" && Enabled(IDC_CMDTERAPAD); }));
    const size_t before = real.Texts().size();
    ASSERT_NO_FATAL_FAILURE(TypeAndEnter(c.Expr));
    const size_t after = before + (c.Reported ? 1 : 0);
    ASSERT_TRUE(WaitFor([&] {
      return real.Texts().size() == after && GetForegroundWindow() == form->hWnd() && Text(IDC_TXTANS) != L"1100.00";
    })) << "boxes: " << real.Texts().size() - before << ", answer: " << testing::PrintToString(Text(IDC_TXTANS));
    EXPECT_EQ(Text(IDC_TXTANS), L"");
    EXPECT_FALSE(Enabled(IDC_CMDCOPY));
    EXPECT_FALSE(Enabled(IDC_CMDTERAPAD));
    EXPECT_FALSE(unloaded);
  }
}

TEST_F(AnswerBox, ALongAnswerShowsItsDecimalsAndLastDigits) {
  Open();
  SetValue(Item(IDC_CHKGROUP), BST_CHECKED);
  SetValue(Item(IDC_CHKWIDE), BST_CHECKED);
  SetText(Item(IDC_TXTAFTER), L"9");
  const std::wstring answer = L"３，３００，０００，０００，０００，０００．０００００００００";
  for (UINT dpi : {96u, 144u}) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    if (dpi != form->Dpi()) {
      RECT suggested{100, 80, 600, 500};
      SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    SetText(Item(IDC_TXTANS), L"");
    ASSERT_NO_FATAL_FAILURE(TypeAndEnter(L"10^15*3.3"));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == answer; })) << testing::PrintToString(Text(IDC_TXTANS));
    EXPECT_FALSE(ShowsText(Item(IDC_TXTANS), answer)) << "the answer fits: nothing to check";
    EXPECT_TRUE(WaitFor([&] { return ShowsText(Item(IDC_TXTANS), L"０．０００００００００"); }, 2000)) << "the right end does not show";
    EXPECT_TRUE(HasFocus(IDC_TXTCALC));
  }
}

}  // namespace
}  // namespace quorva::test
