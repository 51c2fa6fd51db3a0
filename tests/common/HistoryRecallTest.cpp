// Up and Down through the history, as a one-line box shows them, apart from any window.
#include <gtest/gtest.h>

#include "common/history/HistoryRecall.h"
#include "common/text/Utf8.h"

namespace quorva {
namespace {

TEST(HistoryRecall, UpAndDownGoThroughTheHistoryAndBackToWhatWasTyped) {
  // Keys: U Up, D Down, x the user types "x" (recall starts afresh). Each key gives what the box
  // shows after it; "=" when the key was left to the box (the text stays).
  const struct {
    HistoryEntries Entries;
    std::u16string Typed;
    const char* Keys;
    std::vector<std::u16string> Shown;
  } rows[] = {
      {{u"a", u"b", u"c"}, u"d", "UUUUDDDD", {u"c", u"b", u"a", u"=", u"b", u"c", u"d", u"="}},
      {{u"a", u"b"}, u"", "UD", {u"b", u""}},
      {{u"a", u"b"}, u"b", "UDD", {u"a", u"b", u"="}},  // typed as the newest: one entry, not two
      {{}, u"z", "UD", {u"=", u"="}},
      {{u"a"}, u"z", "D", {u"="}},                       // Down before any Up
      {{u"a", u"b"}, u"", "UxUDD", {u"b", u"bx", u"b", u"bx", u"="}},
      {{u"a", u"b"}, u"", "UUDxUU", {u"b", u"a", u"b", u"bx", u"b", u"a"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.Keys) + " after typing " + Utf16ToUtf8(r.Typed));
    HistoryRecall recall;
    std::u16string shown = r.Typed;
    std::vector<std::u16string> got;
    for (const char* k = r.Keys; *k; ++k) {
      std::optional<std::u16string> text;
      if (*k == 'x') {
        shown += u"x";
        recall.Reset();
        text = shown;
      } else {
        text = *k == 'U' ? recall.Up(r.Entries, shown) : recall.Down();
      }
      if (text) shown = *text;
      got.push_back(text ? *text : u"=");
    }
    EXPECT_EQ(got, r.Shown);
  }
}

}  // namespace
}  // namespace quorva
