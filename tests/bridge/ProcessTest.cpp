// The bridge and quorva-editor.exe in two processes, as the calculator and the editor are: the
// bridge finds the editor in front at creation.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "bridge/clsTeraPad.h"
#include "common/text/Ansi.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/bridge/TellingBridge.h"
#include "tests/harness/support/MessageBoxes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

// The editor in front, as when the user starts Quorva from it.
class ProcessTest : public ::testing::Test {
 protected:
  void Start(const std::wstring& switches) {
    editor_.emplace(WindowsPath(QUORVA_EDITOR_EXE), switches);
    ASSERT_TRUE(editor_->Found() && editor_->InFront()) << "the editor did not come to the front";
  }
  EditorProcess& editor() { return *editor_; }

  std::optional<EditorProcess> editor_;
  MessageBoxRecorder shown_;              // what the bridge would show itself: nothing
  std::vector<MessageBoxRequest> boxes_;  // what the user is told of its calls
};

TEST_F(ProcessTest, FindsTheEditorAndWritesTheAnswerInPieces) {
  // Lines start at 0, 8, 16 and 24; "?" of line 3 is at 33.
  // "１２３．４５" is 12 bytes: it replaces "?" at 33, so the caret ends at 45.
  ASSERT_NO_FATAL_FAILURE(Start(L"--text \"一行目\\n二行目\\n三行目\\n四行目 x=?\" --sel 33,34 --top 1 --take-limit 5"));
  Telling<clsTeraPad> bridge(boxes_);
  EXPECT_EQ(bridge.hWin(), editor().Main());
  EXPECT_EQ(bridge.hEdit(), editor().Edit());
  EXPECT_EQ(bridge.NowLineTop(), 1);
  EXPECT_EQ(bridge.NowLine(), 3);

  bridge.SelText(L"１２３．４５");  // through an editor that takes 5 bytes per message
  const std::string expected = ToAnsi(u"一行目\r\n二行目\r\n三行目\r\n四行目 x=１２３．４５");
  EXPECT_EQ(bridge.SelStart(), 45) << "the caret stays after the answer";
  // Whole reads only: across processes Wine measures WM_GETTEXTLENGTH through WM_GETTEXT, so an
  // editor that hands out less would also report less (the piecewise read is tested in-process).
  EXPECT_EQ(ToAnsi(FromWide(bridge.Text())), expected);
  EXPECT_EQ(bridge.SelText(), L"");
  EXPECT_EQ(bridge.Line(), 3);
  EXPECT_EQ(editor().TrueText(), expected);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(shown_.Boxes.empty());
}

TEST_F(ProcessTest, FileWriteMakesTheEditorReloadIt) {
  TempFile file(L"process.txt", "old old old");
  ASSERT_NO_FATAL_FAILURE(Start(L"--file \"" + file.Path() + L"\""));
  Telling<clsTeraPad> bridge(boxes_);
  ASSERT_EQ(bridge.hWin(), editor().Main());
  bridge.Path(file.Path());
  bridge.File(L"新しい内容");
  EXPECT_TRUE(WaitUntil([&] { return editor().TrueText() == ToAnsi(u"新しい内容"); })) << editor().TrueText();
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(shown_.Boxes.empty());
}

TEST_F(ProcessTest, SelectionPastTheSixteenBitRangeReadsBackWhole) {
  TempFile file(L"long.txt", std::string(70000, 'a') + "xyz");
  ASSERT_NO_FATAL_FAILURE(Start(L"--file \"" + file.Path() + L"\" --sel 70001,70002"));
  Telling<clsTeraPad> bridge(boxes_);
  EXPECT_EQ(bridge.SelStart(), 70001);
  EXPECT_EQ(bridge.SelLength(), 1);
  bridge.SelText(L"＝");
  EXPECT_EQ(editor().TrueText().substr(69999), "ax" + ToAnsi(u"＝") + "z");
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(shown_.Boxes.empty());
}

}  // namespace
}  // namespace quorva::test
