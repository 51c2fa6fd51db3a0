#pragma once
// The one UTF-8 <-> UTF-16 codec of the program, its tools and its tests. Strict for files that
// Quorva writes and reads back: ill-formed input is refused, not repaired, so that a damaged line
// is told from a sound one. Total for text that must always go through.
#include <optional>
#include <string>
#include <string_view>

namespace quorva {

// Nothing for bytes that are not well-formed UTF-8 (overlong forms, surrogates, cut-off
// sequences, values above U+10FFFF).
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);
// Nothing for text with an unpaired surrogate.
std::optional<std::string> EncodeUtf8(std::u16string_view text);

// Total (the probe's JSON lines, tests' messages): each byte that does not begin a well-formed
// sequence, and each unpaired surrogate, becomes U+FFFD, and the rest is converted behind it.
std::u16string Utf8ToUtf16(std::string_view bytes);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quorva
