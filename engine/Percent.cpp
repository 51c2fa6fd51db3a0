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
  bool percentsOnly = true;  // every term so far is a percentage: "2%+3%" adds rates
  size_t termStart;          // where its current term begins
  size_t lastRate = kNone;   // the "%" of a term that is nothing but a percentage
};

// What a character becomes.
enum Mark : uint8_t {
  kAsIs,
  kShareSign,     // the "+" or "_" before a share: ")×(100" and the sign
  kFractionMark,  // a "%" that makes a fraction: "/100)"
  kShareMark,     // a "%" that makes a share: ")/100"
};

// The first pass: decides every "%" and counts the brackets that open before each character.
class PercentMarks {
 public:
  PercentMarks(const std::u16string& t, char16_t decimal)
      : t_(t), decimal_(decimal), marks_(t.size(), kAsIs), opens_(t.size() + 1, 0) {}

  // False when the brackets are out of order: the text then stays as it is.
  bool Read() {
    for (size_t i = 0; i < t_.size(); ++i) {
      const char16_t c = t_[i];
      if (c == u'(') {
        Open(i);
      } else if (c == u')') {
        if (!Close(i)) return false;
      } else if (detail::IsOperatorAt(t_, i, decimal_)) {
        if (detail::IsAddChar(c)) levels_.back().lastAdd = i;
        Level& level = levels_.back();
        if (detail::IsAddChar(c)) {
          if (level.lastRate == kNone || level.lastRate + 1 != i) level.percentsOnly = false;
          level.termStart = i + 1;
        }
        operand_ = i + 1;
        group_ = kNone;
      } else if (c == u'%') {
        Percent(i);
      } else {
        group_ = kNone;
      }
    }
    return true;
  }

  // The second pass: the text with every decided "%" written out.
  std::u16string Write() const {
    std::u16string out;
    out.reserve(t_.size() + 16);
    for (size_t i = 0; i < t_.size(); ++i) {
      out.append(opens_[i], u'(');
      switch (marks_[i]) {
        case kShareSign: (out += u")\u00D7(100") += t_[i]; break;
        case kFractionMark: out += u"/100)"; break;
        case kShareMark: out += u")/100"; break;
        default: out += t_[i];
      }
    }
    return out;
  }

 private:
  void Open(size_t i) {
    levels_.push_back({i + 1, kNone, true, i + 1});
    operand_ = i + 1;
    group_ = kNone;
  }

  bool Close(size_t i) {
    if (levels_.size() == 1) return false;
    group_ = levels_.back().start - 1;
    levels_.pop_back();
    operand_ = i + 1;
    return true;
  }

  bool EndsOperand(size_t i) const {
    return i == t_.size() || t_[i] == u')' || detail::IsOperatorAt(t_, i, decimal_);
  }

  void Percent(size_t i) {
    const size_t from = group_ != kNone && operand_ == i ? group_ : operand_;
    if ((i > 0 && t_[i - 1] == u'%') || from == i || !EndsOperand(i + 1)) return;  // "%5", "5%%", "5%3"
    Level& level = levels_.back();
    const bool wholeTerm = !level.percentsOnly && level.lastAdd != kNone && from == level.lastAdd + 1 &&
                           level.lastAdd > level.start &&
                           (i + 1 == t_.size() || t_[i + 1] == u')' || detail::IsAddChar(t_[i + 1]));
    if (wholeTerm) {
      ++opens_[level.start];
      marks_[level.lastAdd] = kShareSign;
      marks_[i] = kShareMark;
      level.lastAdd = kNone;
    } else {
      ++opens_[from];
      marks_[i] = kFractionMark;
      if (from == level.termStart) level.lastRate = i;
    }
    group_ = kNone;
    operand_ = i + 1;
  }

  const std::u16string& t_;
  const char16_t decimal_;
  std::vector<Mark> marks_;
  std::vector<uint32_t> opens_;
  std::vector<Level> levels_{{0, kNone, true, 0}};
  size_t operand_ = 0;    // where the current operand begins
  size_t group_ = kNone;  // the "(" of the bracket pair that ends right before the operand
};

}  // namespace

// Two passes, so that the text is only ever appended to. Rewriting in place would copy
// everything before a share once per share.
std::u16string RewritePercent(const std::u16string& t, const NumberLocale& locale) {
  if (t.find(u'%') == std::u16string::npos) return t;
  PercentMarks marks(t, locale.Decimal);
  if (!marks.Read()) return t;  // out of order: the evaluator rejects the text as it is
  return marks.Write();
}

}  // namespace quorva
