// The selection is read exactly or not at all, and a write leaves the editor's text exactly as
// promised or exactly as before, with one report when it did not do what it promised.
#include "EditorFixture.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>

#include "bridge/SelectionRecovery.h"
#include "shared/RuntimeError.h"

namespace quorva::test {
namespace {

constexpr char16_t kCannotRead[] = u"エディタから文字列を読み取れません。";
constexpr char16_t kCannotWrite[] = u"エディタに文字列を書き込めません。";
constexpr char16_t kPartial[] = u"エディタが文字列の一部しか受け取りませんでした。";
constexpr char16_t kDamaged[] = u"エディタの文字列を元に戻せませんでした。";

TEST(SelectionHalves, AreSettledOnlyWhereTheLinesLeaveOnePlace) {
  const struct {
    const char* name;
    uint16_t lowStart, lowEnd;
    LineAnswers lines;
    std::optional<std::pair<int32_t, int32_t>> expected;
  } rows[] = {
      {"one line just past 65536", 65535, 1, {66537, 0, 66537}, std::pair{65535, 65537}},
      {"second line of 70 KB", 70006 & 0xFFFF, 70010 & 0xFFFF, {70100, 70001, 70100}, std::pair{70006, 70010}},
      {"one line of 140 KB: two places", 70006 & 0xFFFF, 70010 & 0xFFFF, {140010, 0, 140010}, std::nullopt},
      {"start settled, end open, caret line after it",
       100,
       200,
       {300000, 65636, 65700, 196800, 196900},
       std::pair{65636, 196808}},
      {"start settled, end open, caret on the start's line", 100, 200, {300000, 65636, 65700, 65636, 65700},
       std::nullopt},
      {"the editor gave no line", 4470, 4474, {70100, -1, -1}, std::nullopt},
      {"the line ends before the half", 100, 104, {70000, 65000, 65050}, std::nullopt},
      {"an empty selection after 65535 on its own line", 4464, 4464, {70010, 69000, 70010}, std::pair{70000, 70000}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const auto settled = SettleHalves(r.lowStart, r.lowEnd, r.lines);
    ASSERT_EQ(settled.has_value(), r.expected.has_value());
    if (!settled) continue;
    EXPECT_EQ(settled->start, r.expected->first);
    EXPECT_EQ(settled->end, r.expected->second);
    EXPECT_TRUE(settled->full);
  }
}

TEST(ChangeLocation, IsTheOnePlaceThatExplainsTheChange) {
  const std::string line = std::string(70006, 'x') + "12*3" + std::string(70000, 'y');
  const std::string repeated = std::string(70006, 'x') + "12*3" + std::string(65532, 'x') + "12*3" + "yy";
  const auto replaced = [](std::string text, size_t at, size_t length, const std::string& with) {
    return text.replace(at, length, with);
  };
  const struct {
    const char* name;
    std::string before, after;
    uint16_t lowStart;
    int32_t length;
    std::string replacement;
    std::optional<int32_t> expected;
  } rows[] = {
      {"one byte of the answer went in", line, replaced(line, 70006, 4, "3"), 70006 & 0xFFFF, 4, "36.00", 70006},
      {"all of it went in", line, replaced(line, 70006, 4, "36.00"), 70006 & 0xFFFF, 4, "36.00", 70006},
      {"nothing went in", line, replaced(line, 70006, 4, ""), 70006 & 0xFFFF, 4, "36.00", 70006},
      {"the same selected bytes in both places", repeated, replaced(repeated, 70006, 4, "3"), 70006 & 0xFFFF, 4,
       "36.00", 70006},
      {"a text that reads the same from every place", std::string(140010, 'x'), std::string(140007, 'x'),
       70006 & 0xFFFF, 4, "x1", std::nullopt},
      {"what went in is not the answer's front", line, replaced(line, 70006, 4, "6"), 70006 & 0xFFFF, 4, "36.00",
       std::nullopt},
      {"the change is not where the halves say", line, replaced(line, 70006, 4, "3"), 70005 & 0xFFFF, 4, "36.00",
       std::nullopt},
      {"more went in than the answer holds", line, replaced(line, 70006, 4, "36.000"), 70006 & 0xFFFF, 4, "36.00",
       std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(LocateChange(r.before, r.after, r.lowStart, r.length, r.replacement), r.expected);
  }
}

// A write over "XYZ" in "abc XYZ def" that an editor takes so many bytes a message, with the
// switch a table adds: what the text is afterwards and the one report, if any.
struct WriteRow {
  const char* name;
  size_t takeLimit;
  const wchar_t* write;
  const char* after;
  const char16_t* report;  // nullptr: none
};

class WholeOrNothing : public EditorFixture {
 protected:
  void ExpectWrites(std::initializer_list<WriteRow> rows, const std::function<void(qeditor::Options&)>& editor) {
    for (const auto& r : rows) {
      SCOPED_TRACE(r.name);
      qeditor::Options o;
      o.text = "abc XYZ def";
      o.takeLimit = r.takeLimit;
      o.selStart = 4;
      o.selEnd = 7;
      editor(o);
      Open(o);
      bridge->SelText(r.write);
      EXPECT_EQ(Bytes(), r.after);
      ASSERT_EQ(reports.size(), r.report ? 1u : 0u);
      if (r.report) {
        EXPECT_NE(reports[0].Text.find(r.report), std::u16string::npos) << A(reports[0].Text);
      }
    }
  }
};

TEST_F(WholeOrNothing, ReadsAcrossSixteenBitsExactlyOrReportOnceAndGiveNothing) {
  const std::string first = std::string(69999, 'x') + "\r\n" + A(u"合計 ");
  const struct {
    const char* name;
    qeditor::GetSelMode mode;
    std::string text;
    int64_t start, end;
    const wchar_t* expected;
    bool reported;
  } rows[] = {
      {"packed, second line", qeditor::GetSelMode::kPacked, first + "12*3 y", 70006, 70010, L"12*3", false},
      {"-1, second line", qeditor::GetSelMode::kMinusOne, first + "12*3 y", 70006, 70010, L"12*3", false},
      {"addresses, a caret past 65535 on one long line", qeditor::GetSelMode::kBoth, std::string(140000, 'a'), 70000,
       70000, L"", false},
      {"packed, one long line", qeditor::GetSelMode::kPacked, std::string(70006, 'x') + "12*3" + std::string(70000, 'y'),
       70006, 70010, L"", true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    qeditor::Options o;
    o.text = r.text;
    o.selStart = r.start;
    o.selEnd = r.end;
    o.zoo.getSel = r.mode;
    Open(o);
    EXPECT_EQ(bridge->SelText(), r.expected);
    ASSERT_EQ(reports.size(), r.reported ? 1u : 0u);
    if (r.reported) {
      EXPECT_NE(reports[0].Text.find(kCannotRead), std::u16string::npos);
    }
    EXPECT_EQ(Bytes(), r.text);
  }
}

TEST_F(WholeOrNothing, WritesAcrossSixteenBitsGoInWholeWhateverTheWayOfEmGetSel) {
  const std::string text = std::string(65534, 'a') + "XYZ def";
  const struct {
    const char* name;
    qeditor::GetSelMode mode;
    size_t takeLimit;
  } rows[] = {
      {"packed, taken whole", qeditor::GetSelMode::kPacked, 0},
      {"packed, 3 bytes a message", qeditor::GetSelMode::kPacked, 3},
      {"-1, 3 bytes a message", qeditor::GetSelMode::kMinusOne, 3},
      {"addresses, 3 bytes a message", qeditor::GetSelMode::kBoth, 3},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    qeditor::Options o;
    o.text = text;
    o.selStart = 65534;
    o.selEnd = 65537;
    o.takeLimit = r.takeLimit;
    o.zoo.getSel = r.mode;
    Open(o);
    bridge->SelText(L"9.00");
    EXPECT_EQ(Bytes(), std::string(65534, 'a') + "9.00 def");
    EXPECT_TRUE(reports.empty());
  }
}

TEST_F(WholeOrNothing, EmptySelectionPastSixteenBitsReadsBackWhole) {
  qeditor::Options o;
  o.text = std::string(140000, 'a');
  o.selStart = o.selEnd = 70000;
  Open(o);
  EXPECT_EQ(bridge->SelStart(), 70000);
  EXPECT_EQ(bridge->SelLength(), 0);
}

TEST_F(WholeOrNothing, FailedWritesLeaveTheTextAsItWasAndReportOnce) {
  const struct {
    const char* name;
    size_t takeLimit;
    bool readOnly;
    std::u16string text;
    int64_t start, end;
    const wchar_t* write;
    const char16_t* report;
    bool putBack = true;  // false: the editor cannot take the selected bytes back either
    qeditor::GetSelMode mode = qeditor::GetSelMode::kBoth;
  } rows[] = {
      {"takes nothing of a double-byte answer", 1, false, u"abc XYZ def", 4, 7, L"１２", kCannotWrite},
      {"takes the first byte only", 1, false, u"abc XYZ def", 4, 7, L"1あ", kPartial},
      {"takes nothing at the caret", 1, false, u"ab", 1, 1, L"あ", kCannotWrite},
      {"read-only", 0, true, u"abc XYZ def", 4, 7, L"123", kCannotWrite},
      // An editor that takes one byte a message can take no double-byte character back: that
      // is said, instead of a failure that reads as if nothing had changed.
      {"double-byte selection, one byte a message", 1, false, u"合計 漢字 円", 5, 9, L"1い", kDamaged, false},
      // Only packed halves on one line with two places for them: the change itself tells where.
      {"packed halves on one long line, the first byte only", 1, false,
       std::u16string(70006, u'x') + u"12*3" + std::u16string(70000, u'y'), 70006, 70010, L"1あ", kPartial, true,
       qeditor::GetSelMode::kPacked},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    qeditor::Options o;
    o.text = A(r.text);
    o.takeLimit = r.takeLimit;
    o.zoo.readOnly = r.readOnly;
    o.zoo.getSel = r.mode;
    o.selStart = r.start;
    o.selEnd = r.end;
    Open(o);
    bridge->SelText(r.write);
    if (r.putBack) {
      EXPECT_EQ(Bytes(), A(r.text));
    }
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].Text.find(r.report), std::u16string::npos) << A(reports[0].Text);
  }
}

TEST_F(WholeOrNothing, AWriteAfterAPiecewiseReadLandsOnTheUsersSelection) {
  qeditor::Options o;
  o.text = "abc XYZ def ghi";
  o.giveLimit = 4;  // the read cuts pieces off the front and puts them back
  o.selStart = 4;
  o.selEnd = 7;
  Open(o);
  EXPECT_EQ(bridge->SelText(), L"XYZ");
  bridge->SelText(L"9");
  EXPECT_EQ(Bytes(), "abc 9 def ghi");
  EXPECT_TRUE(reports.empty());
}

TEST_F(WholeOrNothing, WhereTheSelectedBytesCannotBeReadTheNewTextGoesInBeforeTheyGo) {
  ExpectWrites(
      {
          {"taken whole", 0, L"9", "abc 9 def", nullptr},
          {"taken in pieces", 1, L"12345", "abc 12345 def", nullptr},
          {"takes nothing of a double-byte answer", 1, L"１２", "abc XYZ def", kCannotWrite},
          {"takes the first byte only", 1, L"1あ", "abc XYZ def", kPartial},
      },
      [](qeditor::Options& o) { o.giveLimit = 2; });  // never the bytes up to the selection's end
}

// An editor busy for a moment after the first change takes the rest, or the selection back, once
// it is ready again: giving up at its first refusal would leave the text neither way.
TEST_F(WholeOrNothing, AnEditorBusyForAMomentGetsTheWholeAnswerOrTheSelectionBack) {
  ExpectWrites(
      {
          {"busy while the rest goes in", 2, L"9.00", "abc 9.00 def", nullptr},
          {"busy while the selection goes back", 1, L"１２", "abc XYZ def", kCannotWrite},
      },
      [](qeditor::Options& o) { o.zoo.busy = 10; });
}

TEST_F(WholeOrNothing, ATextThatWouldTakeTooManyCutsIsReportedWithoutOne) {
  qeditor::Options o;
  o.text = std::string(3000, 'a');
  o.giveLimit = 3;  // a thousand cuts and as many undos
  Open(o);
  EXPECT_EQ(bridge->Text(), L"");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].Text.find(kCannotRead), std::u16string::npos);
  EXPECT_EQ(std::count_if(Log().begin(), Log().end(), [](const Sent& s) { return s.message == WM_CLEAR; }), 0);
  EXPECT_EQ(Bytes(), o.text);
}

// Fails every Length read from the given one on, with overflow.
class FailingLater : public clsTeraPad {
 public:
  int failFrom = 1 << 30;
  int calls = 0;
  int32_t Length() override {
    if (++calls >= failFrom) Raise(kOverflow);
    return clsTeraPad::Length();
  }
};

class WriteThatFails : public EditorFixture {
 protected:
  std::unique_ptr<clsTeraPad> MakeBridge() override { return std::make_unique<Telling<FailingLater>>(reports); }
};

TEST_F(WriteThatFails, WhileTheRestGoesInIsReportedOnce) {
  Open(u"abc XYZ def", 3, 4, 7);
  static_cast<FailingLater&>(*bridge).failFrom = 3;  // before, after, then inside the continuation
  bridge->SelText(L"123456");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].Text.find(u"Error #6"), std::u16string::npos) << A(reports[0].Text);
}

}  // namespace
}  // namespace quorva::test
