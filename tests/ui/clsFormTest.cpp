// The form helper on a form of its own: Tag styles, margins, keys, SelText, GotFocus, Paint.
#include "HelperFixture.h"
#include "common/windows/Handles.h"
#include "ui/form/MessageLoop.h"

namespace quorva::test {
namespace {

TEST_F(Helper, TagSelectsTheInputRestrictionOfTextBoxesOnly) {
  struct Case {
    int Id;
    LONG Bits;
  };
  const LONG all = ES_UPPERCASE | ES_LOWERCASE | ES_NUMBER;
  const Case cases[] = {
      {kUpper, ES_UPPERCASE}, {kLower, ES_LOWERCASE}, {kDigits, ES_NUMBER}, {kSpaceZero, 0},
      {kTwoChars, 0},         {kOtherLetter, 0},      {kNoTag, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Style(c.Id) & all, c.Bits) << "control " << c.Id;
  // Other kinds are left alone, whatever their Tag.
  EXPECT_FALSE(Style(kCombo) & ES_UPPERCASE);
  EXPECT_FALSE(Style(kCheck) & ES_UPPERCASE);
  EXPECT_FALSE(Style(kButton) & ES_NUMBER);
}

TEST_F(Helper, TypedCharactersFollowTheTag) {
  struct Case {
    int Id;
    const wchar_t* Typed;
    const wchar_t* Shown;
  };
  const Case cases[] = {
      {kUpper, L"abC1", L"ABC1"}, {kLower, L"ABc1", L"abc1"}, {kDigits, L"a1b2", L"12"}, {kNoTag, L"aB1", L"aB1"},
  };
  for (const Case& c : cases) {
    SetFocus(form->Item(c.Id));
    PostChars(form->Item(c.Id), c.Typed);
    EXPECT_EQ(TextOf(form->Item(c.Id)), c.Shown) << "control " << c.Id;
  }
}

// What each text box was told by EM_SETRECT (the control itself then adds its own margins).
std::vector<std::pair<HWND, RECT>> gFormatRects;
WNDPROC gEditProc = nullptr;
LRESULT CALLBACK RecordSetRect(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == EM_SETRECT) gFormatRects.emplace_back(h, *reinterpret_cast<RECT*>(lParam));
  return CallWindowProcW(gEditProc, h, msg, wParam, lParam);
}

TEST_F(Helper, TextBoxesGetTheirFormatRectangleOnePixelInside) {
  gFormatRects.clear();
  std::vector<int> boxes = {kUpper, kLower, kDigits, kSpaceZero, kTwoChars, kOtherLetter, kNoTag, kMultiLine};
  for (int id : boxes) {
    gEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(form->Item(id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordSetRect)));
  }
  clsForm other;
  other.AtForm(*form);
  ASSERT_EQ(gFormatRects.size(), boxes.size()) << "one EM_SETRECT per text box, none to other kinds";
  for (auto& [h, rc] : gFormatRects) {
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(rc.left, client.left + 1);
    EXPECT_EQ(rc.top, client.top + 1);
    EXPECT_EQ(rc.right, client.right - 1);
    EXPECT_EQ(rc.bottom, client.bottom - 1);
  }
  for (int id : boxes) SetWindowLongPtrW(form->Item(id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gEditProc));
}

struct DeleteCase {
  const wchar_t* Text;
  int SelStart, SelEnd;
  const wchar_t* After;
};

TEST_F(Helper, DeleteAtTheEndRemovesTheLastCharacter) {
  const DeleteCase cases[] = {
      {L"123", 3, 3, L"12"},  // caret after the last character
      {L"", 0, 0, L""},       // empty: nothing happens
      {L"123", 1, 1, L"13"},  // inside: as usual
      {L"123", 1, 3, L"1"},   // a selection that ends at the end: as usual
  };
  for (int id : {kNoTag, kCombo}) {
    for (const DeleteCase& c : cases) {
      HWND h = Prepare(id, c.Text, c.SelStart, c.SelEnd);
      PostKey(GetFocus(), VK_DELETE);
      EXPECT_EQ(TextOf(h), c.After) << "control " << id << " text '" << c.Text << "' sel " << c.SelStart;
    }
  }
}

TEST_F(Helper, EnterTrimsTheTextAndIsDiscarded) {
  for (int id : {kNoTag, kMultiLine, kCombo}) {
    HWND h = form->Item(id);
    SetText(h, L"  1+2  ");
    SetFocus(h);
    PostKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(TextOf(h), L"1+2") << "control " << id;
  }
  // The ideographic space, which a Japanese input method types for the space bar, goes too;
  // inner blanks stay.
  SetText(form->Item(kNoTag), L"\u3000 1 + 2\u3000");
  SetFocus(form->Item(kNoTag));
  PostKey(form->Item(kNoTag), VK_RETURN);
  EXPECT_EQ(TextOf(form->Item(kNoTag)), L"1 + 2");
  // Tab and Enter characters never reach a box; other characters do.
  SetText(form->Item(kMultiLine), L"");
  SetFocus(form->Item(kMultiLine));
  PostChars(form->Item(kMultiLine), L"a\tb\rc\nd");
  EXPECT_EQ(TextOf(form->Item(kMultiLine)), L"abcd");
}

TEST_F(Helper, EnterInvertsAnOptionButtonAndLeavesCheckBoxesToTheForm) {
  SetFocus(form->Item(kOption));
  PostKey(form->Item(kOption), VK_RETURN);
  EXPECT_EQ(GetValue(form->Item(kOption)), BST_CHECKED);
  PostKey(form->Item(kOption), VK_RETURN);
  EXPECT_EQ(GetValue(form->Item(kOption)), BST_UNCHECKED);
  SetFocus(form->Item(kCheck));
  PostKey(form->Item(kCheck), VK_RETURN);
  EXPECT_EQ(GetValue(form->Item(kCheck)), BST_UNCHECKED);
}

TEST_F(Helper, TheFormsOwnHandlerSeesEveryPreviewedKey) {
  // Focusing a box activates the form; when this process owns the foreground (an earlier test's
  // window did), the form passes its focus on by a synthesised Tab, which is a key of the form
  // too. Count from after it.
  ShowInFront();
  ASSERT_TRUE(WaitFor([&] { return form->ActiveControl() != nullptr; }));
  SetFocus(form->Item(kNoTag));
  form->keyDowns = 0;
  PostKey(form->Item(kNoTag), 'X');
  PostKey(form->Item(kNoTag), VK_DELETE);
  EXPECT_EQ(form->keyDowns, 2);
}

TEST_F(Helper, SelTextFollowsTheMouseRule) {
  ShowInFront();
  HWND h = form->Item(kNoTag);
  SetText(h, L"hello");
  SetFocus(h);
  SendMessageW(h, EM_SETSEL, 2, 2);
  struct Case {
    bool MouseDown, fMouse;
    DWORD ExpectedEnd;
  };
  const Case cases[] = {{false, false, 5}, {false, true, 5}, {true, true, 5}, {true, false, 2}};
  for (const Case& c : cases) {
    SendMessageW(h, EM_SETSEL, 2, 2);
    // Press the left button over a label-free spot of the form, then ask.
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = c.MouseDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(in));
    ASSERT_TRUE(WaitFor([&] { return (GetAsyncKeyState(VK_LBUTTON) < 0) == c.MouseDown; }));
    SetFocus(h);
    helper->SelText(c.fMouse);
    DWORD start = 0, end = 0;
    SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, c.ExpectedEnd) << "mouse " << c.MouseDown << " fMouse " << c.fMouse;
  }
  INPUT up = {};
  up.type = INPUT_MOUSE;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &up, sizeof(up));
  WaitFor([] { return GetAsyncKeyState(VK_LBUTTON) >= 0; });
}

// Records the key messages that this thread takes from its queue.
std::vector<MSG>* gRecorded = nullptr;
LRESULT CALLBACK RecordKeys(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && gRecorded && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    gRecorded->push_back(*msg);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The key messages that reach this thread while `action` runs. A marker key goes through the
// input queue behind whatever the action synthesised; once the marker has arrived, so has
// everything that was sent before it (a key-up, were there one).
template <class Action>
std::vector<MSG> KeysDuring(Action action) {
  constexpr WPARAM kMarker = VK_F24;
  std::vector<MSG> recorded;
  gRecorded = &recorded;
  Hook hook(SetWindowsHookExW(WH_GETMESSAGE, RecordKeys, nullptr, GetCurrentThreadId()));
  action();
  PressKey(kMarker);
  const bool marked = WaitFor([&] {
    return std::any_of(recorded.begin(), recorded.end(),
                       [](const MSG& m) { return m.message == WM_KEYUP && m.wParam == kMarker; });
  });
  hook.Reset();
  gRecorded = nullptr;
  EXPECT_TRUE(marked) << "the marker key did not come through the input queue";
  std::erase_if(recorded, [](const MSG& m) { return m.wParam == kMarker; });
  return recorded;
}

TEST_F(Helper, FormFocusWithNoFocusedControlPassesOnByOneTab) {
  ShowInFront();
  SetFocus(form->Item(kLower));
  std::vector<MSG> recorded = KeysDuring([&] {
    SetFocus(form->hWnd());  // the form itself, none of its controls
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == form->Item(kUpper); }));
  });
  ASSERT_EQ(recorded.size(), 1u) << "exactly one key message";
  EXPECT_EQ(recorded[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(recorded[0].wParam, static_cast<WPARAM>(VK_TAB));
  EXPECT_EQ((recorded[0].lParam >> 16) & 0xFF, static_cast<LPARAM>(MapVirtualKeyA(VK_TAB, MAPVK_VK_TO_VSC)));
}

TEST_F(Helper, FormFocusWhileAControlHoldsItSynthesisesNothing) {
  ShowInFront();
  SetFocus(form->Item(kLower));
  std::vector<MSG> recorded = KeysDuring([&] { helper->GotFocus(); });
  EXPECT_TRUE(recorded.empty());
  EXPECT_EQ(GetFocus(), form->Item(kLower));
}

TEST_F(Helper, FormFocusWhileAnotherWindowIsInFrontSynthesisesNothing) {
  // The synthesised Tab would reach whichever program is in front, so only our own front window
  // may ask for it.
  ShowInFront();
  OwnedWindow other(CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 50, 200,
                                    100, nullptr, nullptr, nullptr, nullptr));
  SetForegroundWindow(other.Get());
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other.Get(); }));
  std::vector<MSG> recorded = KeysDuring([&] { helper->GotFocus(); });
  other.Reset();
  EXPECT_TRUE(recorded.empty());
}

TEST_F(Helper, PaintDrawsAnEtchedRuleAlongTheTopEdge) {
  ShowInFront();
  RedrawWindow(form->hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  RECT client;
  GetClientRect(form->hWnd(), &client);
  const WindowDc dc(form->hWnd());
  for (int x : {0, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 1}) {
    EXPECT_EQ(GetPixel(dc.Get(), x, 0), GetSysColor(COLOR_BTNSHADOW)) << "x " << x;
    EXPECT_EQ(GetPixel(dc.Get(), x, 1), GetSysColor(COLOR_BTNHIGHLIGHT)) << "x " << x;
  }
}

TEST_F(Helper, DestroyedHelperNoLongerReceivesEvents) {
  helper.reset();
  SetText(form->Item(kNoTag), L"  x  ");
  SetFocus(form->Item(kNoTag));
  PostKey(form->Item(kNoTag), VK_RETURN);
  EXPECT_EQ(TextOf(form->Item(kNoTag)), L"  x  ");
}

}  // namespace
}  // namespace quorva::test
