// The calculate, clear, copy and editor-exchange commands on the real window.
#include "CalcFixture.h"
#include "common/text/Ansi.h"

namespace quorva::test {
namespace {

class Commands : public CalcFixture {};

struct FormatCase {
  const wchar_t* Expr;
  const wchar_t* After;
  bool Group, Wide;
  const wchar_t* Answer;
};

TEST_F(Commands, CalculateFormatsTheAnswerWithTheWindowsOptions) {
  Open();
  const FormatCase cases[] = {
      {L"1234.5", L"2", true, false, L"1,234.50"},
      {L"1234.5", L"2", false, false, L"1234.50"},
      {L"1234.5", L"2", true, true, L"１，２３４．５０"},
      {L"1/2", L"3", false, false, L"0.500"},
      {L"1/2", L"0", false, false, L"1"},
      {L"1/3*3", L"2", false, false, L"1.00"},
      {L"2.5", L"0", false, false, L"3"},
      {L"-2.5", L"0", false, false, L"-3"},
      {L"1-3", L"2", false, false, L"-2.00"},
      {L"1e3", L"0", true, false, L"1,000"},
      {L"(1+2)*3", L"", false, false, L"9.00"},  // empty box: the regional default, 2 places
      {L"(1+2)*3", L"0", false, false, L"9"},
      {L"（１＋２）＊３", L"", false, true, L"９．００"},
      {L"1/3", L"9", false, false, L"0.333333333"},
      {L"  (1+2)*3  ", L"1", false, false, L"9.0"},
      {L"1980×3＝", L"", false, false, L"5940.00"},  // a closing equals sign, as people write a sum
      {L"1+2 = ", L"0", false, false, L"3"},
      {L"100÷4", L"", false, false, L"25.00"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Calculate(c.Expr, c.After, c.Group, c.Wide), c.Answer)
        << c.Expr << " after=" << c.After << " group=" << c.Group << " wide=" << c.Wide;
  }
  EXPECT_EQ(GetText(Item(IDC_TXTCALC)), L"100÷4") << "the expression stays as typed";
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(Commands, DecimalPlacesOtherThanOneDigitMeanTheRegionalDefault) {
  Open();
  // The box itself takes one digit only; the command must still cope with any text in it.
  for (const wchar_t* after : {L"10", L"", L"a", L"５", L" 2"}) {
    EXPECT_EQ(Calculate(L"1/4", after), L"0.25") << after;
  }
}

TEST_F(Commands, ALongPastedExpressionIsCalculatedWhole) {
  Open();
  // Longer than an edit control takes by default (32767 characters): cutting it would silently
  // give the answer of another expression.
  std::wstring expr = L"1";
  for (int i = 0; i < 16500; ++i) expr += L"+1";
  SetClipboardBytes(std::string(expr.begin(), expr.end()));
  SetFocus(Item(IDC_TXTCALC));
  SendMessageW(Item(IDC_TXTCALC), WM_PASTE, 0, 0);
  ASSERT_EQ(Text(IDC_TXTCALC).size(), expr.size());
  Click(IDC_CMDSUM);
  EXPECT_EQ(Text(IDC_TXTANS), L"16501.00");
}

TEST_F(Commands, NonNumericResultEmptiesTheAnswerSilently) {
  Open();
  Calculate(L"1+1");
  EXPECT_EQ(Calculate(L"abc"), L"");
  EXPECT_EQ(Text(IDC_TXTCALC), L"abc");
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_FALSE(Enabled(IDC_CMDCOPY));
}

TEST_F(Commands, RejectedExpressionShowsItsMessageAndItsDisplayForm) {
  Open();
  Calculate(L"1+1");
  EXPECT_EQ(Calculate(L"1 + * 2"), L"");
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"「+*」となっています"), std::wstring::npos);
  EXPECT_EQ(Text(IDC_TXTCALC), L"1+*2");
  EXPECT_FALSE(Enabled(IDC_CMDCOPY));
}

TEST_F(Commands, EvaluationErrorIsReportedAndTheWindowStaysOpenWithoutAnAnswer) {
  Open();
  struct Case {
    const wchar_t* Expr;
    int Number;
  };
  const Case cases[] = {{L"10^400", 6}, {L"1+a", 13}, {L")1(", 0}};
  for (const Case& c : cases) {
    boxes.Boxes.clear();
    ASSERT_EQ(Calculate(L"2*3"), L"6.00");
    std::wstring answer = Calculate(c.Expr);
    SCOPED_TRACE(c.Expr);
    EXPECT_EQ(answer, L"") << "the previous answer belongs to another expression";
    EXPECT_TRUE(IsWindow(form->hWnd()));
    EXPECT_FALSE(unloaded);
    EXPECT_FALSE(Enabled(IDC_CMDCOPY));
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    if (c.Number != 0) {
      EXPECT_EQ(ToWide(boxes.Boxes[0].Caption), L"警告");
      EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"Error #" + std::to_wstring(c.Number)), std::wstring::npos);
    }
  }
}

TEST_F(Commands, ClearEmptiesTheWindowAndReturnsToTheExpression) {
  Open();
  Calculate(L"1234.5", L"3", true, true);
  SetFocus(Item(IDC_CHKWIDE));
  Click(IDC_CMDCLR);
  for (int id : {IDC_TXTCALC, IDC_TXTANS, IDC_TXTAFTER}) EXPECT_EQ(Text(id), L"") << id;
  EXPECT_EQ(GetValue(Item(IDC_CHKGROUP)), BST_UNCHECKED);
  EXPECT_EQ(GetValue(Item(IDC_CHKWIDE)), BST_UNCHECKED);
  EXPECT_FALSE(Enabled(IDC_CMDCOPY));
  EXPECT_FALSE(Enabled(IDC_CMDTERAPAD));
  EXPECT_TRUE(HasFocus(IDC_TXTCALC));
}

struct AnswerCase {
  const wchar_t* Answer;
  bool Enabled;
};

TEST_F(Commands, ExchangeButtonsFollowTheTrimmedAnswerWhenNoEditorWasFound) {
  Open(false);
  ASSERT_EQ(bridge->hEdit(), nullptr);
  const AnswerCase cases[] = {{L"12", true}, {L"   ", false}, {L"　", false}, {L" 1 ", true}, {L"", false}};
  for (const AnswerCase& c : cases) {
    SetText(Item(IDC_TXTANS), c.Answer);
    Pump();
    EXPECT_EQ(Enabled(IDC_CMDCOPY), c.Enabled) << "'" << c.Answer << "'";
    EXPECT_FALSE(Enabled(IDC_CMDTERAPAD)) << "no editor: never enabled";
  }
}

TEST_F(Commands, ExchangeButtonsFollowTheTrimmedAnswerWithAnEditor) {
  Open(true);
  ASSERT_NE(bridge->hEdit(), nullptr);
  const AnswerCase cases[] = {{L"12", true}, {L"   ", false}, {L" 1 ", true}, {L"", false}};
  for (const AnswerCase& c : cases) {
    SetText(Item(IDC_TXTANS), c.Answer);
    Pump();
    EXPECT_EQ(Enabled(IDC_CMDCOPY), c.Enabled) << "'" << c.Answer << "'";
    EXPECT_EQ(Enabled(IDC_CMDTERAPAD), c.Enabled) << "'" << c.Answer << "'";
  }
  // The user typing into the answer box counts as a change too.
  SetText(Item(IDC_TXTANS), L"");
  PostChars(Item(IDC_TXTANS), L"7");
  EXPECT_TRUE(Enabled(IDC_CMDTERAPAD));
}

TEST_F(Commands, CopyPutsOnlyTheTrimmedAnswerOnTheClipboardAndEnds) {
  Open();
  SetClipboardBytes("old contents");
  SetText(Item(IDC_TXTANS), L"  １，２３４．５０ ");
  Click(IDC_CMDCOPY);
  EXPECT_EQ(ClipboardBytes(), ToAnsi(u"１，２３４．５０"));
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(IsWindow(form->hWnd()));
}

TEST_F(Commands, ClipboardHeldByAnotherProgramIsReportedAndNothingIsLost) {
  Open();
  SetText(Item(IDC_TXTANS), L"9.00");
  Pump();
  {
    const ClipboardHold held;  // another program has the clipboard open
    Click(IDC_CMDCOPY);
  }

  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(ToWide(boxes.Boxes[0].Caption), L"警告");
  EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"Error #521"), std::wstring::npos);
  EXPECT_FALSE(unloaded);
  EXPECT_EQ(Text(IDC_TXTANS), L"9.00");
  EXPECT_TRUE(Enabled(IDC_CMDCOPY));

  // Once the other program lets go, the same click succeeds.
  Click(IDC_CMDCOPY);
  EXPECT_EQ(ClipboardBytes(), "9.00");
  EXPECT_TRUE(unloaded);
}

TEST_F(Commands, ExchangeWritesTheTrimmedAnswerOverTheEditorsSelectionAndEnds) {
  Open(true);
  SetText(Item(IDC_TXTANS), L" 9.00  ");
  Pump();
  Click(IDC_CMDTERAPAD);
  EXPECT_EQ(TextOf(editor->Edit()), L"abc 9.00 def");
  EXPECT_TRUE(unloaded);
}

TEST_F(Commands, EditorClosedMeanwhileIsReportedAndTheAnswerStaysToBeCopied) {
  Open(true);
  SetText(Item(IDC_TXTANS), L"9.00");
  Pump();
  DestroyWindow(editor->Main());
  Click(IDC_CMDTERAPAD);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"エディタが閉じられた"), std::wstring::npos);
  EXPECT_FALSE(unloaded);
  EXPECT_EQ(Text(IDC_TXTANS), L"9.00");
  Click(IDC_CMDCOPY);
  EXPECT_EQ(ClipboardBytes(), "9.00");
  EXPECT_TRUE(unloaded);
}

}  // namespace
}  // namespace quorva::test
