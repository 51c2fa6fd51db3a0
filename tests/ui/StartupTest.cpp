// Start-up when the window cannot be created: the failure is reported and the run ends, rather
// than leaving an invisible process waiting for a window that never came.
#include <gtest/gtest.h>
#include <windows.h>

#include "UiTest.h"
#include "common/text/Ansi.h"
#include "common/windows/Handles.h"
#include "ui/app/Main.h"

namespace quorva::test {
namespace {

// Refuses the creation of every calculator window of this thread while it lives.
class NoCalculatorWindows {
 public:
  NoCalculatorWindows() : hook_(SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId())) {}

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      wchar_t cls[32] = {};
      GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 32);
      if (lstrcmpW(cls, L"QuorvaForm") == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  Hook hook_;
};

bool gGaveUp = false;
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
  gGaveUp = true;
  PostQuitMessage(99);
}

TEST(Startup, AWindowThatCannotBeCreatedIsReportedAndTheRunEnds) {
  MessageBoxRecorder boxes;
  int code = 0;
  {
    NoCalculatorWindows refuse;
    // Before the run would wait forever; this ends it after a while so that the test can fail.
    gGaveUp = false;
    UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, GiveUp);
    code = RunQuorva();
    KillTimer(nullptr, watchdog);
  }
  EXPECT_FALSE(gGaveUp) << "the run went on without a window";
  EXPECT_EQ(code, 1);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(ToWide(boxes.Boxes[0].Caption), L"警告");
  EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"Error #1400"), std::wstring::npos);
  EXPECT_NE(ToWide(boxes.Boxes[0].Text).find(L"ウィンドウを作成できません。"), std::wstring::npos);
  Pump();
}

}  // namespace
}  // namespace quorva::test
