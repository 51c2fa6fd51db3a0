// Byte counting and byte ranges in the ANSI code page: the editor counts in bytes, the program
// in characters.
#include <algorithm>
#include <climits>

#include "common/text/Ansi.h"
#include "common/subTool.h"

namespace quorva {

int32_t LenAnsi(const std::u16string& s) {
  const size_t bytes = ToAnsi(s).size();
  if (bytes > static_cast<size_t>(INT32_MAX)) Raise(kOverflow);
  return static_cast<int32_t>(bytes);
}

std::u16string MidAnsi(const std::u16string& s, int32_t lStart, int32_t lLength) {
  if (lStart < 1 || lLength < 0) Raise(kInvalidArgument);
  const std::string b = ToAnsi(s);
  const size_t from = static_cast<size_t>(lStart) - 1;
  if (from >= b.size() || lLength == 0) return {};
  const size_t to = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(from) + lLength,
                                                          static_cast<int64_t>(b.size())));
  // A range that ends inside a double-byte character leaves that character out: its lone lead
  // byte would convert to a character that was never in s.
  size_t end = to;
  for (size_t i = 0; i < to;) {
    const size_t width = (IsAnsiLeadByte(static_cast<unsigned char>(b[i])) && i + 1 < b.size()) ? 2 : 1;
    if (i + width > to) {
      end = std::max(i, from);
      break;
    }
    i += width;
  }
  std::u16string r = FromAnsi(std::string_view(b).substr(from, end - from));
  // A range that starts on a trail byte converts as the platform decides; never hand out more
  // bytes than asked.
  while (!r.empty() && LenAnsi(r) > lLength) r.pop_back();
  return r;
}

}  // namespace quorva
