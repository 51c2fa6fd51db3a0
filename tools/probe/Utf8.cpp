#include "tools/probe/Utf8.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <stdexcept>

namespace quorva::probe {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Converts `bytes` from one encoding to the other. An input unit (`unit` bytes) that iconv
// refuses is replaced by `replacement`, already in the target encoding.
std::string Convert(const char* to, const char* from, std::string_view bytes, size_t unit,
                    std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no conversion between UTF-8 and UTF-16");
  std::string out;
  char* in = const_cast<char*>(bytes.data());
  size_t left = bytes.size();
  char buffer[1024];
  while (left > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    const size_t rc = iconv(cd, &in, &left, &dst, &room);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {  // ill-formed or cut short
      out += replacement;
      const size_t skip = left < unit ? left : unit;
      in += skip;
      left -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  constexpr char16_t kReplacement = 0xFFFD;
  std::string bytes = Convert(kUtf16, "UTF-8", text, 1,
                              std::string_view(reinterpret_cast<const char*>(&kReplacement), 2));
  return std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
}

std::string Utf16ToUtf8(std::u16string_view text) {
  return Convert("UTF-8", kUtf16, std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2), 2,
                 "\xEF\xBF\xBD");
}

}  // namespace quorva::probe
