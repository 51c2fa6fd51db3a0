// What the window shows on the screen while the user types, pastes and calculates: read back
// from the screen, since a box can hold its text and still show nothing.
#include "CalcFixture.h"
#include "common/text/Ansi.h"
#include "tests/harness/support/Ink.h"

#include <utility>
#include <vector>

namespace quorva::test {
namespace {

class Drawing : public CalcFixture {
 protected:
  // Waits until the control shows at least that many columns of text.
  bool Shows(int id, int columns) {
    return WaitFor([&] { return InkOf(Item(id)).Columns >= columns; }, 2000);
  }
  int FirstVisibleLine(int id) { return static_cast<int>(SendMessageW(Item(id), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  // Whether the screen shows all that the control paints (its caret left aside).
  bool ShowsAll(int id) {
    HWND control = Item(id);
    HideCaret(control);
    const bool shown = WaitFor([&] { return ShowsWhatItPaints(control); }, 2000);
    ShowCaret(control);
    return shown;
  }
  // The one character of the decimal-places box shows on one line, its middle at the box's middle.
  void ExpectShownCentred(HWND after, const std::wstring& digit) {
    ASSERT_TRUE(WaitFor([&] { return GetText(after) == digit; })) << testing::PrintToString(GetText(after));
    EXPECT_EQ(SendMessageW(after, EM_GETLINECOUNT, 0, 0), 1) << "wrapped";
    EXPECT_EQ(SendMessageW(after, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SetFocus(Item(IDC_CHKGROUP));  // no caret beside the digit
    ASSERT_TRUE(WaitFor([&] { return InkOf(after).Columns >= 2; }, 2000)) << "the digit does not show";
    Ink ink = InkOf(after);
    EXPECT_LE(std::abs((ink.Left + ink.Right + 1) - ink.Width), 4)
        << "digit from " << ink.Left << " to " << ink.Right << " in a box " << ink.Width << " wide";
    // Not cut by the box's edges.
    EXPECT_GT(ink.Left, 0);
    EXPECT_LT(ink.Right, ink.Width - 1);
    EXPECT_GT(ink.Top, 0);
    EXPECT_LT(ink.Bottom, ink.Height - 1);
  }
};

struct LabelCase {
  int Id;
  int Columns;  // at least this many columns of text
};

TEST_F(Drawing, LabelsAndCaptionsShow) {
  Open();
  // Text in 9 pt is about 6 pixels a character: these are well below what each caption needs.
  const LabelCase cases[] = {
      {IDC_LBLLABEL0, 40}, {IDC_LBLLABEL1, 60}, {IDC_CHKGROUP, 20},
      {IDC_CHKWIDE, 40},   {IDC_FRATIPS, 20},   {IDC_FRAPARAMETER, 15},
  };
  for (const LabelCase& c : cases) {
    EXPECT_TRUE(Shows(c.Id, c.Columns)) << "control " << c.Id << " shows " << InkOf(Item(c.Id)).Columns << " columns";
  }
}

std::wstring SumUpTo(int n) {
  std::wstring s = L"1";
  for (int i = 2; i <= n; ++i) s += L"+" + std::to_wstring(i);
  return s;
}

TEST_F(Drawing, ALongExpressionTypedKeyByKeyStaysInView) {
  Open();
  const std::wstring expr = SumUpTo(120);  // 371 characters, many times the box's width
  // The box holds about 45 characters; a third of that is text, not just a caret.
  const int enough = 40;
  for (size_t i = 0; i < expr.size(); ++i) {
    TypeText(expr.substr(i, 1));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC).size() == i + 1; })) << "after " << i << " characters";
    if ((i + 1) % 50 == 0) {
      EXPECT_TRUE(Shows(IDC_TXTCALC, enough)) << "blank after " << i + 1 << " characters";
      EXPECT_TRUE(ShowsAll(IDC_TXTCALC)) << "partly drawn after " << i + 1 << " characters";
      EXPECT_EQ(FirstVisibleLine(IDC_TXTCALC), 0);
    }
  }
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == L"7260.00"; }));
  EXPECT_TRUE(Shows(IDC_TXTCALC, enough)) << "blank after Enter";
  EXPECT_TRUE(ShowsAll(IDC_TXTCALC)) << "partly drawn after Enter";
  EXPECT_TRUE(Shows(IDC_TXTANS, 20)) << "the answer does not show";
  // A shorter expression after the long one shows too.
  Click(IDC_CMDCLR);
  TypeText(L"2*3");
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"2*3"; }));
  EXPECT_TRUE(Shows(IDC_TXTCALC, 12)) << "a short expression after a long one is blank";
  EXPECT_TRUE(ShowsAll(IDC_TXTCALC)) << "a short expression after a long one is partly drawn";
  EXPECT_EQ(FirstVisibleLine(IDC_TXTCALC), 0);
}

// What the user does in a long expression that has scrolled the box sideways, with real keys.
struct ScrolledEditCase {
  const char* What;
  std::vector<std::pair<WORD, bool>> Keys;  // before the typed text
  int SelEnd;       // where the selection ends after those keys, counted from the text's end
  bool Calculates;  // the keys end with Enter
  std::vector<std::pair<WORD, bool>> Then;  // keys that change the text
  const wchar_t* Typed;                     // and text typed after them
  int Growth;  // of the text's length
};

std::vector<std::pair<WORD, bool>> Strokes(std::initializer_list<std::pair<WORD, int>> keys) {
  std::vector<std::pair<WORD, bool>> strokes;
  for (auto [vk, times] : keys) {
    for (int i = 0; i < times; ++i) strokes.insert(strokes.end(), {{vk, true}, {vk, false}});
  }
  return strokes;
}

TEST_F(Drawing, WhatIsTypedIntoAScrolledExpressionShows) {
  Open();
  const std::wstring expr = SumUpTo(40);  // 111 characters, over twice the box's width
  HWND box = Item(IDC_TXTCALC);
  // Each change leaves the caret inside the view, so nothing scrolls to bring it into sight.
  const ScrolledEditCase cases[] = {
      {"after Backspace", Strokes({{VK_BACK, 5}}), -5, false, {}, L"2*3", -5 + 3},
      {"after Backspace and Enter", Strokes({{VK_BACK, 5}, {VK_RETURN, 1}}), -5, true, {}, L"2*3", -5 + 3},
      {"in the middle", Strokes({{VK_LEFT, 12}}), -12, false, {}, L"9", 1},
      {"in the middle, Delete", Strokes({{VK_LEFT, 12}}), -12, false, Strokes({{VK_DELETE, 2}}), L"", -2},
      {"in the middle, Backspace", Strokes({{VK_LEFT, 12}}), -12, false, Strokes({{VK_BACK, 2}}), L"", -2},
      {"at the end", {}, 0, false, {}, L"+1", 2},
      {"over the whole expression", {{VK_SHIFT, true}, {VK_HOME, true}, {VK_HOME, false}, {VK_SHIFT, false}}, 0,
       false, {}, L"2*3", 3 - static_cast<int>(expr.size())},
  };
  for (UINT dpi : {96u, 144u}) {
    if (dpi != form->Dpi()) {
      RECT suggested{100, 80, 600, 500};
      SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    for (const ScrolledEditCase& c : cases) {
      SCOPED_TRACE(testing::Message() << c.What << " at " << dpi << " dpi");
      SetText(box, L"");
      SetText(Item(IDC_TXTANS), L"");
      TypeText(expr);  // as fast as the keys come
      ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == expr; }, 20000));
      ASSERT_GT(GetScrollPos(box, SB_HORZ), 0) << "the box has not scrolled";
      // The keys take effect and are drawn before the typing: what they redraw anyway would
      // hide what the typing leaves undrawn.
      if (!c.Keys.empty()) SendKeys(c.Keys);
      const int selEnd = static_cast<int>(expr.size()) + c.SelEnd;
      ASSERT_TRUE(WaitFor([&] { return SelStart(box) + SelLength(box) == selEnd && GetKeyState(VK_SHIFT) >= 0; }));
      if (c.Calculates) {
        ASSERT_TRUE(WaitFor([&] { return !Text(IDC_TXTANS).empty(); }));
      }
      ASSERT_TRUE(ShowsAll(IDC_TXTCALC)) << "not drawn before typing";
      if (!c.Then.empty()) SendKeys(c.Then);
      TypeText(c.Typed);
      const size_t length = expr.size() + c.Growth;
      ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC).size() == length; }))
          << testing::PrintToString(Text(IDC_TXTCALC));
      EXPECT_TRUE(ShowsAll(IDC_TXTCALC)) << "part of the change is not drawn";
    }
  }
}

struct PasteCase {
  const char* Pasted;
  const wchar_t* Answer;
};

TEST_F(Drawing, APastedLineShowsAndCalculatesWithItsLineBreakAsABlank) {
  Open();
  const PasteCase cases[] = {
      {"1+2\r\n", L"3.00"},     // a whole line copied from the editor
      {"\r\n4*5\r\n", L"20.00"},
      {"1+\r\n2", L"3.00"},
      {"1\t+\t2", L"3.00"},     // tabs
      {"6/2\n", L"3.00"},       // a bare line feed
  };
  for (const PasteCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Pasted));
    SetText(Item(IDC_TXTCALC), L"");
    SetText(Item(IDC_TXTANS), L"");
    SetClipboardBytes(c.Pasted);
    SendKeys({{VK_CONTROL, true}, {'V', true}, {'V', false}, {VK_CONTROL, false}});
    ASSERT_TRUE(WaitFor([&] { return !Text(IDC_TXTCALC).empty() && GetKeyState(VK_CONTROL) >= 0; }));
    EXPECT_EQ(Text(IDC_TXTCALC).find_first_of(L"\r\n\t"), std::wstring::npos)
        << testing::PrintToString(Text(IDC_TXTCALC));
    EXPECT_EQ(SendMessageW(Item(IDC_TXTCALC), EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_EQ(FirstVisibleLine(IDC_TXTCALC), 0);
    EXPECT_TRUE(Shows(IDC_TXTCALC, 10)) << "the pasted expression does not show";
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == c.Answer; })) << testing::PrintToString(Text(IDC_TXTANS));
  }
  EXPECT_EQ(boxes.Texts(), u"");
}

TEST_F(Drawing, TheDecimalPlacesDigitShowsCentred) {
  Open();
  HWND after = Item(IDC_TXTAFTER);
  for (wchar_t digit : std::wstring(L"0123456789")) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(1, digit)));
    SetFocus(after);
    TypeText(std::wstring(1, digit));
    ExpectShownCentred(after, std::wstring(1, digit));
  }
}

TEST_F(Drawing, APastedFullWidthDigitShowsCentredLikeAHalfWidthOne) {
  Open();
  HWND after = Item(IDC_TXTAFTER);
  for (UINT dpi : {96u, 120u, 144u, 192u}) {
    if (dpi != form->Dpi()) {
      RECT suggested{100, 80, 600, 500};
      SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    for (const char* digit : {"\x82\x52", "\x82\x58", "3"}) {  // "３", "９" in code page 932, and "3"
      SCOPED_TRACE(testing::Message() << testing::PrintToString(digit) << " at " << dpi << " dpi");
      SetText(after, L"");
      SetFocus(after);
      SetClipboardBytes(digit);
      SendKeys({{VK_CONTROL, true}, {'V', true}, {'V', false}, {VK_CONTROL, false}});
      ASSERT_TRUE(WaitFor([&] { return !Text(IDC_TXTAFTER).empty() && GetKeyState(VK_CONTROL) >= 0; }));
      ExpectShownCentred(after, ToWide(FromAnsi(digit)));
    }
  }
}

}  // namespace
}  // namespace quorva::test
