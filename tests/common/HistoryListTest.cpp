// The history's rules apart from any file: what is kept, and what a damaged file's bytes give.
#include <gtest/gtest.h>

#include "common/history/HistoryList.h"
#include "common/text/Utf8.h"

namespace quorva {
namespace {


std::string Printable(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes.substr(0, 60)) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return bytes.size() > 60 ? out + "... (" + std::to_string(bytes.size()) + " bytes)" : out;
}

TEST(HistoryList, KeepsEachExpressionOnceAfterTheOneBeforeAndAtMostAHundred) {
  const std::u16string longest(kHistoryMaxChars, u'1');
  const struct {
    HistoryEntries Before;
    std::u16string Expression;
    HistoryEntries After;
  } rows[] = {
      {{}, u"1+2", {u"1+2"}},
      {{u"1+2"}, u"1+2", {u"1+2"}},                       // the one just before is not repeated
      {{u"1+2", u"3"}, u"1+2", {u"1+2", u"3", u"1+2"}},   // an older one is
      {{}, u"", {}},
      {{}, longest, {longest}},
      {{}, longest + u"1", {}},                            // longer than 4,096 characters
      {{}, u"1\r\n2", {}},
      {{}, std::u16string(u"1\0", 2), {}},
      {{}, u"1+\xD800", {}},                               // half a surrogate pair cannot be written
      {{}, u"\xD840\xDC0B*2", {u"\xD840\xDC0B*2"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Utf16ToUtf8(r.Expression.substr(0, 20)));
    HistoryEntries entries = r.Before;
    EXPECT_EQ(AddEntry(entries, r.Expression), r.After != r.Before);
    EXPECT_EQ(entries, r.After);
  }
  HistoryEntries full;
  for (int i = 0; i < 101; ++i) {
    const std::string n = std::to_string(i);
    AddEntry(full, u"1+" + std::u16string(n.begin(), n.end()));
  }
  ASSERT_EQ(full.size(), kHistoryMaxEntries);
  EXPECT_EQ(full.front(), u"1+1") << "the oldest went";
  EXPECT_EQ(full.back(), u"1+100");
}

std::string Lines(int from, int to) {
  std::string bytes;
  for (int i = from; i <= to; ++i) bytes += std::to_string(i) + "\r\n";
  return bytes;
}

TEST(HistoryList, ADamagedFileIsReadAsFarAsItIsSound) {
  const std::string longest(kHistoryMaxChars, '7');
  const struct {
    const char* Kind;
    std::string Bytes;
    HistoryEntries Entries;
  } rows[] = {
      {"clean", "1+2\r\n3*4\r\n", {u"1+2", u"3*4"}},
      {"line feeds, no last line break", "1+2\n3*4", {u"1+2", u"3*4"}},
      {"byte order mark", "\xEF\xBB\xBF" "1+2\r\n", {u"1+2"}},
      {"full width and beyond the first plane", "\xEF\xBC\x91\xEF\xBC\x8B\xF0\xA0\x80\x8B\r\n", {u"１＋\xD840\xDC0B"}},
      {"Shift-JIS, not UTF-8", "1+2\r\n\x82\x50\x81\x7B\x82\x51\r\n3*4\r\n", {u"1+2", u"3*4"}},
      {"overlong form and surrogate", "\xC0\xB1\r\n\xED\xA0\x80\r\n5\r\n", {u"5"}},
      {"cut-off sequence at the end", "1+2\r\n\xE3\x81", {u"1+2"}},
      {"zero bytes", std::string("1+2\r\n\0\0\0\r\n4\0+5\r\n6\r\n", 19), {u"1+2", u"6"}},
      {"nothing but zero bytes", std::string(65536, '\0'), {}},
      {"over-long line", "1\r\n" + longest + "7\r\n" + longest + "\r\n2\r\n",
       {u"1", std::u16string(longest.begin(), longest.end()), u"2"}},
      {"one line of megabytes", std::string(kHistoryReadLimit, 'x') + "\r\n9\r\n", {u"9"}},
      {"blank lines and repeats", "\r\n\r\n1\r\n1\r\n2\r\n\r\n1\r\n", {u"1", u"2", u"1"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.Kind) + ": " + Printable(r.Bytes));
    const HistoryEntries entries = ParseHistory(r.Bytes);
    EXPECT_EQ(entries, r.Entries);
    // Written again it is clean: read back, the same entries.
    EXPECT_EQ(ParseHistory(HistoryBytes(entries)), entries);
  }
  const HistoryEntries many = ParseHistory(Lines(1, 150));
  ASSERT_EQ(many.size(), kHistoryMaxEntries);
  EXPECT_EQ(many.front(), u"51") << "the newest hundred are kept";
  EXPECT_EQ(ParseHistory("12\r\n3\r\n", true), HistoryEntries{u"3"}) << "the piece of a line before a cut";
  EXPECT_EQ(HistoryBytes({u"1+2", u"１"}), "1+2\r\n\xEF\xBC\x91\r\n");
}

}  // namespace
}  // namespace quorva
