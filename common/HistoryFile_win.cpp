#include "common/HistoryFile.h"

#include <algorithm>
#include <cwctype>

namespace quorva {

namespace {

// Long enough for any other Quorva to finish its read or write; short enough never to hold up
// a calculation for long when a process hangs with the lock.
constexpr DWORD kLockWaitMs = 2000;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
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

HistoryFile::HistoryFile(std::wstring path) : path_(std::move(path)), writer_(WriteAll) {
  mutex_ = CreateMutexW(nullptr, FALSE, LockName(path_).c_str());
}

HistoryFile::~HistoryFile() {
  if (mutex_) CloseHandle(mutex_);
}

bool HistoryFile::Fail() {
  error_ = GetLastError();
  return false;
}

bool HistoryFile::Lock() {
  if (!mutex_) return Fail();
  // An abandoned lock (a Quorva that ended while writing) is ours now; its new file never
  // replaced the old one.
  const DWORD wait = WaitForSingleObject(mutex_, kLockWaitMs);
  if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return true;
  error_ = wait == WAIT_TIMEOUT ? ERROR_TIMEOUT : GetLastError();
  return false;
}

void HistoryFile::Unlock() { ReleaseMutex(mutex_); }

bool HistoryFile::Read(HistoryEntries& entries) {
  if (!Lock()) return false;
  const bool ok = ReadLocked(entries);
  Unlock();
  return ok;
}

bool HistoryFile::ReadLocked(HistoryEntries& entries) {
  entries.clear();
  HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Missing(GetLastError()) || Fail();
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) != FALSE;
  // A file larger than any the rules write is damaged: its end holds the newest entries.
  const bool cut = ok && size.QuadPart > static_cast<LONGLONG>(kHistoryReadLimit);
  if (cut) {
    LARGE_INTEGER start{};
    start.QuadPart = size.QuadPart - static_cast<LONGLONG>(kHistoryReadLimit);
    ok = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != FALSE;
  }
  std::string bytes;
  if (ok) {
    bytes.resize(cut ? kHistoryReadLimit : static_cast<size_t>(size.QuadPart));
    size_t got = 0;
    DWORD n = 0;
    while (got < bytes.size() && (ok = ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n,
                                                nullptr) != FALSE) && n > 0) {
      got += n;
    }
    bytes.resize(got);  // a file that shrank meanwhile is read as far as it went
  }
  if (!ok) Fail();
  CloseHandle(file);
  if (ok) entries = ParseHistory(bytes, cut);
  return ok;
}

bool HistoryFile::Add(std::u16string_view expression, HistoryEntries& merged) {
  if (!Lock()) return false;
  bool ok = ReadLocked(merged);
  if (ok && AddEntry(merged, expression)) ok = MakeFolder() && ReplaceLocked(HistoryBytes(merged));
  Unlock();
  return ok;
}

bool HistoryFile::MakeFolder() {
  const size_t last = path_.find_last_of(L"\\/");
  if (last == std::wstring::npos) return true;
  // Each folder of the chain from the top down; those there already (a drive, a share) refuse,
  // which is fine as long as the last one is there in the end.
  DWORD error = ERROR_PATH_NOT_FOUND;
  for (size_t at = path_.find_first_of(L"\\/", 1); at != std::wstring::npos && at <= last;
       at = path_.find_first_of(L"\\/", at + 1)) {
    if (!CreateDirectoryW(path_.substr(0, at).c_str(), nullptr)) error = GetLastError();
  }
  const DWORD attributes = GetFileAttributesW(path_.substr(0, last).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  error_ = error;
  return false;
}

bool HistoryFile::ReplaceLocked(const std::string& bytes) {
  // Windows refuses to replace a read-only file, Wine does not: the user's wish counts on both.
  const DWORD attributes = GetFileAttributesW(path_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    error_ = ERROR_ACCESS_DENIED;
    return false;
  }
  const std::wstring fresh = path_ + L".new";
  HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail();
  // On the disk before it takes the old file's place: a crash never leaves an empty history.
  bool ok = writer_(file, bytes) && FlushFileBuffers(file);
  if (!ok) Fail();
  CloseHandle(file);
  if (ok && !MoveFileExW(fresh.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = Fail();
  }
  if (!ok) DeleteFileW(fresh.c_str());
  return ok;
}

std::wstring DefaultHistoryPath() {
  wchar_t folder[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::wstring(folder, n) + L"\\Quorva\\history.txt";
}

}  // namespace quorva
