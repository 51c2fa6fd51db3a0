#pragma once
// The one lower-casing of the program: ASCII letters only, so that a start-up option or a memo
// word compares the same under every locale (no Turkish dotless i, no full-width forms).
namespace quorva {

template <typename Char>
constexpr Char AsciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

}  // namespace quorva
