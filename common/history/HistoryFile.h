#pragma once
// The history file on disk: read at most kHistoryReadLimit bytes (a damaged file as far as it is
// sound), and replaced whole by a new file written next to it, so that a crash or a full disk in
// the middle leaves the old file as it was. Every read and write takes a lock that all Quorva
// processes share for that path, so two windows never lose each other's entries.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "common/windows/Handles.h"
#include "common/history/HistoryList.h"

namespace quorva {

// A read or a write of the file fails by throwing std::system_error with the system's error code
// (ERROR_TIMEOUT when another process holds the lock too long); the lock and the file are given
// back on that road as on every other.
class HistoryFile {
 public:
  // Writes all the bytes into the new file (opened for writing), or throws.
  using Writer = std::function<void(HANDLE file, std::string_view bytes)>;
  // Reads up to size bytes from where the file stands; fewer when it ends sooner.
  using Reader = std::function<std::string(HANDLE file, size_t size)>;

  explicit HistoryFile(std::wstring path);

  const std::wstring& Path() const { return path_; }

  // The entries on disk, oldest first; a missing file or folder has none. Throws when the file
  // is there but cannot be read (locked, no permission).
  HistoryEntries Read();
  // Adds the expression to what is on disk now, replaces the file with the result and returns
  // it (the file is then clean, whatever it held). Makes the folder if need be. Throws when it
  // could not be read or written; the file is then as it was.
  HistoryEntries Add(std::u16string_view expression);

  // Tests put a writer that fails part-way or a reader that throws; the defaults do the work.
  void SetWriter(Writer writer) { writer_ = std::move(writer); }
  void SetReader(Reader reader) { reader_ = std::move(reader); }

 private:
  // Waits for the lock that every Quorva shares for this path; throws when it is not had.
  void MustHold(const MutexLock& lock) const;
  HistoryEntries ReadLocked() const;
  void ReplaceLocked(const std::string& bytes) const;
  void MakeFolder() const;

  std::wstring path_;
  Handle mutex_;
  Writer writer_;
  Reader reader_;
};

// %APPDATA%\Quorva\history.txt; empty when the user has no application-data folder.
std::wstring DefaultHistoryPath();

}  // namespace quorva
