// quorva.exe started from the editor with options, as a tool menu entry starts it: the selected
// expression comes in, is calculated with the options' format and replaces the selection.
#include <gtest/gtest.h>

#include <optional>

#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/Wait.h"
#include "common/text/Ansi.h"
#include "ui/window/ControlTable.h"  // kCaption

namespace quorva::test {
namespace {

const std::wstring kQuorva = WindowsPath(QUORVA_EXE);
const std::wstring kEditor = WindowsPath(QUORVA_EDITOR_EXE);

class StartedWithOptions : public ::testing::Test {
 protected:
  // The stand-in editor in front, its text in the ANSI code page with a selection in bytes.
  void StartEditor(const std::u16string& text, int selStart, int selEnd) {
    editor.emplace();
    const std::wstring args = L"--text \"" + ToWide(text) + L"\" --sel " + std::to_wstring(selStart) + L"," +
                              std::to_wstring(selEnd) + L" --pos 0,0,360,240 --title editor";
    ASSERT_TRUE(editor->Start(kEditor, args));
    ASSERT_TRUE(WaitUntil([&] { return (editorWindow = editor->FindWindowOf()) != nullptr; }));
    editorEdit = FindWindowExW(editorWindow, nullptr, L"TEditor", nullptr);
    ASSERT_NE(editorEdit, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editorWindow; })) << "editor not in front";
  }

  void StartQuorva(const std::wstring& args) {
    quorva.emplace();
    ASSERT_TRUE(quorva->Start(kQuorva, args));
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva->FindWindowOf(kCaption)) != nullptr; })) << "no window";
  }

  void WaitForExpressionBox() {
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window && FocusOf(window) == Item(IDC_TXTCALC); }))
        << "focus did not reach txtCalc";
  }

  HWND Item(int id) const { return GetDlgItem(window, id); }

  std::optional<Process> editor, quorva;
  HWND editorWindow = nullptr, editorEdit = nullptr, window = nullptr;
};

TEST_F(StartedWithOptions, SelectedExpressionIsReplacedByItsValue) {
  const struct {
    const wchar_t* Args;
    const wchar_t* Answer;
  } rows[] = {
      {L"/selection", L"1332.72"},                         // the regional default of 2 places
      {L"-Selection /places:0 /group", L"1,333"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(r.Args)));
    // "合計 " is five bytes in code page 932: the selection is the expression.
    StartEditor(u"合計 1,234*1.08 円", 5, 15);
    StartQuorva(r.Args);
    WaitForExpressionBox();
    EXPECT_EQ(WindowText(Item(IDC_TXTCALC)), L"1,234*1.08");
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(Item(IDC_TXTCALC), EM_GETSEL, 0, 0) == MAKELRESULT(10, 10); }))
        << "the caret is not after the expression";
    EXPECT_EQ(WindowText(Item(IDC_TXTANS)), L"") << "nothing is calculated before Enter";
    const std::wstring shot = L"selection-" + std::to_wstring(&r - rows) + L"-";
    ShotOncePainted(editorWindow, shot + L"0-editor.bmp");
    ShotOncePainted(window, shot + L"1-started.bmp");

    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTANS)) == r.Answer; }))
        << "answer: " << testing::PrintToString(WindowText(Item(IDC_TXTANS)));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Item(IDC_CMDTERAPAD)) != FALSE; }));
    ShotOncePainted(window, shot + L"2-calculated.bmp");
    ASSERT_TRUE(ClickWindow(Item(IDC_CMDTERAPAD), [&] { return !quorva->Running() || FocusOf(window) == Item(IDC_CMDTERAPAD); }));
    EXPECT_TRUE(quorva->WaitForExit(10000)) << "Quorva did not end";
    EXPECT_EQ(AnsiWindowText(editorEdit), ToAnsi(u"合計 " + FromWide(r.Answer) + u" 円"));
    ShotOncePainted(editorWindow, shot + L"3-editor.bmp");
    quorva.reset();
    editor.reset();
  }
}

TEST_F(StartedWithOptions, BadArgumentIsNamedOnceAndQuorvaStartsWithoutIt) {
  StartEditor(u"abc", 0, 3);
  StartQuorva(L"/places:x /wide");
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = quorva->FindMessageBox()) != nullptr; })) << "no message box";
  const std::wstring text = MessageBoxText(box);
  EXPECT_NE(text.find(L"    /places:x"), std::wstring::npos) << testing::PrintToString(text);
  EXPECT_EQ(text.find(L"    /wide"), std::wstring::npos) << "a good option is named: " << testing::PrintToString(text);

  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; })) << "box not in front";
  ShotOncePainted(box, L"option-box.bmp");
  PressKey(VK_RETURN);  // OK
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "box did not close";
  WaitForExpressionBox();
  EXPECT_EQ(quorva->FindMessageBox(), nullptr) << "a second box";
  EXPECT_EQ(SendMessageW(Item(IDC_CHKWIDE), BM_GETCHECK, 0, 0), BST_CHECKED);
  TypeText(L"1+2");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTCALC)) == L"1+2"; }));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTANS)) == L"３．００"; }))
      << "answer: " << testing::PrintToString(WindowText(Item(IDC_TXTANS)));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quorva->WaitForExit(10000));
}

}  // namespace
}  // namespace quorva::test
