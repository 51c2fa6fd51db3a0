#pragma once
// Full-width <-> half-width per the Unicode Halfwidth and Fullwidth Forms (ASCII range and the
// ideographic space).
#include <string>
#include <string_view>

namespace quorva {

// One character: the ASCII forms U+FF01..U+FF5E and the ideographic space; others as they are.
constexpr char16_t HalfWidthOf(char16_t c) {
  return c >= 0xFF01 && c <= 0xFF5E ? static_cast<char16_t>(c - 0xFEE0) : c == 0x3000 ? u' ' : c;
}
constexpr char16_t FullWidthOf(char16_t c) {
  return c >= 0x21 && c <= 0x7E ? static_cast<char16_t>(c + 0xFEE0) : c == u' ' ? char16_t{0x3000} : c;
}

std::u16string ToHalfWidth(std::u16string_view text);
std::u16string ToFullWidth(std::u16string_view text);

}  // namespace quorva
