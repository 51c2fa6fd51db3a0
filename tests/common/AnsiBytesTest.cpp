// Byte counts and byte ranges in code page 932, the same natively (iconv) and under Wine.
#include <gtest/gtest.h>

#include "common/text/Ansi.h"
#include "common/subTool.h"

namespace quorva {
namespace {

TEST(Ansi, RoundTripsJapaneseTextThroughCodePage932) {
  const std::u16string texts[] = {u"", u"abc", u"１２３．４５", u"あいう", u"ｱｲｳ", u"a\r\nb", u"表示"};
  for (const auto& t : texts) {
    EXPECT_EQ(FromAnsi(ToAnsi(t)), t);
  }
  EXPECT_EQ(ToAnsi(u"あ"), "\x82\xA0");
  EXPECT_EQ(ToAnsi(u"表"), "\x95\x5C");
}

TEST(Ansi, KeepsEmbeddedZeroBytes) {
  EXPECT_EQ(FromAnsi(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
  EXPECT_EQ(ToAnsi(std::u16string(u"a\0\0", 3)), std::string("a\0\0", 3));
}

TEST(Ansi, ConvertsBytesWithoutACharacterAsWindowsDoes) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"a\x82", u"a\u30FB"},      // lone lead byte at the end
      {"\x82\x20", u"\u30FB"},    // lead byte with an invalid trail byte
      {"\x85\x40", u"\u30FB"},    // unassigned pair
      {"\x80", u"\u0080"},
      {"\xA0", u"\uF8F0"},
      {"\xFD", u"\uF8F1"},
      {"\x82" "a", u"\uFF22"},    // a valid pair after all
  };
  for (const auto& c : cases) EXPECT_EQ(FromAnsi(c.bytes), c.text) << testing::PrintToString(c.bytes);
}

TEST(Ansi, TellsLeadBytesOfCodePage932) {
  EXPECT_TRUE(IsAnsiLeadByte(0x82));
  EXPECT_TRUE(IsAnsiLeadByte(0xE0));
  EXPECT_FALSE(IsAnsiLeadByte('a'));
  EXPECT_FALSE(IsAnsiLeadByte(0xB1));  // half-width katakana is one byte
}

TEST(LenAnsi, CountsBytesOfTheAnsiCodePage) {
  const struct {
    std::u16string text;
    int32_t bytes;
  } cases[] = {
      {u"", 0}, {u"abc", 3}, {u"あ", 2}, {u"aあb", 4}, {u"１２３", 6}, {u"ｱｲｳ", 3}, {u"\r\n", 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LenAnsi(c.text), c.bytes) << "bytes of text " << ToAnsi(c.text);
  }
}

TEST(MidAnsi, TakesByteRanges) {
  const struct {
    std::u16string text;
    int32_t start, length;
    std::u16string expected;
  } cases[] = {
      {u"abcdef", 1, 3, u"abc"},
      {u"abcdef", 4, 10, u"def"},  // fewer bytes when the text ends earlier
      {u"abcdef", 7, 1, u""},      // start beyond the end
      {u"abcdef", 2, 0, u""},
      {u"", 1, 5, u""},
      {u"aあb", 2, 2, u"あ"},      // the double-byte character alone
      {u"aあb", 5, 1, u""},
      {u"aあb", 1, 4, u"aあb"},
      {u"abあ", 1, 3, u"ab"},      // ends on a lead byte: lLength - 1 characters
      {u"aあb", 2, 1, u""},        // only the lead byte: nothing
      {u"あいう", 1, 5, u"あい"},  // cut after earlier double-byte characters: no stray character
      {u"あいう", 3, 3, u"い"},
      {u"１２３．４５", 7, 6, u"．４５"},
  };
  for (const auto& c : cases) {
    const std::u16string got = MidAnsi(c.text, c.start, c.length);
    EXPECT_EQ(got, c.expected) << "MidAnsi(" << ToAnsi(c.text) << ", " << c.start << ", " << c.length
                               << ") gave " << ToAnsi(got);
    EXPECT_LE(LenAnsi(got), c.length);
  }
}

TEST(MidAnsi, NeverHandsOutMoreBytesThanAskedWhereverTheRangeFalls) {
  const std::u16string text = u"aあbいｳう１c";
  const int32_t total = LenAnsi(text);
  for (int32_t start = 1; start <= total + 1; ++start) {
    for (int32_t length = 0; length <= total + 1; ++length) {
      EXPECT_LE(LenAnsi(MidAnsi(text, start, length)), length) << start << "," << length;
    }
  }
}

TEST(MidAnsi, ConsecutivePiecesRebuildTheText) {
  // The bridge writes long texts in pieces this way, each piece starting where the last ended.
  const std::u16string text = u"計算結果は１２３，４５６．７８です。abc";
  for (int32_t piece = 1; piece <= 5; ++piece) {
    std::u16string rebuilt;
    int32_t pos = 0;
    for (int guard = 0; pos < LenAnsi(text) && guard < 100; ++guard) {
      std::u16string part = MidAnsi(text, pos + 1, piece);
      if (part.empty()) part = MidAnsi(text, pos + 1, piece + 1);  // a lone lead byte needs one more
      rebuilt += part;
      pos += LenAnsi(part);
    }
    EXPECT_EQ(rebuilt, text) << "piece " << piece;
  }
}

TEST(MidAnsi, RejectsStartBelowOneAndNegativeLength) {
  for (const auto& [start, length] : {std::pair{0, 1}, std::pair{-1, 1}, std::pair{1, -1}}) {
    try {
      MidAnsi(u"abc", start, length);
      ADD_FAILURE() << "no error for " << start << "," << length;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number, kInvalidArgument);
    }
  }
}

TEST(MidAnsi, LeavesTheCallersTextAlone) {
  const std::u16string text = u"aあb";
  std::u16string copy = text;
  MidAnsi(copy, 2, 1);
  EXPECT_EQ(copy, text);
}

TEST(MidAnsi, HandlesLargeStartAndLengthWithoutOverflow) {
  EXPECT_EQ(MidAnsi(u"abc", INT32_MAX, INT32_MAX), u"");
  EXPECT_EQ(MidAnsi(u"abc", 2, INT32_MAX), u"bc");
}

}  // namespace
}  // namespace quorva
