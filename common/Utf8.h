#pragma once
// Strict UTF-8 <-> UTF-16 for files that Quorva writes and reads back: ill-formed input is
// refused, not repaired, so that a damaged line is told from a sound one.
#include <optional>
#include <string>
#include <string_view>

namespace quorva {

// Nothing for bytes that are not well-formed UTF-8 (overlong forms, surrogates, cut-off
// sequences, values above U+10FFFF).
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);
// Nothing for text with an unpaired surrogate.
std::optional<std::string> EncodeUtf8(std::u16string_view text);

}  // namespace quorva
