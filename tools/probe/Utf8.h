#pragma once
// UTF-8 <-> UTF-16 for the probe's JSON lines. Both directions are total: anything malformed
// becomes U+FFFD, so no input can make a conversion fail.
#include <string>
#include <string_view>

namespace quorva::probe {

// Each maximal ill-formed subsequence (overlong forms, encoded surrogates, values above U+10FFFF,
// truncated sequences, stray continuation bytes) becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Surrogate pairs become one four-byte sequence; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quorva::probe
