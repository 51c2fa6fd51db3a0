// A memo under /now: answers that keep their notation, labels before a closing equals sign,
// total lines, and the note lines that must never change.
#include <gtest/gtest.h>

#include "common/text/Utf8.h"
#include "engine/InPlace.h"
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {


const AnswerFormat kYenFormat{u"0", true, false};  // /places:0 /group

InPlaceResult Work(std::u16string_view selection, InPlaceMode mode, const AnswerFormat& format = kYenFormat) {
  return WorkLines(selection, mode, [&](std::u16string_view e) { return QuietAnswerOf(e, format); });
}

struct MemoRow {
  std::u16string_view selection;
  InPlaceMode mode;
  std::u16string_view want;
  int answered;
};

void ExpectWorked(const MemoRow* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const MemoRow& r = rows[i];
    SCOPED_TRACE(Utf16ToUtf8(r.selection));
    test::MessageBoxRecorder boxes;
    const InPlaceResult got = Work(r.selection, r.mode);
    EXPECT_EQ(Utf16ToUtf8(got.Text), Utf16ToUtf8(r.want));
    EXPECT_EQ(got.Answered, r.answered);
    EXPECT_TRUE(boxes.Boxes.empty());
  }
}

constexpr auto kReplace = InPlaceMode::kReplace;
constexpr auto kAppend = InPlaceMode::kAppend;

TEST(MemoLines, AnAnswerKeepsTheNotationOfItsAmounts) {
  const MemoRow rows[] = {
      {u"\u00A51,200\u00D73", kReplace, u"\u00A53,600", 1},
      {u"\u00A51,200\u00D73", kAppend, u"\u00A51,200\u00D73 = \u00A53,600", 1},
      {u"1,200円\u00D73", kReplace, u"3,600円", 1},
      {u"\\1,200*3", kReplace, u"\\3,600", 1},
      {u"\uFFE5120*3=", kAppend, u"\uFFE5120*3=\uFFE5360", 1},
      {u"$19.99\u00D72", kReplace, u"$40", 1},
      {u"-\u00A5500*2", kReplace, u"-\u00A51,000", 1},
      {u"3万5千", kReplace, u"35,000", 1},
      {u"616万1500円", kReplace, u"6,161,500円", 1},
      {u"1,280+10%", kReplace, u"1,408", 1},
      {u"8%", kAppend, u"8% = 0", 1},
  };
  ExpectWorked(rows, std::size(rows));
}

TEST(MemoLines, ALabelBeforeAClosingEqualsSignStays) {
  const MemoRow rows[] = {
      {u"交通費 1,200\u00D72 =", kReplace, u"交通費 2,400", 1},
      {u"交通費 1,200\u00D72 =", kAppend, u"交通費 1,200\u00D72 = 2,400", 1},
      {u"りんご \u00A5120\u00D73 =", kReplace, u"りんご \u00A5360", 1},
      {u"りんご \u00A5120\u00D73 =", kAppend, u"りんご \u00A5120\u00D73 = \u00A5360", 1},
      {u"  交通費1,200*2＝  ", kReplace, u"  交通費2,400  ", 1},
      {u"交通費\u30001,200*2\u3000＝", kAppend, u"交通費\u30001,200*2\u3000＝\u30002,400", 1},
      {u"2026-12-09 打合せ 1+2 =", kReplace, u"2026-12-09 打合せ 3", 1},
      {u"A1 10+5 =", kReplace, u"A1 15", 1},
      {u"Taxi: 1,200 + 10% =", kAppend, u"Taxi: 1,200 + 10% = 1,320", 1},
      {u"1+2 =", kReplace, u"3", 1},                         // no label: as before
      {u"交通費 1,200\u00D72", kReplace, u"交通費 1,200\u00D72", 0},  // no equals sign: a note
      {u"交通費 =", kReplace, u"交通費 =", 0},
      {u"交通費 1+a =", kReplace, u"交通費 1+a =", 0},
  };
  ExpectWorked(rows, std::size(rows));
}

TEST(MemoLines, TotalLinesAddUpTheLinesAboveThem) {
  const MemoRow rows[] = {
      {u"120\r\n80\r\n合計", kReplace, u"120\r\n80\r\n合計 200", 1},
      {u"りんご \u00A5120\r\n家賃 65,000円\r\n合計 =", kReplace,
       u"りんご \u00A5120\r\n家賃 65,000円\r\n合計 = 65,120", 1},
      {u"りんご \u00A5120×3 =\r\nみかん \u00A580*2 =\r\n合計：", kReplace,
       u"りんご \u00A5360\r\nみかん \u00A5160\r\n合計：\u00A5520", 3},  // one notation: the total keeps it
      {u"a 100 =\r\nb 200 =\r\n小計\r\nc 1,000 =\r\n小計\r\n合計", kReplace,
       u"a 100\r\nb 200\r\n小計 300\r\nc 1,000\r\n小計 1,000\r\n合計 1,300", 6},
      {u"1+2\r\n小計\r\n小計", kAppend, u"1+2 = 3\r\n小計 3\r\n小計", 2},  // nothing since the last one
      {u"100\r\n合計\r\n50\r\n合計", kReplace, u"100\r\n合計 100\r\n50\r\n合計 50", 2},  // a second 合計: the next invoice,
      {u"100\r\nメモ\r\n2026-12-09 打合せ\r\n200\r\nTotal", kReplace,
       u"100\r\nメモ\r\n2026-12-09 打合せ\r\n200\r\nTotal 300", 1},
      {u"1\r\n2\r\nＳＵＭ=", kReplace, u"1\r\n2\r\nＳＵＭ=3", 1},
      {u"1\r\n2\r\n  total : \t", kReplace, u"1\r\n2\r\n  total : \t3", 1},
      {u"1\r\n2\r\n計 ＝", kReplace, u"1\r\n2\r\n計 ＝ 3", 1},
      {u"1\r\n2\r\nsum:", kReplace, u"1\r\n2\r\nsum: 3", 1},
      {u"1,000\r\n-250\n合計", kReplace, u"1,000\r\n-250\n合計 750", 1},
      {u"TEL 03-1234-5678\r\n10:30 会議 2\r\n100\r\n合計", kReplace,
       u"TEL 03-1234-5678\r\n10:30 会議 2\r\n100\r\n合計 102", 1},  // a figure after a label is an amount
      // Worked once more, with a total below: the totals written the first time add nothing.
      {u"a 100\r\nb 200\r\n小計 300\r\nc 1,000\r\n小計 1,000\r\n合計 1,300\r\nd 5\r\n小計\r\n合計", kReplace,
       u"a 100\r\nb 200\r\n小計 300\r\nc 1,000\r\n小計 1,000\r\n合計 1,300\r\nd 5\r\n小計 5\r\n合計 5", 2},
      {u"\u00A5360\r\n合計：\u00A5360\r\n\u00A5160\r\nsum = 160\r\n合計", kReplace,
       u"\u00A5360\r\n合計：\u00A5360\r\n\u00A5160\r\nsum = 160\r\n合計", 0},  // "sum = 160" ends the range,
      {u"合計", kReplace, u"合計", 0},                 // nothing above
      {u"メモ\r\n合計", kReplace, u"メモ\r\n合計", 0},
      {u"100\r\n合計額", kReplace, u"100\r\n合計額", 0},  // not only a total word
      {u"\u00A5100\r\n$5\r\n合計", kReplace, u"\u00A5100\r\n$5\r\n合計", 0},  // yen and dollars: no total
  };
  ExpectWorked(rows, std::size(rows));
}

TEST(MemoLines, ATotalAddsTheAnswersAsWrittenWithTheUsersRounding) {
  const AnswerFormat down{u"0", true, false, Rounding::kDown};
  const InPlaceResult got =
      Work(u"1,980×1.08\r\n1,980×1.08\r\n合計", kReplace, down);  // 2138.4 each, written 2,138
  EXPECT_EQ(Utf16ToUtf8(got.Text), "2,138\r\n2,138\r\n合計 4,276");
  const AnswerFormat wide{u"0", true, true};
  EXPECT_EQ(Utf16ToUtf8(Work(u"1000\r\n2000\r\n合計", kReplace, wide).Text), "1000\r\n2000\r\n合計 ３，０００");
}

// Lines people keep in a memo that are no expression: none of them changes, alone or together,
// whatever the mode.
TEST(MemoLines, NoteLinesNeverChange) {
  const std::u16string_view notes[] = {
      u"2026-12-09 打合せ", u"2026年12月9日(水)", u"12/9(水) 14:00〜", u"10:30", u"10:30-12:00 会議",
      u"TEL 03-1234-5678", u"電話: 090-1234-5678", u"〒150-0001", u"〒150-0001 東京都渋谷区神宮前1-2-3",
      u"3-4人", u"5〜10個", u"1-2週間", u"p.12-15", u"第3四半期", u"v1.2.3", u"ver 2.0.1 リリース",
      u"https://example.com/a?b=1&c=2", u"http://example.jp/2026/12/09", u"mail: a.b-c@example.com",
      u"ランチ 1,200円でした", u"1,200円のランチ", u"\u00A51,200のランチ", u"家賃は65,000円", u"約3万円",
      u"3万円くらい", u"1万歩", u"2億年前", u"100円ショップ", u"10%オフ", u"50% off", u"消費税10%",
      u"税込 1,100円（税抜 1,000円）", u"ID: A-123", u"#23 メモ計算", u"第2回 打合せ", u"午前10時30分",
      u"メモ", u"* 買い物", u"- 牛乳", u"・卵 2パック", u"(注) 8%は軽減税率", u"1) 準備", u"①資料作成",
      u"size 1920x1080", u"3.5inch", u"20°C", u"x = 5", u"a+b", u"合計額", u"計算メモ", u"total amount",
      u"sum of all", u"%5", u"5%%", u"万", u"1万万", u"¥", u"$",
  };
  test::MessageBoxRecorder boxes;
  std::u16string memo;
  for (const std::u16string_view note : notes) {
    SCOPED_TRACE(Utf16ToUtf8(note));
    for (const InPlaceMode mode : {kReplace, kAppend}) {
      const InPlaceResult one = Work(note, mode);
      EXPECT_EQ(Utf16ToUtf8(one.Text), Utf16ToUtf8(note));
      EXPECT_EQ(one.Answered, 0);
    }
    (memo += note) += u"\r\n";
  }
  for (const InPlaceMode mode : {kReplace, kAppend}) EXPECT_EQ(Utf16ToUtf8(Work(memo, mode).Text), Utf16ToUtf8(memo));
  EXPECT_TRUE(boxes.Boxes.empty());
}

// One memo with labels, amounts, a subtotal and a total, as the guide shows it.
TEST(MemoLines, AWholeMemo) {
  const std::u16string_view memo =
      u"12/9 出張\r\n交通費 1,200×2 =\r\nホテル 8,500\r\n小計\r\n会議室 3時間 2,000×3 =\r\n資料 1,280+10% =\r\n合計：";
  EXPECT_EQ(Utf16ToUtf8(Work(memo, kReplace).Text),
            "12/9 出張\r\n交通費 2,400\r\nホテル 8,500\r\n小計 10,900\r\n会議室 3時間 6,000\r\n資料 1,408\r\n合計：18,308");
  EXPECT_EQ(Utf16ToUtf8(Work(memo, kAppend).Text),
            "12/9 出張\r\n交通費 1,200×2 = 2,400\r\nホテル 8,500\r\n小計 10,900\r\n会議室 3時間 2,000×3 = 6,000\r\n"
            "資料 1,280+10% = 1,408\r\n合計：18,308");
}

}  // namespace
}  // namespace quorva
