#pragma once
// The run-time error object that every layer shares: what the engine raises, what the bridge's
// traps catch and what the error report shows.
#include <cstdint>
#include <exception>
#include <string>

namespace quorva {

enum ErrorNumber : int32_t {
  kInvalidArgument = 5,
  kOverflow = 6,
  kTypeMismatch = 13,
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
