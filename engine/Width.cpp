#include "Width.h"

namespace quorva {

std::u16string ToHalfWidth(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    else if (c == 0x3000) c = u' ';
  }
  return out;
}

std::u16string ToFullWidth(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) {
    if (c >= 0x21 && c <= 0x7E) c = static_cast<char16_t>(c + 0xFEE0);
    else if (c == u' ') c = 0x3000;
  }
  return out;
}

}  // namespace quorva
