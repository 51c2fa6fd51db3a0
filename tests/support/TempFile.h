#pragma once
// A file in the temporary folder with the given bytes, removed (whatever its attributes) with the
// object.
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

}  // namespace quorva::test
