// Ctrl+Z after Quorva has rewritten the expression (line breaks of a paste made blanks, a
// rejected expression shown in its display form) gives back what was there before, as it does
// after a plain paste. Real keys, the window in front.
#include "CalcFixture.h"

namespace quorva::test {
namespace {

class Undo : public CalcFixture {
 protected:
  void CtrlKey(WORD key) {
    SendKeys({{VK_CONTROL, true}, {key, true}, {key, false}, {VK_CONTROL, false}});
  }
  bool CtrlUp() { return GetKeyState(VK_CONTROL) >= 0; }
};

struct PasteCase {
  const wchar_t* Before;
  int SelStart, SelEnd;
  const char* Pasted;
  const wchar_t* Shown;
};

TEST_F(Undo, CtrlZTakesBackAPasteWhoseLineBreaksBecameBlanks) {
  Open();
  HWND calc = Item(IDC_TXTCALC);
  const PasteCase cases[] = {
      {L"5*5", 3, 3, "+1\r\n+2", L"5*5+1  +2"},
      {L"1+2", 0, 3, "3*4\r\n", L"3*4  "},       // over a selection
      {L"2*", 2, 2, "\r\n3\r\n", L"2*  3  "},
      {L"10*9", 3, 3, "\t5\n", L"10* 5 9"},      // in the middle
      {L"5*5", 3, 3, "+7", L"5*5+7"},            // a plain paste, as the others should be
  };
  for (const PasteCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Pasted));
    SetText(calc, c.Before);
    SetSel(calc, c.SelStart, c.SelEnd);
    SetClipboardBytes(c.Pasted);
    CtrlKey('V');
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == c.Shown && CtrlUp(); }))
        << testing::PrintToString(Text(IDC_TXTCALC));
    const int growth = static_cast<int>(std::wstring(c.Shown).size()) - static_cast<int>(std::wstring(c.Before).size());
    EXPECT_EQ(SelStart(calc), c.SelEnd + growth) << "the caret after the pasted text";
    CtrlKey('Z');
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == c.Before && CtrlUp(); }))
        << "after Ctrl+Z: " << testing::PrintToString(Text(IDC_TXTCALC));
  }
}

TEST_F(Undo, CtrlZGivesBackARejectedExpressionAsTyped) {
  Open();
  RealBoxesClosedByEnter real;
  const struct {
    const wchar_t* Typed;
    const wchar_t* Shown;  // the display form
  } cases[] = {{L"[1 + 2", L"(1+2"}, {L"1 + * 2", L"1+*2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Typed));
    ASSERT_NO_FATAL_FAILURE(TypeAndEnterToBox(real, c.Typed));
    ASSERT_EQ(Text(IDC_TXTCALC), c.Shown);
    CtrlKey('Z');
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == c.Typed && CtrlUp(); }))
        << "after Ctrl+Z: " << testing::PrintToString(Text(IDC_TXTCALC));
  }
}

}  // namespace
}  // namespace quorva::test
