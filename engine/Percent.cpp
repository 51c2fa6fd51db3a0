#include "Percent.h"

#include <vector>

#include "Evaluator.h"

namespace quorva {
namespace {

constexpr size_t kNone = std::u16string::npos;

struct Level {
  size_t start;             // in the output: where the level's text begins
  size_t lastAdd = kNone;   // in the output: its last "+" or "_"
};

}  // namespace

std::u16string RewritePercent(const std::u16string& t, const NumberLocale& locale) {
  std::u16string out;
  out.reserve(t.size() + 16);
  std::vector<Level> levels{{0}};
  size_t operand = 0;        // in the output: where the current operand begins
  size_t group = kNone;      // in the output: the "(" of the bracket pair that the output ends with
  for (size_t i = 0; i < t.size(); ++i) {
    const char16_t c = t[i];
    if (c == u'(') {
      out += c;
      levels.push_back({out.size()});
      operand = out.size();
      group = kNone;
    } else if (c == u')') {
      if (levels.size() == 1) return t;  // out of order: the evaluator rejects the text as it is
      group = levels.back().start - 1;
      levels.pop_back();
      out += c;
      operand = out.size();
    } else if (detail::IsOperatorAt(t, i, locale.Decimal)) {
      if (detail::IsAddChar(c)) levels.back().lastAdd = out.size();
      out += c;
      operand = out.size();
      group = kNone;
    } else if (c == u'%') {
      const size_t from = group != kNone && operand == out.size() ? group : operand;
      const bool last = i + 1 == t.size() || t[i + 1] == u')' || detail::IsOperatorAt(t, i + 1, locale.Decimal);
      if ((i > 0 && t[i - 1] == u'%') || from == out.size() || !last) {
        out += c;  // "%5", "5%%", "5%3": not a percentage
        continue;
      }
      Level& level = levels.back();
      const bool wholeTerm = level.lastAdd != kNone && from == level.lastAdd + 1 && level.lastAdd > level.start &&
                             (i + 1 == t.size() || t[i + 1] == u')' || detail::IsAddChar(t[i + 1]));
      const std::u16string share = out.substr(from);
      if (wholeTerm) {
        const std::u16string before = out.substr(level.start, level.lastAdd - level.start);
        const char16_t sign = out[level.lastAdd];
        out.resize(level.start);
        out += u'(' + before + u")\u00D7(100" + sign + share + u")/100";
        level.lastAdd = kNone;
      } else {
        out.resize(from);
        out += u'(' + share + u"/100)";
      }
      group = kNone;
      operand = out.size();
    } else {
      out += c;
      group = kNone;
    }
  }
  return out;
}

}  // namespace quorva
