// The three roads that once broke Quorva, end to end: a selection across 65536 from an editor that
// gives only packed halves (it crashed at start-up), a selection on a later line of a 70 KB text
// (it came from the wrong place), and a write that the editor takes only in part (it deleted the
// selection). The selection comes in exactly or not at all; a failed write leaves the text alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/Ansi.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/GetSelCases.h"
#include "tests/harness/support/WideSelectionCases.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption
#include "ui/window/resource.h"

namespace quorva::test {
namespace {

// quorva.exe with its window usable, every box it showed on the way read and closed.
struct Quorva {
  Process process;
  HWND window = nullptr;
  std::vector<std::wstring> boxes;

  bool Await(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
    return WaitUntil(
        [&] {
          if (HWND box = process.FindMessageBox()) {
            boxes.push_back(MessageBoxText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            WaitUntil([&] { return !IsWindow(box); }, 5000);
            return false;
          }
          return done();
        },
        timeoutMs);
  }
  bool Start(const std::wstring& args) {
    return process.Start(WindowsPath(QUORVA_EXE), args) && Await([&] {
             window = process.FindWindowOf(kCaption);
             return window != nullptr && IsWindowEnabled(window) && process.FindMessageBox() == nullptr;
           });
  }
  HWND Item(int id) const { return GetDlgItem(window, id); }
  void Close() {
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process.WaitForExit(10000));
    EXPECT_EQ(process.ExitCode(), 0u) << "3 is an abort";
  }
};

TEST(Reliability, SelectionAcrossSixteenBitsComesInExactlyOrNotAtAll) {
  for (const WideSelectionCase& r : WideSelectionCases()) {
    SCOPED_TRACE(r.Name);
    TempFile file(L"reliability.txt", r.Text);
    EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE), std::wstring(GetSelSwitch(r.Mode)) +
                                                             L" --pos 0,0,360,240 --file \"" + file.Path() +
                                                             L"\" --sel " + std::to_wstring(r.Start) + L"," +
                                                             std::to_wstring(r.End));
    ASSERT_TRUE(editor.Found() && editor.InFront());
    Quorva quorva;
    ASSERT_TRUE(quorva.Start(L"/selection")) << "no window";
    EXPECT_EQ(WindowText(quorva.Item(IDC_TXTCALC)), ToWide(r.Expression));
    if (!r.Reported) {
      EXPECT_TRUE(quorva.boxes.empty()) << ToAnsi(FromWide(quorva.boxes.front()));
    } else {
      ASSERT_EQ(quorva.boxes.size(), 1u);
      EXPECT_NE(quorva.boxes[0].find(L"エディタから文字列を読み取れません。"), std::wstring::npos)
          << ToAnsi(FromWide(quorva.boxes[0]));
    }
    EXPECT_EQ(editor.TrueText(), r.Text) << "reading changed the editor's text";
    quorva.Close();
  }
}

TEST(Reliability, AWriteTheEditorTakesOnlyInPartLeavesItsTextAsItWas) {
  const std::string text = ToAnsi(u"合計 1980*3 円");
  TempFile file(L"reliability.txt", text);
  EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE),
                       L"--take-limit 1 --pos 0,0,360,240 --file \"" + file.Path() + L"\" --sel 5,11");
  ASSERT_TRUE(editor.Found() && editor.InFront());
  Quorva quorva;
  ASSERT_TRUE(quorva.Start(L"/selection /wide")) << "no window";
  ASSERT_EQ(WindowText(quorva.Item(IDC_TXTCALC)), L"1980*3");
  PostMessageW(quorva.Item(IDC_CMDSUM), BM_CLICK, 0, 0);
  ASSERT_TRUE(quorva.Await([&] { return WindowText(quorva.Item(IDC_TXTANS)) == L"５９４０．００"; }));
  ASSERT_TRUE(quorva.Await([&] { return IsWindowEnabled(quorva.Item(IDC_CMDTERAPAD)) != FALSE; }));
  PostMessageW(quorva.Item(IDC_CMDTERAPAD), BM_CLICK, 0, 0);
  ASSERT_TRUE(quorva.Await([&] { return !quorva.boxes.empty() && IsWindowEnabled(quorva.window); }));
  ASSERT_EQ(quorva.boxes.size(), 1u);
  EXPECT_NE(quorva.boxes[0].find(L"エディタに文字列を書き込めません。"), std::wstring::npos)
      << ToAnsi(FromWide(quorva.boxes[0]));
  EXPECT_EQ(editor.TrueText(), text) << "the selection must be back in place";
  EXPECT_EQ(WindowText(quorva.Item(IDC_TXTANS)), L"５９４０．００") << "the answer is kept";
  quorva.Close();
}

}  // namespace
}  // namespace quorva::test
