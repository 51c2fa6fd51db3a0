#pragma once
// The expression history of the run: what Up and Down bring back, and what is kept in the
// history file across runs.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/history/HistoryFile.h"
#include "common/history/HistoryList.h"

namespace quorva {

class History {
 public:
  // Told, once, that the file at path can be neither read nor written.
  using UnusableFile = std::function<void(const std::wstring& path)>;

  // Without a file (empty path: /nohistory, or no application-data folder) the history lives
  // for the run only, and nothing on disk is read or written; so it does once the file has
  // turned out unusable.
  explicit History(const std::wstring& path, UnusableFile unusable = {});

  // Reads the file. Called once the window shows, so that it costs no start-up time.
  void Load();
  // Keeps an expression that gave an answer, as it is given (the caller trims it): in the run's
  // list and in the file (merged with what other Quorva windows wrote there meanwhile). Never
  // throws, never fails the caller.
  void Add(std::u16string_view expression);
  const HistoryEntries& Entries() const { return entries_; }

 private:
  void GiveUpFile();

  std::unique_ptr<HistoryFile> file_;
  UnusableFile unusable_;
  HistoryEntries entries_;
  bool loaded_ = false;  // the list is the file's (read, or merged by a write)
};

}  // namespace quorva
