// The calculator's keys and focus: Enter in each control, focus selection, the mouse rule.
#include "CalcFixture.h"

namespace quorva::test {
namespace {

class Keyboard : public CalcFixture {
 protected:
  std::pair<int, int> Selection(int id) {
    DWORD start = 0, end = 0;
    SendMessageW(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
};

TEST_F(Keyboard, EnterInTheExpressionCalculatesAndLeavesNoLineBreak) {
  Open();
  PostChars(Item(IDC_TXTCALC), L"  (1+2)*3  ");
  PostKey(Item(IDC_TXTCALC), VK_RETURN);
  EXPECT_EQ(Text(IDC_TXTANS), L"9.00");
  EXPECT_EQ(Text(IDC_TXTCALC), L"(1+2)*3") << "trimmed, no line break";
  EXPECT_TRUE(HasFocus(IDC_TXTCALC));
  // The caret stays at the end, so the user goes on typing after the expression.
  EXPECT_EQ(Selection(IDC_TXTCALC), std::make_pair(7, 7));
  PostChars(Item(IDC_TXTCALC), L"+1");
  EXPECT_EQ(Text(IDC_TXTCALC), L"(1+2)*3+1");
}

TEST_F(Keyboard, EnterWithShiftCtrlOrAltCalculatesLikeEnter) {
  Open();
  for (WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    SetText(Item(IDC_TXTANS), L"");
    SetText(Item(IDC_TXTCALC), L"2*4");
    SetFocus(Item(IDC_TXTCALC));
    SendKeys({{modifier, true}, {VK_RETURN, true}, {VK_RETURN, false}, {modifier, false}});
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == L"8.00" && GetKeyState(modifier) >= 0; }))
        << "modifier " << modifier << ": answer '" << Text(IDC_TXTANS) << "'";
    EXPECT_EQ(Text(IDC_TXTCALC), L"2*4") << "modifier " << modifier;
  }
}

TEST_F(Keyboard, EnterInTheDecimalPlacesReturnsToTheExpressionSelected) {
  Open();
  SetText(Item(IDC_TXTCALC), L"1/8");
  SetFocus(Item(IDC_TXTAFTER));
  PostChars(Item(IDC_TXTAFTER), L"3");
  PostKey(Item(IDC_TXTAFTER), VK_RETURN);
  EXPECT_TRUE(HasFocus(IDC_TXTCALC));
  EXPECT_EQ(Selection(IDC_TXTCALC), std::make_pair(0, 3));
  EXPECT_EQ(Text(IDC_TXTAFTER), L"3");
  PostKey(Item(IDC_TXTCALC), VK_RETURN);
  EXPECT_EQ(Text(IDC_TXTANS), L"0.125");
}

struct ReturnCase {
  const wchar_t* Expression;
  const wchar_t* Places;
};

TEST_F(Keyboard, EnterInTheDecimalPlacesLeavesTheExpressionAsTypedAndSelected) {
  Open();
  // Blanks around the expression are the expression box's own business: trimming it here would
  // move its caret and undo the selection.
  const ReturnCase cases[] = {{L" 1+2 ", L"3"}, {L"  12*3", L""}, {L"1+2", L"0"}};
  for (const ReturnCase& c : cases) {
    SetText(Item(IDC_TXTCALC), c.Expression);
    SetText(Item(IDC_TXTAFTER), c.Places);
    SetFocus(Item(IDC_TXTAFTER));
    PostKey(Item(IDC_TXTAFTER), VK_RETURN);
    ASSERT_TRUE(HasFocus(IDC_TXTCALC)) << testing::PrintToString(c.Expression);
    EXPECT_EQ(Text(IDC_TXTCALC), c.Expression);
    const int length = static_cast<int>(std::wstring(c.Expression).size());
    EXPECT_EQ(Selection(IDC_TXTCALC), std::make_pair(0, length)) << testing::PrintToString(c.Expression);
    EXPECT_EQ(Text(IDC_TXTAFTER), c.Places);
  }
}

TEST_F(Keyboard, DecimalPlacesTakeOneDigitAndNothingElse) {
  Open();
  SetFocus(Item(IDC_TXTAFTER));
  PostChars(Item(IDC_TXTAFTER), L"a4x5");
  EXPECT_EQ(Text(IDC_TXTAFTER), L"4");
}

TEST_F(Keyboard, EnterOnACheckBoxSwitchesItExactlyOnce) {
  Open();
  for (int id : {IDC_CHKGROUP, IDC_CHKWIDE}) {
    SetFocus(Item(id));
    PostKey(Item(id), VK_RETURN);
    EXPECT_EQ(GetValue(Item(id)), BST_CHECKED) << id;
    PostKey(Item(id), VK_RETURN);
    EXPECT_EQ(GetValue(Item(id)), BST_UNCHECKED) << id;
  }
}

TEST_F(Keyboard, EnterElsewhereGetsNoActionFromTheWindow) {
  Open(true);
  SetText(Item(IDC_TXTCALC), L"1+1");
  SetText(Item(IDC_TXTANS), L" 5 ");
  Pump();
  SetFocus(Item(IDC_TXTANS));
  PostKey(Item(IDC_TXTANS), VK_RETURN);
  EXPECT_EQ(Text(IDC_TXTANS), L"5") << "the helper trims";
  EXPECT_TRUE(HasFocus(IDC_TXTANS));
  EXPECT_FALSE(unloaded);
  // Keys other than Enter pass through: an arrow moves the caret, nothing else happens.
  SetFocus(Item(IDC_TXTCALC));
  PostKey(Item(IDC_TXTCALC), VK_LEFT);
  EXPECT_EQ(Text(IDC_TXTANS), L"5");
}

TEST_F(Keyboard, EnterOnAFocusedButtonPressesIt) {
  Open();
  SetText(Item(IDC_TXTCALC), L"6/2");
  SetFocus(Item(IDC_CMDSUM));
  PostKey(Item(IDC_CMDSUM), VK_RETURN);
  EXPECT_EQ(Text(IDC_TXTANS), L"3.00");
  SetFocus(Item(IDC_CMDCLR));
  PostKey(Item(IDC_CMDCLR), VK_RETURN);
  EXPECT_EQ(Text(IDC_TXTANS), L"");
  EXPECT_TRUE(HasFocus(IDC_TXTCALC));
}

TEST_F(Keyboard, TabbingIntoTheExpressionSelectsAllOfIt) {
  Open();
  SetText(Item(IDC_TXTCALC), L"12+34");
  SetFocus(Item(IDC_CMDCLR));
  PostKey(Item(IDC_CMDCLR), VK_TAB);
  ASSERT_TRUE(HasFocus(IDC_TXTCALC));
  EXPECT_EQ(Selection(IDC_TXTCALC), std::make_pair(0, 5));
}

TEST_F(Keyboard, ClickIntoTheExpressionKeepsTheCaretWhereTheClickPutIt) {
  Open();
  SetText(Item(IDC_TXTCALC), L"1111111111+2222222222");
  SetFocus(Item(IDC_CMDCLR));
  HWND calc = Item(IDC_TXTCALC);
  // The middle of the text, found from the control itself.
  LRESULT pos = SendMessageW(calc, EM_POSFROMCHAR, 10, 0);
  POINT p{static_cast<short>(LOWORD(pos)) + 1, static_cast<short>(HIWORD(pos)) + 4};
  SendMouseDown(calc, p);
  ASSERT_TRUE(WaitFor([&] { return HasFocus(IDC_TXTCALC); }));
  SendMouseUp();
  ASSERT_TRUE(WaitFor([&] { return GetAsyncKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_LBUTTON) >= 0; }));
  auto [start, end] = Selection(IDC_TXTCALC);
  EXPECT_EQ(start, end) << "no selection after a click";
  EXPECT_GE(start, 9);
  EXPECT_LE(start, 11);
}

TEST_F(Keyboard, ClickIntoTheDecimalPlacesSelectsItsDigit) {
  Open();
  RECT client;
  GetClientRect(Item(IDC_TXTAFTER), &client);
  // Left of the digit, on it, right of it: the click would put the caret before or after it.
  for (int x : {2, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 2}) {
    SetFocus(Item(IDC_TXTCALC));
    SetText(Item(IDC_TXTAFTER), L"4");
    SendMouseDown(Item(IDC_TXTAFTER), POINT{x, 4});
    ASSERT_TRUE(WaitFor([&] { return HasFocus(IDC_TXTAFTER); })) << "x " << x;
    SendMouseUp();
    ASSERT_TRUE(WaitFor([&] { return GetAsyncKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_LBUTTON) >= 0; }));
    EXPECT_TRUE(WaitFor([&] { return Selection(IDC_TXTAFTER) == std::make_pair(0, 1); })) << "x " << x;
    PostChars(Item(IDC_TXTAFTER), L"7");
    EXPECT_EQ(Text(IDC_TXTAFTER), L"7") << "a typed digit replaces the one there; x " << x;
  }
}

}  // namespace
}  // namespace quorva::test
