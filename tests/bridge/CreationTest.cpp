// Creation: which foreground window the bridge takes as the editor, and what it records.
#include "EditorFixture.h"
#include "common/windows/Handles.h"

namespace quorva::test {
namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

// A visible top-level window of the given class and title, brought to the foreground.
HWND Foreground(const wchar_t* cls, const wchar_t* title, HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = cls;
  RegisterClassW(&wc);  // fails harmlessly when already registered
  HWND w = CreateWindowExW(0, cls, title, style | WS_VISIBLE, 10, 10, 300, 200, parent, nullptr, wc.hInstance, nullptr);
  if (parent == nullptr) {
    SetForegroundWindow(w);
    WaitUntil([&] { return GetForegroundWindow() == w; });
  }
  return w;
}

void ExpectNothingRecorded(const clsTeraPad& b) {
  EXPECT_EQ(b.hWin(), nullptr);
  EXPECT_EQ(b.hEdit(), nullptr);
  EXPECT_EQ(b.NowLineTop(), 0);
  EXPECT_EQ(b.NowLine(), 0);
  EXPECT_EQ(b.Path(), L"");
}

class CreationTest : public ::testing::Test {
 protected:
  HWND Keep(HWND w) {
    windows_.emplace_back(w);
    return w;
  }
  std::vector<OwnedWindow> windows_;  // destroyed with the test
};

TEST_F(CreationTest, TheDesktopInFrontIsNoEditor) {
  HWND desktop = Keep(Foreground(L"QuorvaTestDesktop", L"Program Manager"));
  ASSERT_EQ(GetForegroundWindow(), desktop);
  ASSERT_EQ(FindWindowA(nullptr, "Program Manager"), desktop);
  clsTeraPad b;
  ExpectNothingRecorded(b);
}

TEST_F(CreationTest, TheTaskbarInFrontIsNoEditor) {
  HWND tray = Keep(Foreground(L"Shell_TrayWnd", L""));
  ASSERT_EQ(GetForegroundWindow(), tray);
  ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), tray);
  clsTeraPad b;
  ExpectNothingRecorded(b);
}

TEST_F(CreationTest, AnotherProgramsWindowIsKeptWithoutAnEditControl) {
  HWND other = Keep(Foreground(L"QuorvaTestOther", L"Some other program"));
  ASSERT_EQ(GetForegroundWindow(), other);
  clsTeraPad b;
  EXPECT_EQ(b.hWin(), other);
  EXPECT_EQ(b.hEdit(), nullptr);
  EXPECT_EQ(b.NowLineTop(), 0);
  EXPECT_EQ(b.NowLine(), 0);
}

TEST_F(CreationTest, ATEditorNestedDeeperThanADirectChildIsNotTaken) {
  HWND top = Keep(Foreground(L"QuorvaTestNested", L"TeraPad"));
  HWND panel = Foreground(L"QuorvaTestPanel", L"", top, WS_CHILD);
  qeditor::Options o;
  HWND editorMain = Keep(qeditor::CreateEditorWindow(o));
  HWND tedit = qeditor::EditorChild(editorMain);
  SetParent(tedit, panel);  // TEditor now two levels below the foreground window
  SetForegroundWindow(top);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == top; }));
  clsTeraPad b;
  EXPECT_EQ(b.hWin(), top);
  EXPECT_EQ(b.hEdit(), nullptr);
}

TEST_F(CreationTest, TheEditorInFrontIsFoundWithItsDirectTEditorChildAndItsLines) {
  qeditor::Options o;
  o.text = "l0\r\nl1\r\nl2\r\nl3 x\r\nl4";
  o.selStart = 14;  // in line 3
  o.selEnd = 16;
  o.topLine = 2;
  HWND editorMain = Keep(qeditor::CreateEditorWindow(o));
  ShowWindow(editorMain, SW_SHOW);
  SetForegroundWindow(editorMain);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editorMain; }));
  clsTeraPad b;
  EXPECT_EQ(b.hWin(), editorMain);
  EXPECT_EQ(b.hEdit(), qeditor::EditorChild(editorMain));
  EXPECT_EQ(b.NowLineTop(), 2);
  EXPECT_EQ(b.NowLine(), 3);
  EXPECT_EQ(b.Path(), L"");
}

TEST_F(CreationTest, NoForegroundWindowRecordsNothingEvenWithATopLevelTEditor) {
  // A top-level "TEditor" that a search over the top-level windows would find.
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = "TEditor";
  RegisterClassA(&wc);
  HWND stray = Keep(CreateWindowExA(0, "TEditor", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr));
  ASSERT_NE(stray, nullptr);
  // A desktop to compare with, as Windows has: the check against it must not end creation early.
  Keep(CreateWindowExW(0, L"STATIC", L"Program Manager", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  HWND last = Foreground(L"QuorvaTestLast", L"last");
  DestroyWindow(last);
  if (!WaitUntil([] { return GetForegroundWindow() == nullptr; }, 2000)) {
    GTEST_SKIP() << "this display keeps a foreground window";
  }
  clsTeraPad b;
  ExpectNothingRecorded(b);
}

}  // namespace
}  // namespace quorva::test
