#pragma once
// The history file on disk: read at most kHistoryReadLimit bytes (a damaged file as far as it is
// sound), and replaced whole by a new file written next to it, so that a crash or a full disk in
// the middle leaves the old file as it was. Every read and write takes a lock that all Quorva
// processes share for that path, so two windows never lose each other's entries.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "common/HistoryList.h"

namespace quorva {

class HistoryFile {
 public:
  // Writes the bytes into the new file (opened for writing); true when all of them went in.
  using Writer = std::function<bool(HANDLE file, std::string_view bytes)>;

  explicit HistoryFile(std::wstring path);
  HistoryFile(const HistoryFile&) = delete;
  HistoryFile& operator=(const HistoryFile&) = delete;
  ~HistoryFile();

  const std::wstring& Path() const { return path_; }
  // The system's error code of the last failure.
  DWORD LastError() const { return error_; }

  // The entries on disk, oldest first; a missing file or folder has none. False when the file
  // is there but cannot be read (locked, no permission).
  bool Read(HistoryEntries& entries);
  // Adds the expression to what is on disk now and replaces the file with the result, which
  // goes to merged (the file is then clean, whatever it held). Making the folder if need be.
  // False when it could not be read or written; the file is then as it was.
  bool Add(std::u16string_view expression, HistoryEntries& merged);

  // Tests put a writer that fails part-way; the default writes all the bytes.
  void SetWriter(Writer writer) { writer_ = std::move(writer); }

 private:
  bool Lock();
  void Unlock();
  bool ReadLocked(HistoryEntries& entries);
  bool ReplaceLocked(const std::string& bytes);
  bool MakeFolder();
  bool Fail();

  std::wstring path_;
  HANDLE mutex_ = nullptr;
  DWORD error_ = 0;
  Writer writer_;
};

// %APPDATA%\Quorva\history.txt; empty when the user has no application-data folder.
std::wstring DefaultHistoryPath();

}  // namespace quorva
