#include "common/history/History.h"

namespace quorva {

History::History(const std::wstring& path, UnusableFile unusable) : unusable_(std::move(unusable)) {
  if (!path.empty()) file_ = std::make_unique<HistoryFile>(path);
}

void History::Load() {
  if (!file_ || loaded_) return;
  try {
    HistoryEntries read = file_->Read();
    // Anything kept before the file was read stays newest.
    for (const std::u16string& entry : entries_) AddEntry(read, entry);
    entries_ = std::move(read);
    loaded_ = true;
  } catch (const std::system_error&) {
    GiveUpFile();
  } catch (const std::bad_alloc&) {
    // No memory for the list: the run goes on without the earlier expressions.
  }
}

void History::Add(std::u16string_view expression) {
  try {
    if (!KeepsEntry(expression)) return;
    if (file_) {
      try {
        entries_ = file_->Add(expression);
        loaded_ = true;
        return;
      } catch (const std::system_error&) {
        GiveUpFile();
      }
    }
    AddEntry(entries_, expression);
  } catch (const std::bad_alloc&) {
    // Out of memory while keeping an expression: the calculation has its answer; the history
    // simply goes without this one.
  }
}

void History::GiveUpFile() {
  const std::unique_ptr<HistoryFile> file = std::move(file_);
  if (unusable_) unusable_(file->Path());
}

}  // namespace quorva
