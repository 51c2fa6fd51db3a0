#pragma once
// The run-time error object that every layer shares: what the engine raises, what the bridge's
// traps catch and what the error report shows. This is also the one catalogue of the error
// numbers and texts that the program raises; the bridge's faults of the editor add their texts
// to number 5 (bridge/EditorFault.h).
#include <cstdint>
#include <exception>
#include <string>

namespace quorva {

enum ErrorNumber : int32_t {
  kInvalidArgument = 5,
  kOverflow = 6,
  kOutOfMemory = 7,
  kTypeMismatch = 13,
  kInternalError = 51,  // a failure of the program itself, none of the others
  kFileNotFound = 53,
  kDiskFull = 61,
  kPermissionDenied = 70,
  kPathFileAccess = 75,
  kPathNotFound = 76,
  kClipboardBusy = 521,
  kWindowNotCreated = 1400,  // the system's number for a window that does not exist
};

struct RuntimeError : std::exception {
  int32_t Number = 0;
  std::u16string Source;
  std::u16string Description;
  std::u16string HelpFile;
  int32_t HelpContext = 0;

  const char* what() const noexcept override { return "quorva::RuntimeError"; }
};

// An error object with the description a Japanese Windows user knows for that number.
RuntimeError MakeError(int32_t number);
[[noreturn]] void Raise(int32_t number);

}  // namespace quorva
