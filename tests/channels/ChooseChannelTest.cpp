// Which channel serves the window in front: the decision on its classes and integrity, and the
// system's own windows under those classes (Windows 11 Notepad's RichEdit, Scintilla, a console).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "channels/ChooseChannel.h"
#include "channels/MessageChannel.h"
#include "common/text/Ansi.h"
#include "tests/harness/support/MessageBoxes.h"
#include "tests/harness/support/Wait.h"
#include "ui/app/ChannelStart.h"
#include "ui/app/Notices.h"

namespace quorva::test {
namespace {

using C = ChannelChoice;
constexpr Integrity kLow = Integrity::kNotHigher, kHigh = Integrity::kHigher;

struct Row {
  const wchar_t* front;
  const wchar_t* focus;
  const wchar_t* real;
  Integrity integrity;
  ChannelChoice expected;
};

TEST(ChooseChannel, DecidesFromTheClassesAndTheIntegrityLevel) {
  const Row rows[] = {
      {L"TeraPad", L"TEditor", L"TEditor", kLow, C::kMessage},
      {L"Notepad", L"Edit", L"Edit", kLow, C::kMessage},
      {L"Notepad", L"EDIT", L"EDIT", kLow, C::kMessage},                   // as the system compares: any case
      {L"WindowsForms10", L"WindowsForms10.EDIT.app", L"Edit", kLow, C::kMessage},  // a superclass of Edit
      {L"WordPadClass", L"RichEdit20W", L"RichEdit20W", kLow, C::kMessage},
      {L"App", L"RichEdit20A", L"RichEdit20A", kLow, C::kMessage},
      {L"App", L"RICHEDIT50W", L"RICHEDIT50W", kLow, C::kMessage},
      {L"Notepad", L"RichEditD2DPT", L"RichEditD2DPT", kLow, C::kMessage},  // Windows 11's Notepad
      {L"Notepad++", L"Scintilla", L"Scintilla", kLow, C::kClipboard},
      {L"Chrome_WidgetWin_1", L"Chrome_RenderWidgetHostHWND", L"Chrome_RenderWidgetHostHWND", kLow, C::kClipboard},
      {L"OpusApp", L"_WwG", L"_WwG", kLow, C::kClipboard},
      {L"XLMAIN", L"EXCEL6", L"EXCEL6", kLow, C::kClipboard},
      {L"Chrome_WidgetWin_1", L"", L"", kLow, C::kClipboard},  // no focused control: the window itself
      {L"ConsoleWindowClass", L"", L"", kLow, C::kRefusedConsole},
      {L"CASCADIA_HOSTING_WINDOW_CLASS", L"Windows.UI.Input.InputSite.WindowClass", L"", kLow, C::kRefusedConsole},
      {L"mintty", L"", L"", kLow, C::kRefusedConsole},
      {L"PuTTY", L"", L"", kLow, C::kRefusedConsole},
      {L"VirtualConsoleClass", L"", L"", kLow, C::kRefusedConsole},
      {L"ConEmuMain", L"PseudoConsoleWindow", L"", kLow, C::kRefusedConsole},
      {L"ConsoleWindowClass", L"", L"", kHigh, C::kRefusedConsole},  // a terminal's own notice first
      {L"Notepad", L"Edit", L"Edit", kHigh, C::kRefusedElevated},  // the system drops messages there too
      {L"Notepad++", L"Scintilla", L"Scintilla", kHigh, C::kRefusedElevated},
      {L"", L"", L"", kLow, C::kNone},
      {L"Progman", L"SysListView32", L"SysListView32", kLow, C::kNone},
      {L"Shell_TrayWnd", L"", L"", kLow, C::kNone},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(ToAnsi(FromWide(std::wstring(r.front) + L" / " + r.focus + L" / " + r.real)));
    EXPECT_EQ(ChooseChannel({r.front, r.focus, r.real, r.integrity}), r.expected);
  }
}

// Windows of this process under the classes the programs use, the one in front focused.
class FrontScene : public ::testing::Test {
 protected:
  static void Register(const wchar_t* name, const wchar_t* base = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (base) {
      ASSERT_TRUE(GetClassInfoExW(nullptr, base, &wc)) << "no " << ToAnsi(FromWide(base));
      wc.cbSize = sizeof wc;
    } else {
      wc.lpfnWndProc = DefWindowProcW;
    }
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);  // already there from an earlier test: the same class
  }
  HWND Top(const wchar_t* cls) {
    HWND w = CreateWindowExW(0, cls, L"front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(w);
    return w;
  }
  HWND Child(HWND parent, const wchar_t* cls) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 280, 150, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  // Brings top to the front with focus in its control.
  void Front(HWND top, HWND focus) {
    SetForegroundWindow(top);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == top; })) << "not in front";
    SetFocus(focus);
    ASSERT_EQ(GetFocus(), focus);
  }
  void TearDown() override {
    for (HWND w : windows_) DestroyWindow(w);
  }
  std::vector<HWND> windows_;
};

TEST_F(FrontScene, WindowsElevensNotepadTakesTheMessageChannel) {
  ASSERT_NE(LoadLibraryW(L"msftedit.dll"), nullptr);
  Register(L"RichEditD2DPT", L"RICHEDIT50W");
  Register(L"NotepadTextBox");
  Register(L"Notepad");
  HWND top = Top(L"Notepad");
  HWND box = Child(top, L"NotepadTextBox");
  HWND text = Child(box, L"RichEditD2DPT");
  ASSERT_NE(text, nullptr);
  SetWindowTextW(text, L"合計 12*3 です");
  SendMessageW(text, EM_SETSEL, 3, 7);
  ASSERT_NO_FATAL_FAILURE(Front(top, text));

  const FrontChoice front = ChooseFrontChannel();
  EXPECT_EQ(front.Choice, ChannelChoice::kMessage);
  EXPECT_EQ(front.Focus, text);
  // The bridge finds the same control and reads and writes it through the face.
  clsTeraPad bridge;
  ASSERT_EQ(bridge.hEdit(), text);
  MessageChannel channel(bridge);
  const SelectionRead read = channel.ReadSelection();
  ASSERT_TRUE(read.Outcome.ok());
  EXPECT_EQ(read.Text, L"12*3");
  EXPECT_TRUE(channel.ReplaceSelection(L"36", true).ok());
  wchar_t now[64] = {};
  GetWindowTextW(text, now, 64);
  EXPECT_EQ(std::wstring(now), L"合計 36 です");
}

TEST_F(FrontScene, AScintillaWindowTakesTheClipboardChannel) {
  Register(L"Scintilla");
  Register(L"Notepad++");
  HWND top = Top(L"Notepad++");
  HWND sci = Child(top, L"Scintilla");
  ASSERT_NO_FATAL_FAILURE(Front(top, sci));
  const FrontChoice front = ChooseFrontChannel();
  EXPECT_EQ(front.Choice, ChannelChoice::kClipboard);
  EXPECT_EQ(front.Front, top);
  EXPECT_EQ(front.Focus, sci);
  MessageBoxRecorder boxes;
  EXPECT_FALSE(TellRefusal(front.Choice));
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(FrontScene, AConsoleIsRefusedWithItsNoticeOnce) {
  Register(L"ConsoleWindowClass");
  HWND top = Top(L"ConsoleWindowClass");
  ASSERT_NO_FATAL_FAILURE(Front(top, top));
  const FrontChoice front = ChooseFrontChannel();
  EXPECT_EQ(front.Choice, ChannelChoice::kRefusedConsole);
  MessageBoxRecorder boxes;
  EXPECT_TRUE(TellRefusal(front.Choice));
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text, kConsoleRefusedNotice);
}

TEST_F(FrontScene, ThisProcessIsNotAboveItself) {
  Register(L"Notepad");
  HWND top = Top(L"Notepad");
  EXPECT_EQ(ReadFront(top, nullptr).integrity, Integrity::kNotHigher);
}

}  // namespace
}  // namespace quorva::test
