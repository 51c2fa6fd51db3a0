#include "Percent.h"

#include <cstdint>
#include <vector>

#include "Evaluator.h"

namespace quorva {
namespace {

constexpr size_t kNone = std::u16string::npos;

struct Level {
  size_t start;            // where the level's text begins
  size_t lastAdd = kNone;  // its last "+" or "_"
};

// What a character becomes.
enum Mark : uint8_t {
  kAsIs,
  kShareSign,     // the "+" or "_" before a share: ")×(100" and the sign
  kFractionMark,  // a "%" that makes a fraction: "/100)"
  kShareMark,     // a "%" that makes a share: ")/100"
};

}  // namespace

// Two passes, so that the text is only ever appended to: the first decides every "%" and counts
// the brackets that open before each character, the second writes. Rewriting in place would copy
// everything before a share once per share.
std::u16string RewritePercent(const std::u16string& t, const NumberLocale& locale) {
  if (t.find(u'%') == std::u16string::npos) return t;
  const size_t n = t.size();
  std::vector<Mark> marks(n, kAsIs);
  std::vector<uint32_t> opens(n + 1, 0);
  std::vector<Level> levels{{0}};
  size_t operand = 0;    // where the current operand begins
  size_t group = kNone;  // the "(" of the bracket pair that ends right before the operand
  for (size_t i = 0; i < n; ++i) {
    const char16_t c = t[i];
    if (c == u'(') {
      levels.push_back({i + 1});
      operand = i + 1;
      group = kNone;
    } else if (c == u')') {
      if (levels.size() == 1) return t;  // out of order: the evaluator rejects the text as it is
      group = levels.back().start - 1;
      levels.pop_back();
      operand = i + 1;
    } else if (detail::IsOperatorAt(t, i, locale.Decimal)) {
      if (detail::IsAddChar(c)) levels.back().lastAdd = i;
      operand = i + 1;
      group = kNone;
    } else if (c == u'%') {
      const size_t from = group != kNone && operand == i ? group : operand;
      const bool last = i + 1 == n || t[i + 1] == u')' || detail::IsOperatorAt(t, i + 1, locale.Decimal);
      if ((i > 0 && t[i - 1] == u'%') || from == i || !last) continue;  // "%5", "5%%", "5%3": no percentage
      Level& level = levels.back();
      const bool wholeTerm = level.lastAdd != kNone && from == level.lastAdd + 1 && level.lastAdd > level.start &&
                             (i + 1 == n || t[i + 1] == u')' || detail::IsAddChar(t[i + 1]));
      if (wholeTerm) {
        ++opens[level.start];
        marks[level.lastAdd] = kShareSign;
        marks[i] = kShareMark;
        level.lastAdd = kNone;
      } else {
        ++opens[from];
        marks[i] = kFractionMark;
      }
      group = kNone;
      operand = i + 1;
    } else {
      group = kNone;
    }
  }
  std::u16string out;
  out.reserve(n + 16);
  for (size_t i = 0; i < n; ++i) {
    out.append(opens[i], u'(');
    switch (marks[i]) {
      case kShareSign: (out += u")\u00D7(100") += t[i]; break;
      case kFractionMark: out += u"/100)"; break;
      case kShareMark: out += u")/100"; break;
      default: out += t[i];
    }
  }
  return out;
}

}  // namespace quorva
