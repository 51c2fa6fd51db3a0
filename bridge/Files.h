#pragma once
// The raw bytes of the file that the bridge's File member reads and writes. Failures raise the
// platform's file errors: 53 not found, 76 path not found, 70 permission denied (also a file
// that another program has locked), 61 disk full, 75 any other access error.
#include <string>

namespace quorva {

std::string ReadWholeFile(const std::wstring& path);
// Afterwards the file holds exactly these bytes. An existing file is opened as it is (its
// attributes stay: a hidden or system file is written like any other) and cut to the new length
// only after the new bytes are in.
void WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace quorva
