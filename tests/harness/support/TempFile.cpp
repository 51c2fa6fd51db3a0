#include "tests/harness/support/TempFile.h"

#include "common/windows/Handles.h"

namespace quorva::test {

namespace {

std::wstring TempPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"quorva-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

}  // namespace

TempFile::TempFile(const std::wstring& name, const std::string& bytes) : path_(TempPath(name)) {
  WriteFileBytes(path_, bytes);
}

TempFile::~TempFile() {
  SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path_.c_str());
}

std::string TempFile::Bytes() const { return FileBytes(path_); }

TempFolder::TempFolder(const std::wstring& name) : path_(TempPath(name)) {
  RemoveTree(path_);  // a leftover of an earlier run with the same process ID
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

ScopedEnvironment::ScopedEnvironment(const std::wstring& name, const std::wstring& value) : name_(name) {
  const DWORD n = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (n > 0) {
    previous_.resize(n);
    previous_.resize(GetEnvironmentVariableW(name.c_str(), previous_.data(), n));
    had_ = true;
  }
  SetEnvironmentVariableW(name.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), had_ ? previous_.c_str() : nullptr); }

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  const Handle f(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!f) return false;
  DWORD n = 0;
  return WriteFile(f.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) && n == bytes.size();
}

std::string FileBytes(const std::wstring& path) {
  std::string bytes;
  const Handle f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) return bytes;
  char buf[65536];
  DWORD n = 0;
  while (ReadFile(f.Get(), buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
  return bytes;
}

}  // namespace quorva::test
