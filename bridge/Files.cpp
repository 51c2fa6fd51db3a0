#include "bridge/Files.h"

#include <windows.h>

#include <climits>

#include "common/windows/Handles.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

[[noreturn]] void RaiseFileError(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: Raise(kFileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: Raise(kPathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: Raise(kPermissionDenied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: Raise(kDiskFull);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: Raise(kOutOfMemory);
    default: Raise(kPathFileAccess);
  }
}

// The file that CreateFileW opened, or the error it met.
Handle Opened(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE) RaiseFileError(GetLastError());
  return Handle(file);
}

}  // namespace

std::string ReadWholeFile(const std::wstring& path) {
  const Handle file = Opened(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) RaiseFileError(GetLastError());
  if (size.QuadPart > INT32_MAX) Raise(kOverflow);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t got = 0;
  while (got < bytes.size()) {
    DWORD n = 0;
    if (!ReadFile(file.Get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr)) {
      RaiseFileError(GetLastError());
    }
    if (n == 0) break;  // the file shrank meanwhile
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  // OPEN_ALWAYS, not CREATE_ALWAYS: that fails on a hidden or system file, and it would empty the
  // file before a single new byte is written.
  const Handle file = Opened(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  size_t put = 0;
  while (put < bytes.size()) {
    DWORD n = 0;
    if (!WriteFile(file.Get(), bytes.data() + put, static_cast<DWORD>(bytes.size() - put), &n, nullptr) || n == 0) {
      RaiseFileError(GetLastError());
    }
    put += n;
  }
  if (!SetEndOfFile(file.Get())) RaiseFileError(GetLastError());
}

}  // namespace quorva
