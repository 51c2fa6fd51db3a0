// The stand-in editor's core: what the bridge relies on it to do with each message.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EditorCore.h"
#include "EditorWindow.h"
#include "Zoo.h"
#include "tests/harness/support/GetSelCases.h"

namespace qeditor {
namespace {

// "aあb" in code page 932.
const std::string kMixed = "a\x82\xA0" "b";

TEST(EditorCore, SetSelFollowsTheEditControlRules) {
  const struct {
    const char* name;
    int64_t start, end;
    size_t selStart, selEnd;
  } cases[] = {
      {"whole text", 0, -1, 0, 4},
      {"caret", 2, 2, 1, 1},  // inside the double-byte character: moves to its start
      {"past the end clamps", 9, 12, 4, 4},
      {"reversed range", 4, 1, 1, 4},
      {"negative end is the end", 1, -5, 1, 4},
      {"range ending inside a character", 0, 2, 0, 1},
  };
  for (const auto& c : cases) {
    EditorCore core;
    core.SetText(kMixed);
    core.SetSel(c.start, c.end);
    EXPECT_EQ(core.SelStart(), c.selStart) << c.name;
    EXPECT_EQ(core.SelEnd(), c.selEnd) << c.name;
  }
  EditorCore core;
  core.SetText(kMixed);
  core.SetSel(1, 3);
  core.SetSel(-1, 0);
  EXPECT_EQ(core.SelStart(), core.SelEnd()) << "start -1 drops the selection";
  EXPECT_EQ(core.Caret(), 3u);
}

TEST(EditorCore, LimitCutsTextsAtWholeCharacters) {
  const struct {
    size_t limit;
    size_t room;
    std::string out;
  } cases[] = {
      {0, 100, kMixed}, {0, 4, "a\x82\xA0"}, {0, 3, "a"}, {2, 100, "a"}, {3, 100, "a\x82\xA0"}, {1, 1, ""}, {0, 1, ""},
  };
  for (const auto& c : cases) {
    EditorCore core;
    core.SetText(kMixed);
    core.SetLimit(c.limit);
    std::vector<char> buffer(c.room + 1, 'x');
    const size_t n = core.CopyOut(buffer.data(), c.room);
    EXPECT_EQ(std::string(buffer.data(), n), c.out) << "limit " << c.limit << ", room " << c.room;
    EXPECT_EQ(buffer[n], '\0');
    EXPECT_EQ(buffer[c.room], 'x') << "wrote past the room it was given";
  }
  EditorCore core;
  core.SetLimit(2);
  EXPECT_EQ(core.ReplaceSel("\x82\xA0\x82\xA2", false), 2u);
  EXPECT_EQ(core.ReplaceSel("x\x82\xA4", false), 1u) << "takes no half character";
  EXPECT_EQ(core.Text(), "\x82\xA0x");
}

TEST(EditorCore, UndoTakesBackChangesMostRecentFirst) {
  EditorCore core;
  core.SetText("abcdef");
  core.SetSel(0, 2);
  core.Clear();
  core.SetSel(0, 2);
  core.Clear();
  core.SetSel(0, 0);
  core.Clear();  // empty selection: nothing to undo later
  EXPECT_EQ(core.Text(), "ef");
  EXPECT_EQ(core.UndoDepth(), 2u);
  EXPECT_TRUE(core.Undo());
  EXPECT_EQ(core.Text(), "cdef");
  EXPECT_TRUE(core.Undo());
  EXPECT_EQ(core.Text(), "abcdef");
  EXPECT_EQ(core.SelStart(), 0u);
  EXPECT_EQ(core.SelEnd(), 2u) << "an undo selects what it put back";
  EXPECT_FALSE(core.Undo());
}

TEST(EditorCore, AReplacementThatCannotBeUndoneClearsTheHistory) {
  EditorCore core;
  core.SetText("abc");
  core.SetSel(0, 1);
  core.ReplaceSel("x", true);
  EXPECT_EQ(core.UndoDepth(), 1u);
  core.ReplaceSel("y", false);
  EXPECT_EQ(core.UndoDepth(), 0u);
  EXPECT_EQ(core.Text(), "xybc");
}

TEST(EditorCore, AnswersLineQueries) {
  EditorCore core;
  core.SetText("l0\r\nl1\r\n\r\nl3");  // lines start at 0, 4, 8, 10
  const struct {
    int64_t line;
    int64_t index;
  } starts[] = {{0, 0}, {1, 4}, {2, 8}, {3, 10}, {4, -1}};
  for (const auto& c : starts) EXPECT_EQ(core.LineIndex(c.line), c.index) << "line " << c.line;
  const struct {
    int64_t pos;
    int64_t line;
  } lines[] = {{0, 0}, {3, 0}, {4, 1}, {9, 2}, {10, 3}, {99, 3}};
  for (const auto& c : lines) EXPECT_EQ(core.LineFromChar(c.pos), c.line) << "position " << c.pos;
  core.SetSel(5, 11);
  EXPECT_EQ(core.LineFromChar(-1), 1) << "-1: the line of the selection's start";
  EXPECT_EQ(core.LineIndex(-1), 10) << "-1: the caret's line";
  EXPECT_EQ(core.LineCount(), 4u);
}

TEST(EditorZoo, GetSelAnswersInEachStyle) {
  for (const auto& c : quorva::test::kGetSelCases) {
    SCOPED_TRACE(c.Name);
    const GetSelAnswer answer = AnswerGetSel(c.Mode, c.Start, c.End);
    EXPECT_EQ(answer.writeOutputs, c.WritesOutputs);
    EXPECT_EQ(answer.result, c.Result);
  }
}

TEST(EditorZoo, EachSwitchIgnoresItsMessagesOnly) {
  const UINT messages[] = {EM_REPLACESEL, WM_SETTEXT, WM_CUT, WM_PASTE, WM_CHAR, WM_CLEAR, EM_UNDO, EM_CANUNDO,
                           WM_COPY, WM_GETTEXT, EM_GETSEL, EM_SETSEL};
  Zoo readOnly, noClear, noUndo, all;
  readOnly.readOnly = noClear.noClear = noUndo.noUndo = true;
  all.readOnly = all.noClear = all.noUndo = true;
  const struct {
    const char* name;
    Zoo zoo;
    std::vector<UINT> ignored;
  } cases[] = {
      {"default", Zoo{}, {}},
      {"read-only", readOnly, {EM_REPLACESEL, WM_SETTEXT, WM_CUT, WM_PASTE, WM_CHAR, WM_CLEAR}},
      {"no clear", noClear, {WM_CLEAR}},
      {"no undo", noUndo, {EM_UNDO, EM_CANUNDO}},
      {"all three", all, {EM_REPLACESEL, WM_SETTEXT, WM_CUT, WM_PASTE, WM_CHAR, WM_CLEAR, EM_UNDO, EM_CANUNDO}},
  };
  for (const auto& c : cases) {
    for (const UINT m : messages) {
      const bool expected = std::find(c.ignored.begin(), c.ignored.end(), m) != c.ignored.end();
      EXPECT_EQ(c.zoo.Ignores(m), expected) << c.name << ", message 0x" << std::hex << m;
    }
  }
}

TEST(EditorZoo, OnlyEditMessagesAreCounted) {
  const UINT counted[] = {WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT, EM_GETSEL, EM_SETSEL, EM_REPLACESEL, EM_UNDO,
                          WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_LINEINDEX, EM_LINEFROMCHAR, EM_GETFIRSTVISIBLELINE};
  for (const UINT m : counted) EXPECT_TRUE(IsEditMessage(m)) << "message 0x" << std::hex << m;
  const UINT notCounted[] = {EM_CANUNDO,      EM_GETLINECOUNT,  WM_CHAR,           WM_KEYDOWN,       WM_PAINT,
                             kSetLimitMessage, kZooOffMessage,   kAnsweredMessage,  kUndoDepthMessage, kReceivedMessage};
  for (const UINT m : notCounted) EXPECT_FALSE(IsEditMessage(m)) << "message 0x" << std::hex << m;
}

// Each character is the verdict for one message: 'a' answered, 'A' answered and closing,
// 'x' ignored and closing, '.' ignored; '|' disarms the counter at that point.
TEST(EditorZoo, CloseAfterAnswersExactlyNMessagesAndClosesOnce) {
  const struct {
    int64_t limit;
    std::string verdicts;
  } cases[] = {
      {-1, "aaaaaa"},       {0, "x..."},           {1, "A..."},          {3, "aaA..."},
      {3, "a|aaaaa"},       {2, "aA|..."},         {-1, "aa|aa"},
  };
  for (const auto& c : cases) {
    CloseAfter counter(c.limit);
    std::string got;
    int64_t answered = 0;
    for (const char expected : c.verdicts) {
      if (expected == '|') {
        counter.Disarm();
        got += '|';
        continue;
      }
      const CloseAfter::Verdict v = counter.Next();
      got += v.answer ? (v.close ? 'A' : 'a') : (v.close ? 'x' : '.');
      answered += v.answer;
    }
    EXPECT_EQ(got, c.verdicts) << "limit " << c.limit;
    EXPECT_EQ(counter.Answered(), answered) << "limit " << c.limit;
  }
}

}  // namespace
}  // namespace qeditor
