// quorva.exe started three times on one history file: the second run brings back with Up what
// the first calculated; a run with /nohistory neither sees nor changes it.
#include <gtest/gtest.h>

#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption
#include "ui/window/resource.h"

namespace quorva::test {
namespace {

const std::wstring kQuorva = WindowsPath(QUORVA_EXE);

class HistoryAcrossRuns : public ::testing::Test {
 protected:
  void Start(const std::wstring& args) {
    quorva.emplace();
    ASSERT_TRUE(quorva->Start(kQuorva, args));
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva->FindWindowOf(kCaption)) != nullptr; })) << "no window";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window && FocusOf(window) == Item(IDC_TXTCALC); }))
        << "focus did not reach txtCalc";
  }
  void CloseQuorva() {
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quorva->WaitForExit(10000)) << "Quorva did not end";
    quorva.reset();
  }
  HWND Item(int id) const { return GetDlgItem(window, id); }
  std::wstring Text(int id) const { return WindowText(Item(id)); }
  DWORD Selection() const { return static_cast<DWORD>(SendMessageW(Item(IDC_TXTCALC), EM_GETSEL, 0, 0)); }
  bool Answers(const std::wstring& answer) {
    PressKey(VK_RETURN);
    return WaitUntil([&] { return Text(IDC_TXTANS) == answer; });
  }

  TempFolder appData{L"appdata-e2e"};
  ScopedEnvironment variable{L"APPDATA", appData.Path()};
  const std::wstring file = appData.Path() + L"\\Quorva\\history.txt";
  std::optional<Process> quorva;
  HWND window = nullptr;
};

TEST_F(HistoryAcrossRuns, UpBringsBackWhatTheRunBeforeCalculated) {
  Start(L"");
  TypeText(L"12*3");
  ASSERT_TRUE(WaitUntil([&] { return Text(IDC_TXTCALC) == L"12*3"; }));
  ASSERT_TRUE(Answers(L"36.00"));
  CloseQuorva();
  ASSERT_EQ(FileBytes(file), "12*3\r\n");

  Start(L"");
  PressKey(VK_UP);
  EXPECT_TRUE(WaitUntil([&] { return Text(IDC_TXTCALC) == L"12*3" && Selection() == MAKELONG(4, 4); }))
      << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_EQ(Text(IDC_TXTANS), L"") << "recall never calculates";
  EXPECT_TRUE(Answers(L"36.00"));
  CloseQuorva();
  EXPECT_EQ(FileBytes(file), "12*3\r\n") << "the same expression again is not repeated";

  Start(L"/nohistory");
  TypeText(L"5");
  ASSERT_TRUE(WaitUntil([&] { return Text(IDC_TXTCALC) == L"5"; }));
  PressKey(VK_UP);  // nothing to recall: the key is the box's own
  TypeText(L"6");
  EXPECT_TRUE(WaitUntil([&] { return Text(IDC_TXTCALC) == L"56"; })) << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_TRUE(Answers(L"56.00"));
  CloseQuorva();
  EXPECT_EQ(FileBytes(file), "12*3\r\n");
}

}  // namespace
}  // namespace quorva::test
