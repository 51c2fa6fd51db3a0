#pragma once
// UTF-8 <-> UTF-16 for the probe's JSON lines, through iconv. Both directions are total: what
// iconv cannot convert (ill-formed input) becomes U+FFFD, so no input can make them fail.
#include <string>
#include <string_view>

namespace quorva::probe {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quorva::probe
