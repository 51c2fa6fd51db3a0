// The bridge in-process against editors that hand out only a few bytes a message and answer the
// rest otherwise (across processes Wine measures the length through WM_GETTEXT, so such an editor
// reports a shorter length there): the piecewise read, zero bytes, files, a busy clipboard.
#include <algorithm>

#include "EditorFixture.h"
#include "common/windows/Handles.h"
#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/TempFile.h"

namespace quorva::test {
namespace {

using PeerTest = EditorFixture;

size_t Count(UINT message) {
  return std::count_if(Log().begin(), Log().end(), [&](const Sent& s) { return s.message == message; });
}

TEST_F(PeerTest, PiecewiseReadGivesTheWholeTextOrReportsOnceAndLeavesTheUsersEditsAlone) {
  const std::u16string text = u"計算：１２３＋４５６＝５７９ end of text";
  const struct {
    const char* name;
    qeditor::Zoo zoo;
    bool whole;            // the read returns the whole text
    bool undoKept;         // the text is put back and the user's own earlier edit can still be undone
    size_t clears, undos;  // at most this many WM_CLEAR and EM_UNDO (0 for "any")
  } cases[] = {
      {"cuts and undoes", {}, true, true, 0, 0},
      {"EM_GETSEL packed only", {qeditor::GetSelMode::kPacked}, true, true, 0, 0},
      {"WM_CLEAR ignored", {.noClear = true}, false, true, 1, 0},
      {"read-only", {.readOnly = true}, false, true, 1, 0},
      // Without undo the cut pieces go back in as they were; the history cannot be kept.
      {"no undo", {.noUndo = true}, true, false, 0, 0},
      // The window stays but answers nothing more: there is no putting back, and that is said.
      {"stops answering during the read", {.closeAfter = 12}, false, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    qeditor::Options o;
    o.text = A(text);
    o.giveLimit = 5;
    o.selStart = 3;
    o.selEnd = 5;
    o.zoo = c.zoo;
    Open(o);
    core->ReplaceSel(core->SelectedText(), true);  // an earlier edit of the user's, undoable
    const std::string before = Bytes();
    Log().clear();
    const std::wstring got = bridge->Text();
    if (c.whole) {
      EXPECT_EQ(got, ToWide(text));
      EXPECT_TRUE(reports.empty());
    } else {
      EXPECT_EQ(got, L"") << "a partial text is no result";
      ASSERT_EQ(reports.size(), 1u);
      const std::u16string why = c.undoKept || c.zoo.noUndo ? u"エディタから文字列を読み取れません。"
                                                            : u"エディタの文字列を元に戻せませんでした。";
      EXPECT_NE(reports[0].Text.find(why), std::u16string::npos);
    }
    if (c.undoKept || c.zoo.noUndo) {
      EXPECT_EQ(Bytes(), before) << "the editor's text is put back";
    }
    if (c.undoKept) {
      EXPECT_EQ(core->UndoDepth(), 1u);
    }
    if (c.clears) {
      EXPECT_EQ(Count(WM_CLEAR), c.clears);
      EXPECT_EQ(Count(EM_UNDO), c.undos);
    }
    EXPECT_GE(Count(WM_CLEAR), Count(EM_UNDO)) << "never more undos than cuts";
  }
}

TEST_F(PeerTest, ZeroBytesInsideTheTextAreKept) {
  const std::string bytes = std::string("ab\0cd", 5) + A(u"あ") + std::string("\0z", 2);
  for (size_t limit : {0, 3}) {
    SCOPED_TRACE(limit);
    qeditor::Options o;
    o.text = bytes;
    o.giveLimit = limit;
    Open(o);
    const std::wstring got = bridge->Text();
    EXPECT_EQ(got, std::wstring(L"ab\0cdあ\0z", 8));
    EXPECT_EQ(Bytes(), bytes);
    EXPECT_TRUE(reports.empty());
  }
}

TEST_F(PeerTest, FileWriteKeepsAttributesAndFailsOnlyWhereThePlatformWould) {
  const struct {
    const char* name;
    DWORD attributes;  // of the existing file
    bool lock;         // another program holds it open without sharing
    int32_t error;     // 0: written
    const char16_t* description;
  } cases[] = {
      {"hidden", FILE_ATTRIBUTE_HIDDEN, false, 0, u""},
      {"system", FILE_ATTRIBUTE_SYSTEM, false, 0, u""},
      {"locked", FILE_ATTRIBUTE_NORMAL, true, 70, u"書き込みできません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFile file(L"attributes.txt", "former, longer content");
    ASSERT_TRUE(SetFileAttributesW(file.Path().c_str(), c.attributes));
    Handle lock(c.lock ? CreateFileW(file.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr);
    reports.clear();
    bridge->Path(file.Path());
    bridge->File(L"新しい");
    lock.Reset();
    MSG msg;
    const bool f5 = PeekMessageW(&msg, main, WM_KEYDOWN, WM_KEYUP, PM_REMOVE) != FALSE;
    while (PeekMessageW(&msg, main, WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
    }
    if (c.error == 0) {
      EXPECT_TRUE(reports.empty());
      EXPECT_EQ(file.Bytes(), A(u"新しい"));
      EXPECT_EQ(GetFileAttributesW(file.Path().c_str()) & c.attributes, c.attributes) << "attributes kept";
      EXPECT_TRUE(f5);
    } else {
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_NE(reports[0].Text.find(u"Error #" + FromWide(std::to_wstring(c.error))), std::u16string::npos);
      EXPECT_NE(reports[0].Text.find(c.description), std::u16string::npos);
      EXPECT_EQ(file.Bytes(), "former, longer content") << "a failed write leaves the file as it was";
      EXPECT_FALSE(f5) << "F5 only after a successful write";
    }
  }
}

TEST_F(PeerTest, FileErrorsAreThePlatformsNumbers) {
  const struct {
    const char* name;
    std::wstring path;
    int32_t error;
  } cases[] = {
      {"missing file", L"C:\\quorva-no-such-file.txt", 53},
      {"missing folder", L"C:\\quorva-no-such-folder\\x.txt", 76},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reports.clear();
    bridge->Path(c.path);
    EXPECT_EQ(bridge->File(), L"");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].Text.find(u"Error #" + FromWide(std::to_wstring(c.error))), std::u16string::npos);
  }
}

TEST_F(PeerTest, ABusyClipboardIsReportedOnceAndTheEditorIsLeftAlone) {
  Open(u"abc XYZ def", 0, 4, 7);
  {
    ClipboardHold hold;
    bridge->Clip(L"9.00");
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].Text.find(u"Error #521"), std::u16string::npos);
  EXPECT_NE(reports[0].Text.find(u"クリップボードを開けません。"), std::u16string::npos);
  EXPECT_EQ(Bytes(), "abc XYZ def");
  EXPECT_EQ(Count(WM_PASTE), 0u);

  reports.clear();
  bridge->Clip(L"9.00");
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(Bytes(), "abc 9.00 def");
  EXPECT_EQ(ClipboardBytes(), "9.00");
}

}  // namespace
}  // namespace quorva::test
