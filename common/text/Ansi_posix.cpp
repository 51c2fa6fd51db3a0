// CP932 through iconv, so that the native build counts bytes as a Japanese Windows does.
#include <iconv.h>

#include <cerrno>
#include "common/text/Ansi.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    // A system without CP932 cannot count as a Japanese Windows: a failure of the set-up, not of
    // the input.
    if (cd_ == reinterpret_cast<iconv_t>(-1)) Raise(kInternalError);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as iconv accepts; returns how many input bytes it consumed.
  size_t Run(const char* in, size_t inBytes, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    size_t left = inBytes;
    char buffer[256];
    while (left > 0) {
      char* dst = buffer;
      size_t room = sizeof buffer;
      const size_t rc = iconv(cd_, &src, &left, &dst, &room);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    return inBytes - left;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string ToAnsi(std::u16string_view text) {
  thread_local Converter toAnsi("CP932", "UTF-16LE");
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const char* in = reinterpret_cast<const char*>(text.data() + i);
    const size_t used = toAnsi.Run(in, (text.size() - i) * 2, out) / 2;
    i += used;
    if (i < text.size()) {
      // Not in the code page: the platform's default character, one per code unit.
      out += '?';
      ++i;
    }
  }
  return out;
}

std::u16string FromAnsi(std::string_view bytes) {
  thread_local Converter fromAnsi("UTF-16LE", "CP932");
  std::string utf16;
  size_t i = 0;
  while (i < bytes.size()) {
    i += fromAnsi.Run(bytes.data() + i, bytes.size() - i, utf16);
    if (i < bytes.size()) {
      // Bytes with no character convert as Windows converts them for code page 932: the single
      // bytes it maps to U+0080 and private-use characters, anything else (a lone lead byte, a
      // lead byte with an invalid trail byte) to the katakana middle dot.
      const auto byte = static_cast<unsigned char>(bytes[i]);
      char16_t unit = u'\u30FB';
      size_t used = 1;
      if (byte == 0x80) {
        unit = u'\u0080';
      } else if (byte == 0xA0) {
        unit = u'\uF8F0';
      } else if (byte >= 0xFD) {
        unit = static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
      } else if (IsAnsiLeadByte(byte) && i + 1 < bytes.size() && bytes[i + 1] != '\0') {
        used = 2;
      }
      utf16 += static_cast<char>(unit & 0xFF);
      utf16 += static_cast<char>(unit >> 8);
      i += used;
    }
  }
  std::u16string out(utf16.size() / 2, u'\0');
  for (size_t k = 0; k < out.size(); ++k) {
    out[k] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * k]) |
                                   (static_cast<unsigned char>(utf16[2 * k + 1]) << 8));
  }
  return out;
}

bool IsAnsiLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::wstring ToWide(std::u16string_view s) {
  std::wstring out;
  for (size_t i = 0; i < s.size(); ++i) {
    const char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      out += static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00));
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

std::u16string FromWide(std::wstring_view s) {
  std::u16string out;
  for (const wchar_t w : s) {
    const auto c = static_cast<char32_t>(w);
    if (c > 0xFFFF && c <= 0x10FFFF) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

}  // namespace quorva
