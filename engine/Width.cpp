#include "Width.h"

namespace quorva {

std::u16string ToHalfWidth(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = HalfWidthOf(c);
  return out;
}

std::u16string ToFullWidth(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = FullWidthOf(c);
  return out;
}

}  // namespace quorva
