#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "engine/MessageBox.h"
#include "tools/probe/Probe.h"
#include "tools/probe/Utf8.h"

namespace quorva::probe {
namespace {

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

// Decoding, including every kind of ill-formed input.
TEST(Utf8, DecodesWellFormedAndReplacesIllFormedSequences) {
  const Utf8Case cases[] = {
      {"ascii", "1+2", u"1+2"},
      {"two bytes", "\xC3\x97", u"\u00D7"},
      {"three bytes", "\xEF\xBC\x91", u"\uFF11"},
      {"four bytes to a pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"highest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {"stray continuation", "a\x80z", u"a\uFFFDz"},
      {"invalid lead bytes", "\xC0\xC1\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"truncated at the end", "1\xE3\x81", u"1\uFFFD"},
      {"truncated before ascii", "\xF0\x9F\x98" "1", u"\uFFFD" "1"},
      {"nul kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.name;
}

TEST(Utf8, EncodesPairsAndReplacesLoneSurrogates) {
  const Utf8Case cases[] = {
      {"ascii", "1+2", u"1+2"},
      {"japanese", "\xE9\x96\x89", u"\u9589"},
      {"pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"lone high at the end", "a\xEF\xBF\xBD", u"a\xD83D"},
      {"lone low", "\xEF\xBF\xBD" "a", u"\xDE00" "a"},
      {"two highs", "\xEF\xBF\xBD\xF0\x9F\x98\x80", u"\xD83D\xD83D\xDE00"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.name;
}

TEST(Utf8, RoundTripsEveryScalarValue) {
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::u16string one = cp < 0x10000 ? std::u16string(1, char16_t(cp))
                                      : std::u16string{char16_t(0xD800 + ((cp - 0x10000) >> 10)),
                                                       char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF))};
    ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(one)), one) << "U+" << std::hex << uint32_t(cp);
  }
}

nlohmann::json Probe(const std::string& line) {
  auto reply = nlohmann::json::parse(ProbeLine(line));  // a reply is always valid JSON
  EXPECT_EQ(reply.size(), 5u) << line;
  return reply;
}

// Requests that must be refused with a reason, never a crash or an exception.
TEST(ProbeLine, RefusesMalformedRequests) {
  const std::string lines[] = {
      "",
      "   ",
      "{",
      "null",
      "\"1+1\"",
      "{\"expr\": null}",
      "{\"expr\": \"1\", \"after\": 1.5}",
      "{\"expr\": \"1\", \"group\": \"1\"}",
      "{\"expr\": \"1\", \"wide\": [1]}",
      "{\"expr\": \"1\"} trailing",
      "{\"expr\": \"\xFF\"}",          // invalid UTF-8 inside a string
      std::string(200000, '['),        // deep nesting
  };
  for (const auto& line : lines) {
    auto reply = Probe(line);
    EXPECT_EQ(reply["error"], -1) << line.substr(0, 40);
    EXPECT_NE(reply["messages"], "") << line.substr(0, 40);
    EXPECT_EQ(reply["answer"], "") << line.substr(0, 40);
  }
}

TEST(ProbeLine, ReadsFlagsAsTheWindowDoes) {
  struct {
    const char* options;
    const char* answer;
  } const cases[] = {
      {"", "1234.50"},
      {", \"group\": 1", "1,234.50"},
      {", \"group\": true", "1,234.50"},
      {", \"group\": 2", "1234.50"},  // only a checked box (1) groups
      {", \"group\": false, \"wide\": 1", "１２３４．５０"},
      {", \"after\": 4", "1234.5000"},
      {", \"after\": \"\"", "1234.50"},
  };
  for (const auto& c : cases) {
    std::string line = std::string("{\"expr\": \"1234.5\"") + c.options + "}";
    EXPECT_EQ(Probe(line)["answer"], c.answer) << line;
  }
}

TEST(ProbeLine, LeavesTheMessageBoxHandlerAsItFoundIt) {
  int shown = 0;
  SetMessageBoxHandler([&shown](const MessageBoxRequest&) { return ++shown, kIdOk; });
  auto reply = Probe("{\"expr\": \"(1\"}");
  EXPECT_EQ(reply["messages"], "閉じ括弧が足りません\r\n");
  EXPECT_EQ(shown, 0);
  ShowMessageBox({});
  EXPECT_EQ(shown, 1);
  SetMessageBoxHandler(nullptr);
}

}  // namespace
}  // namespace quorva::probe
