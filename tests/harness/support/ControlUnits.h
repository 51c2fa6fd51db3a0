#pragma once
// How an edit control counts its positions (EM_GETSEL, EM_SETSEL) and how many of them a text
// takes: code page 932 bytes, UTF-16 characters, or characters with each line break as one
// (RichEdit).
#include <cstdint>
#include <string>

#include "common/text/Ansi.h"

namespace quorva::test {

enum class Counts { kBytes, kChars, kCharsBreakOne };

inline int64_t Count(const std::u16string& text, Counts counts) {
  if (counts == Counts::kBytes) return static_cast<int64_t>(ToAnsi(text).size());
  int64_t n = static_cast<int64_t>(text.size());
  if (counts == Counts::kCharsBreakOne) {
    for (size_t i = 0; i + 1 < text.size(); ++i) n -= text[i] == u'\r' && text[i + 1] == u'\n';
  }
  return n;
}

}  // namespace quorva::test
