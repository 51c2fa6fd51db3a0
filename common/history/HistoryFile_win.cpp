#include "common/history/HistoryFile.h"

#include <algorithm>
#include <cwctype>

namespace quorva {

namespace {

// Long enough for any other Quorva to finish its read or write; short enough never to hold up
// a calculation for long when a process hangs with the lock.
constexpr DWORD kLockWaitMs = 2000;

[[noreturn]] void Throw(DWORD error) { throw std::system_error(static_cast<int>(error), std::system_category()); }

void WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) Throw(GetLastError());
    bytes.remove_prefix(written);
  }
}

std::string ReadUpTo(HANDLE file, size_t size) {
  std::string bytes(size, '\0');
  size_t got = 0;
  DWORD n = 0;
  while (got < bytes.size()) {
    if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr)) Throw(GetLastError());
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);  // a file that shrank meanwhile is read as far as it went
  return bytes;
}

// One lock per file, whatever case its path is written in.
std::wstring LockName(const std::wstring& path) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (wchar_t c : path) hash = (hash ^ static_cast<uint64_t>(std::towupper(c))) * 1099511628211ull;
  wchar_t hex[17];
  for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 15];
  hex[16] = 0;
  return std::wstring(L"Local\\Quorva.History.") + hex;
}

bool Missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

}  // namespace

HistoryFile::HistoryFile(std::wstring path)
    : path_(std::move(path)), mutex_(CreateMutexW(nullptr, FALSE, LockName(path_).c_str())), writer_(WriteAll),
      reader_(ReadUpTo) {}

void HistoryFile::MustHold(const MutexLock& lock) const {
  if (!lock.Held()) Throw(lock.Error());
}

HistoryEntries HistoryFile::Read() {
  const MutexLock lock(mutex_.Get(), kLockWaitMs);
  MustHold(lock);
  return ReadLocked();
}

HistoryEntries HistoryFile::ReadLocked() const {
  const Handle file(CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (Missing(error)) return {};
    Throw(error);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) Throw(GetLastError());
  // A file larger than any the rules write is damaged: its end holds the newest entries.
  const bool cut = size.QuadPart > static_cast<LONGLONG>(kHistoryReadLimit);
  if (cut) {
    LARGE_INTEGER start{};
    start.QuadPart = size.QuadPart - static_cast<LONGLONG>(kHistoryReadLimit);
    if (!SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN)) Throw(GetLastError());
  }
  return ParseHistory(reader_(file.Get(), cut ? kHistoryReadLimit : static_cast<size_t>(size.QuadPart)), cut);
}

HistoryEntries HistoryFile::Add(std::u16string_view expression) {
  const MutexLock lock(mutex_.Get(), kLockWaitMs);
  MustHold(lock);
  HistoryEntries merged = ReadLocked();
  if (AddEntry(merged, expression)) {
    MakeFolder();
    ReplaceLocked(HistoryBytes(merged));
  }
  return merged;
}

void HistoryFile::MakeFolder() const {
  const size_t last = path_.find_last_of(L"\\/");
  if (last == std::wstring::npos) return;
  // Each folder of the chain from the top down; those there already (a drive, a share) refuse,
  // which is fine as long as the last one is there in the end.
  DWORD error = ERROR_PATH_NOT_FOUND;
  for (size_t at = path_.find_first_of(L"\\/", 1); at != std::wstring::npos && at <= last;
       at = path_.find_first_of(L"\\/", at + 1)) {
    if (!CreateDirectoryW(path_.substr(0, at).c_str(), nullptr)) error = GetLastError();
  }
  const DWORD attributes = GetFileAttributesW(path_.substr(0, last).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) Throw(error);
}

void HistoryFile::ReplaceLocked(const std::string& bytes) const {
  // Windows refuses to replace a read-only file, Wine does not: the user's wish counts on both.
  const DWORD attributes = GetFileAttributesW(path_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) Throw(ERROR_ACCESS_DENIED);
  const std::wstring fresh = path_ + L".new";
  try {
    {
      const Handle file(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file) Throw(GetLastError());
      writer_(file.Get(), bytes);
      // On the disk before it takes the old file's place: a crash never leaves an empty history.
      if (!FlushFileBuffers(file.Get())) Throw(GetLastError());
    }
    if (!MoveFileExW(fresh.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      Throw(GetLastError());
    }
  } catch (...) {
    DeleteFileW(fresh.c_str());
    throw;
  }
}

std::wstring DefaultHistoryPath() {
  wchar_t folder[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::wstring(folder, n) + L"\\Quorva\\history.txt";
}

}  // namespace quorva
