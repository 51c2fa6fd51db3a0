#pragma once
// Up and Down through the history in a one-line box, apart from any window. What the user had
// typed when Up was first pressed is kept as the newest entry, so Down gives it back.
#include <optional>
#include <string>
#include <string_view>

#include "common/history/HistoryList.h"

namespace quorva {

class HistoryRecall {
 public:
  // The text to show for Up: the entry before the one shown. Nothing when there is none; the key
  // is then the box's own.
  std::optional<std::u16string> Up(const HistoryEntries& entries, std::u16string_view shown);
  // The text to show for Down: the entry after the one shown, at last what was typed. Nothing
  // when no Up went before.
  std::optional<std::u16string> Down();
  // The user changed the text (or calculated): the next Up starts again from the newest entry,
  // keeping what is typed then.
  void Reset() { items_.clear(); }
  bool Browsing() const { return !items_.empty(); }

 private:
  // The entries as they were at the first Up, then what was typed unless it equals the newest.
  HistoryEntries items_;
  size_t index_ = 0;
};

}  // namespace quorva
