#pragma once
// Full-width <-> half-width per the Unicode Halfwidth and Fullwidth Forms (ASCII range and the
// ideographic space).
#include <string>
#include <string_view>

namespace quorva {

std::u16string ToHalfWidth(std::u16string_view text);
std::u16string ToFullWidth(std::u16string_view text);

}  // namespace quorva
