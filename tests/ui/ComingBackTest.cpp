// Going to another window and coming back, with real mouse and keyboard input: the control that
// had the focus gets it back with its text, caret and selection as the user left them.
#include "CalcFixture.h"

namespace quorva::test {
namespace {

class ComingBack : public CalcFixture {
 protected:
  std::pair<int, int> Selection(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }

  // A press and release of the left button over a point of a window, as a hand clicks.
  void ClickAt(HWND window, POINT clientPoint) {
    SendMouseDown(window, clientPoint);
    SendMouseUp();
    ASSERT_TRUE(WaitFor([] { return GetAsyncKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_LBUTTON) >= 0; }));
  }

  void GoToTheEditor(bool byClick) {
    if (byClick) {
      ClickAt(editor->Edit(), POINT{20, 20});
    } else {
      SetForegroundWindow(editor->Main());
    }
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == editor->Main(); })) << "the editor did not come to the front";
  }

  void ComeBack(bool byClick, HWND focused) {
    if (byClick) {
      // The strip above the expression box belongs to no control.
      ClickAt(form->hWnd(), POINT{form->Pixels(2400), form->Pixels(30)});
    } else {
      SetForegroundWindow(form->hWnd());  // as a task switcher does
    }
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == form->hWnd() && GetFocus() == focused; }))
        << "focus on " << GetDlgCtrlID(GetFocus());
  }
};

struct Way {
  const char* Name;
  bool AwayByClick, BackByClick;
};
constexpr Way kWays[] = {
    {"clicks both ways", true, true},
    {"a task switcher both ways", false, false},
    {"a click away, a task switcher back", true, false},
};

TEST_F(ComingBack, AHalfTypedExpressionGoesOnWhereItStopped) {
  Open(true);
  HWND calc = Item(IDC_TXTCALC);
  for (const Way& way : kWays) {
    SCOPED_TRACE(way.Name);
    SetText(calc, L"");
    SetFocus(calc);
    TypeText(L"12+");
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"12+"; }));
    GoToTheEditor(way.AwayByClick);
    ComeBack(way.BackByClick, calc);
    EXPECT_EQ(Selection(calc), std::make_pair(3, 3)) << "the caret where it was, nothing selected";
    TypeText(L"5");
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"12+5"; })) << testing::PrintToString(Text(IDC_TXTCALC));
  }
}

struct FocusCase {
  const char* Name;
  int Id;
  const wchar_t* Text;  // nullptr: not a text box
  int SelStart, SelEnd;
};

TEST_F(ComingBack, TheFocusedControlGetsTheFocusBackUnchanged) {
  Open(true);
  const FocusCase cases[] = {
      {"caret inside the expression", IDC_TXTCALC, L"12+34", 2, 2},
      {"part of the expression selected", IDC_TXTCALC, L"12+34", 1, 4},
      {"caret after the decimal places", IDC_TXTAFTER, L"3", 1, 1},
      {"caret before the decimal places", IDC_TXTAFTER, L"3", 0, 0},
      {"a check box", IDC_CHKWIDE, nullptr, 0, 0},
      {"a button", IDC_CMDCLR, nullptr, 0, 0},
  };
  for (const Way& way : kWays) {
    for (const FocusCase& c : cases) {
      SCOPED_TRACE(testing::Message() << way.Name << ", " << c.Name);
      HWND control = Item(c.Id);
      SetFocus(control);
      if (c.Text) {
        SetText(control, c.Text);
        SendMessageW(control, EM_SETSEL, c.SelStart, c.SelEnd);
      }
      GoToTheEditor(way.AwayByClick);
      ComeBack(way.BackByClick, control);
      if (c.Text) {
        EXPECT_EQ(Text(c.Id), c.Text);
        EXPECT_EQ(Selection(control), std::make_pair(c.SelStart, c.SelEnd));
      }
    }
  }
}

}  // namespace
}  // namespace quorva::test
