// Length, selection, Text and SelText against the in-process stand-in editor.
#include "EditorFixture.h"

namespace quorva::test {
namespace {

using TextTest = EditorFixture;

TEST_F(TextTest, ReadsLengthAndSelectionInBytes) {
  Open(u"aあbいc", 0, 1, 6);  // selection "あbい"
  EXPECT_EQ(bridge->Length(), 7);
  EXPECT_EQ(bridge->SelStart(), 1);
  EXPECT_EQ(bridge->SelLength(), 5);
  EXPECT_EQ(bridge->SelText(), L"あbい");
  bridge->SelStart(3);
  EXPECT_EQ(core->SelStart(), 3u);
  EXPECT_EQ(core->SelEnd(), 3u);
  bridge->SelLength(3);
  EXPECT_EQ(core->SelectedText(), A(u"bい"));
  bridge->SelLength(0);
  EXPECT_EQ(bridge->SelLength(), 0);
  EXPECT_EQ(bridge->SelStart(), 3);
  EXPECT_EQ(bridge->SelText(), L"");
}

TEST_F(TextTest, EmptyEditorReadsEmpty) {
  EXPECT_EQ(bridge->Length(), 0);
  Log().clear();
  EXPECT_EQ(bridge->Text(), L"");
  const std::vector<Sent> sent = {{WM_GETTEXTLENGTH, 0, 0, ""}};
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[0], sent[0]);
  EXPECT_EQ(Log()[1].message, static_cast<UINT>(WM_GETTEXT));
  EXPECT_EQ(Log()[1].wParam, 1) << "WM_GETTEXT with room for the terminating zero only";
  EXPECT_EQ(bridge->SelText(), L"");
}

TEST_F(TextTest, ShortSelTextWriteSendsTheCommonSequence) {
  Open(u"x=?;", 0, 2, 3);
  bridge->SelText(L"１２３");  // full width: 6 bytes, taken whole
  // The selected bytes are read first (up to the selection's end), so that a replacement that
  // cannot be completed can be taken back.
  const std::vector<Sent> expected = {
      {EM_GETSEL, 1, 1, ""},          {WM_GETTEXTLENGTH, 0, 0, ""},
      {WM_GETTEXT, 4, 0, ""},
      {EM_REPLACESEL, 0, 0, A(u"１２３")}, {WM_GETTEXTLENGTH, 0, 0, ""},
  };
  for (Sent& sent : Log()) {
    if (sent.message == WM_GETTEXT) sent.lParam = 0;  // the buffer's address differs from run to run
  }
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(Bytes(), A(u"x=１２３;"));
  EXPECT_EQ(core->Caret(), 8u) << "the caret stays after the inserted text";
  EXPECT_TRUE(reports.empty());
}

TEST_F(TextTest, SelTextWriteInsertsAtTheCaretAndDeletesWithEmptyText) {
  Open(u"ab", 0, 1, 1);
  bridge->SelText(L"あ");
  EXPECT_EQ(Bytes(), A(u"aあb"));
  core->SetSel(0, 3);
  bridge->SelText(L"");
  EXPECT_EQ(Bytes(), "b");
  EXPECT_TRUE(reports.empty());
}

TEST_F(TextTest, PiecewiseTextReadReturnsTheWholeTextAndRestoresTheEditor) {
  const std::u16string texts[] = {
      u"0123456789abcdefghij",
      u"計算：１２３＋４５６＝５７９\r\n二行目ｱｲｳ end",
      u"aあいうえおかきくけこ",
  };
  for (size_t limit : {2, 3, 4, 5, 7, 16}) {
    for (const auto& text : texts) {
      Open(text, limit, 3, 5);
      // An earlier change of the user's, still undoable afterwards.
      core->ReplaceSel(core->SelectedText(), true);
      const std::string before = Bytes();
      const size_t depth = core->UndoDepth();
      EXPECT_EQ(bridge->Text(), ToWide(text)) << "limit " << limit << ": " << A(text);
      EXPECT_EQ(Bytes(), before) << "limit " << limit;
      EXPECT_EQ(core->UndoDepth(), depth) << "limit " << limit << ": one undo per cut, no more";
      EXPECT_TRUE(reports.empty());
    }
  }
}

TEST_F(TextTest, PiecewiseReadOfAnExactMultipleTakesNoExtraUndo) {
  // 9 bytes in pieces of 4 - 1 = 3: the spare final pass finds nothing left to cut.
  Open(u"abcdefghi", 4, 0, 0);
  core->SetSel(0, 1);
  core->ReplaceSel("a", true);  // the user's own undoable edit
  EXPECT_EQ(bridge->Text(), L"abcdefghi");
  EXPECT_EQ(Bytes(), "abcdefghi");
  ASSERT_EQ(core->UndoDepth(), 1u);
  const size_t clears = std::count_if(Log().begin(), Log().end(), [](const Sent& s) { return s.message == WM_CLEAR; });
  const size_t undos = std::count_if(Log().begin(), Log().end(), [](const Sent& s) { return s.message == EM_UNDO; });
  EXPECT_EQ(clears, undos);
}

TEST_F(TextTest, TextReadFromAnEditorThatHandsOutOneByteIsReportedAndLeavesItAlone) {
  Open(u"abcdef", 1, 0, 0);
  EXPECT_EQ(bridge->Text(), L"");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].Caption, u"警告");
  EXPECT_EQ(Bytes(), "abcdef");
  const bool cut = std::any_of(Log().begin(), Log().end(), [](const Sent& s) { return s.message == WM_CLEAR; });
  EXPECT_FALSE(cut);
}

TEST_F(TextTest, TextWriteWithSmallLimitsWritesEverythingInPieces) {
  const std::u16string texts[] = {u"0123456789", u"１２３４５６７．８９", u"aあbいcうdえ", u"", u"x"};
  for (size_t limit : {0, 1, 2, 3, 5, 64}) {
    for (const auto& text : texts) {
      if (limit == 1 && A(text).find('\x82') != std::string::npos) continue;  // no whole character fits
      Open(u"old text that is longer", limit, 2, 4);
      bridge->Text(ToWide(text));
      EXPECT_EQ(Bytes(), A(text)) << "limit " << limit << ": " << A(text);
      EXPECT_TRUE(reports.empty()) << "limit " << limit << ": " << A(text);
    }
  }
}

TEST_F(TextTest, SelTextWriteWithSmallLimitsPlacesEveryPieceInOrder) {
  const std::u16string texts[] = {u"123,456.78", u"１２３，４５６．７８", u"aあbいcう"};
  for (size_t limit : {2, 3, 4, 5, 7}) {
    for (const auto& text : texts) {
      Open(u"[前sel後]", limit, 3, 6);  // "sel" selected
      bridge->SelText(ToWide(text));
      EXPECT_EQ(Bytes(), A(u"[前" + text + u"後]")) << "limit " << limit << ": " << A(text);
      EXPECT_EQ(core->Caret(), 3 + A(text).size()) << "limit " << limit;
      EXPECT_TRUE(reports.empty()) << "limit " << limit << ": " << A(text);
    }
  }
}

TEST_F(TextTest, SelTextWriteToAClosedEditorIsReportedOnce) {
  Open(u"abc", 0, 1, 1);
  DestroyWindow(main);
  bridge->SelText(L"123");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].Style, 16u);
  EXPECT_NE(reports[0].Text.find(u"Error #5"), std::u16string::npos);
}

TEST_F(TextTest, SelTextWriteThatTheEditorTakesOnlyInPartIsReported) {
  Open(u"ab", 1, 1, 1);  // one byte per message: no double-byte character ever fits
  bridge->SelText(L"1あ");
  EXPECT_EQ(Bytes(), "ab") << "the part that went in is taken out again";
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(TextTest, WritesEndWhenTheEditorTakesNothingMore) {
  Open(u"", 1, 0, 0);
  bridge->Text(L"12あ34");  // stops at "あ": no pass can add anything, and the loop must end
  EXPECT_EQ(Bytes(), "12");
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(TextTest, PositionsPastTheSixteenBitRangeReadBackWhole) {
  std::u16string text(70000, u'a');
  text += u"あい";
  Open(text, 0, 70000, 70002);
  EXPECT_EQ(bridge->SelStart(), 70000);
  EXPECT_EQ(bridge->SelLength(), 2);
  EXPECT_EQ(bridge->SelText(), L"あ");
  bridge->SelText(L"１２");
  EXPECT_EQ(Bytes().substr(69998), A(u"aa１２い"));
  EXPECT_EQ(bridge->Length(), 70006);
  // The editor's packed answer alone would have said 70000 & 0xFFFF.
  const auto packed = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(packed), 70004 & 0xFFFF);
}

}  // namespace
}  // namespace quorva::test
