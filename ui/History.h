#pragma once
// The expression history of the run: what Up and Down bring back, and what is kept in the
// history file across runs.
#include <memory>
#include <string>
#include <string_view>

#include "common/HistoryFile.h"
#include "common/HistoryList.h"

namespace quorva {

class History {
 public:
  // Without a file (empty path: /nohistory, or no application-data folder) the history lives
  // for the run only, and nothing on disk is read or written.
  explicit History(const std::wstring& path);

  // Reads the file. Called once the window shows, so that it costs no start-up time.
  void Load();
  // Keeps an expression that gave an answer: in the run's list and in the file (merged with
  // what other Quorva windows wrote there meanwhile). Never throws, never fails the caller.
  void Add(std::u16string_view expression);
  const HistoryEntries& Entries() const { return entries_; }
  bool UsesFile() const { return file_ != nullptr; }

 private:
  // The file can be neither read nor written: said once, and the file is left alone from then on.
  void GiveUpFile();

  std::unique_ptr<HistoryFile> file_;
  HistoryEntries entries_;
  bool loaded_ = false;  // the list is the file's (read, or merged by a write)
};

// The history of the run, set at start-up (null before).
extern std::unique_ptr<History> gHistory;

// Creates the run's history: the file unless noHistory. Both roads of start-up call it first.
void OpenHistory(bool noHistory);

// Adds an expression that gave an answer to the run's history (nothing before OpenHistory).
// Blanks around it are not kept.
void AddToHistory(std::u16string_view expression);

}  // namespace quorva
