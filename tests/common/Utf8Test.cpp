// The one UTF-8 codec: strict, ill-formed input refused; total, each ill-formed byte and each
// unpaired surrogate U+FFFD with the conversion going on behind it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/text/Utf8.h"

namespace quorva {
namespace {

TEST(Utf8, StrictRefusesAndTotalReplacesWhatIsIllFormed) {
  const struct {
    std::string utf8;
    std::u16string utf16;  // what the total decoding gives
    bool wellFormed;       // the strict decoding gives the same; else nothing
  } decoded[] = {
      {"1+\xE3\x81\x82", u"1+\u3042", true},
      {"\xF0\x9F\x98\x80", u"\U0001F600", true},
      {"a\xFF" "b", u"a\uFFFDb", false},
      {"a\xE3\x81", u"a\uFFFD\uFFFD", false},       // cut short at the end
      {"\xC0\x80", u"\uFFFD\uFFFD", false},         // an overlong zero
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},  // a surrogate written as UTF-8
  };
  for (const auto& c : decoded) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(DecodeUtf8(c.utf8), c.wellFormed ? std::optional(c.utf16) : std::nullopt);
  }
  const struct {
    std::u16string utf16;
    std::string utf8;  // what the total encoding gives
    bool wellFormed;
  } encoded[] = {
      {u"1+\u3042", "1+\xE3\x81\x82", true},
      {u"\U0001F600", "\xF0\x9F\x98\x80", true},
      {std::u16string{char16_t(0xD800), u'x'}, "\xEF\xBF\xBDx", false},  // a lone surrogate
      {std::u16string{u'x', char16_t(0xDC00)}, "x\xEF\xBF\xBD", false},
  };
  for (const auto& c : encoded) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    EXPECT_EQ(EncodeUtf8(c.utf16), c.wellFormed ? std::optional(c.utf8) : std::nullopt);
  }
}

}  // namespace
}  // namespace quorva
