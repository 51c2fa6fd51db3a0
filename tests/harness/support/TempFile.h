#pragma once
// A file in the temporary folder with the given bytes, removed (whatever its attributes) with the
// object; a folder of its own, removed with everything in it; and an environment variable set
// for one scope.
#include <windows.h>

#include <string>

namespace quorva::test {

class TempFile {
 public:
  TempFile(const std::wstring& name, const std::string& bytes);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::wstring& Path() const { return path_; }
  std::string Bytes() const;

 private:
  std::wstring path_;
};

// An empty folder in the temporary folder, removed with its contents (whatever their attributes).
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// Removes a file or a folder with everything in it, whatever their attributes.
void RemoveTree(const std::wstring& path);

// An environment variable of this process (and of the processes it starts) for one scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const std::wstring& name, const std::wstring& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::wstring name_, previous_;
  bool had_ = false;
};

// The whole content of a file; "" when it cannot be read.
std::string FileBytes(const std::wstring& path);
// Creates or replaces a file with the bytes.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace quorva::test
