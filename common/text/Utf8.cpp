#include "common/text/Utf8.h"

namespace quorva {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the well-formed sequence at bytes[i] and its length; length 0 when there is
// none (overlong forms, surrogates, cut-off sequences, values above U+10FFFF).
size_t DecodeAt(std::string_view bytes, size_t i, char32_t& c) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  if (lead < 0x80) {
    c = lead;
    return 1;
  }
  // Length and the smallest value each length may carry (anything less is an overlong form).
  size_t length;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - i < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

// The code point at text[i] and how many units it takes; 0 for an unpaired surrogate.
size_t CodePointAt(std::u16string_view text, size_t i, char32_t& c) {
  c = text[i];
  if (c >= 0xDC00 && c <= 0xDFFF) return 0;
  if (c < 0xD800 || c > 0xDBFF) return 1;
  if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return 0;
  c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  return 2;
}

void AppendUtf16(std::u16string& text, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (c >> 10));
    text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  } else {
    text += static_cast<char16_t>(c);
  }
}

void AppendUtf8(std::string& bytes, char32_t c) {
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The whole conversion: what is ill-formed becomes U+FFFD when total (one byte or unit given up,
// the rest read on behind it), and otherwise gives nothing.
std::optional<std::u16string> Decode(std::string_view bytes, bool total) {
  std::u16string text;
  text.reserve(bytes.size());
  char32_t c = 0;
  for (size_t i = 0, n = 0; i < bytes.size(); i += n) {
    if ((n = DecodeAt(bytes, i, c)) == 0) {
      if (!total) return std::nullopt;
      c = kReplacement, n = 1;
    }
    AppendUtf16(text, c);
  }
  return text;
}

std::optional<std::string> Encode(std::u16string_view text, bool total) {
  std::string bytes;
  bytes.reserve(text.size());
  char32_t c = 0;
  for (size_t i = 0, n = 0; i < text.size(); i += n) {
    if ((n = CodePointAt(text, i, c)) == 0) {
      if (!total) return std::nullopt;
      c = kReplacement, n = 1;
    }
    AppendUtf8(bytes, c);
  }
  return bytes;
}

}  // namespace

std::optional<std::u16string> DecodeUtf8(std::string_view bytes) { return Decode(bytes, false); }
std::optional<std::string> EncodeUtf8(std::u16string_view text) { return Encode(text, false); }
std::u16string Utf8ToUtf16(std::string_view bytes) { return *Decode(bytes, true); }
std::string Utf16ToUtf8(std::u16string_view text) { return *Encode(text, true); }

}  // namespace quorva
