#include "common/history/HistoryRecall.h"

namespace quorva {

std::optional<std::u16string> HistoryRecall::Up(const HistoryEntries& entries, std::u16string_view shown) {
  if (!Browsing()) {
    if (entries.empty()) return std::nullopt;
    items_ = entries;
    // Typed text equal to the newest entry is that entry: Up then goes past it at once.
    if (items_.back() != shown) items_.emplace_back(shown);
    index_ = items_.size() - 1;
  }
  if (index_ == 0) return std::nullopt;
  return items_[--index_];
}

std::optional<std::u16string> HistoryRecall::Down() {
  if (!Browsing() || index_ + 1 >= items_.size()) return std::nullopt;
  std::u16string text = items_[++index_];
  if (index_ + 1 == items_.size()) Reset();  // back at what was typed
  return text;
}

}  // namespace quorva
