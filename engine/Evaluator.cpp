#include "Evaluator.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "NumberCore.h"
#include "RuntimeError.h"

namespace quorva::detail {

bool IsOperatorAt(const std::u16string& text, size_t i, char16_t decimal) {
  char16_t c = text[i];
  if (!IsOperatorChar(c)) return false;
  if (!IsAddChar(c)) return true;
  return !(i >= 2 && i + 1 < text.size() && IsExponentSign(text[i - 2], text[i - 1], c, text[i + 1], decimal));
}

namespace {

// One operand of a flat expression during its reduction. Operand j starts as the text between
// operators j - 1 and j; operator j is still there exactly while operand j + 1 is. Its number and
// its link to the operand that absorbed it are kept in arrays of their own (see FlatExpression).
struct Operand {
  enum Kind : uint8_t { Slice, Value, Merged };
  Kind kind = Slice;
  uint8_t error = 0;  // Value: the error that reading its number text raises
  char16_t sign = 0;  // Merged: the "+" or "_" between the slice and the value
};

// Reduces a flat expression (no brackets) as the rewriting does: every "^" from the left, then
// every "×" and "/", then every "+" and "_". A reduction can turn the "+" or "_" in front of its
// left operand into an exponent sign (‹1E+.5×2› becomes the one number ‹1E+1›); that merge is the
// only way the rewriting changes how the rest of the text reads.
class FlatExpression {
 public:
  FlatExpression(const char16_t* text, uint32_t begin, uint32_t end, const uint32_t* ops, size_t opCount,
                 const NumberLocale& locale)
      : text_(text), begin_(begin), end_(end), ops_(ops), count_(opCount), locale_(locale),
        operands_(new Operand[opCount + 1]()), numbers_(new double[opCount + 1]), parents_(new uint32_t[opCount + 1]) {
    for (size_t j = 0; j <= opCount; ++j) parents_[j] = static_cast<uint32_t>(j);
  }

  struct Result {
    Operand::Kind kind;
    uint32_t sliceEnd;  // Merged: end of the slice, which starts where the expression does
    char16_t sign;
    double number;
  };

  Result Reduce() {
    for (size_t i = 0; i < count_; ++i)
      if (Op(i) == u'^') ReduceAt(i);
    for (size_t i = 0; i < count_; ++i)
      if (Op(i) == u'\u00D7' || Op(i) == u'/') ReduceAt(i);
    for (size_t i = 0; i < count_; ++i)
      if (IsAddChar(Op(i)) && Alive(i + 1)) ReduceAt(i);
    const Operand& o = operands_[0];
    return {o.kind, SliceEnd(0), o.sign, numbers_[0]};
  }

 private:
  char16_t Op(size_t i) const { return text_[ops_[i]]; }
  bool Alive(size_t j) const { return parents_[j] == j; }
  uint32_t SliceBegin(size_t j) const { return j == 0 ? begin_ : ops_[j - 1] + 1; }
  uint32_t SliceEnd(size_t j) const { return j == count_ ? end_ : ops_[j]; }

  // The operand that now stands where operand j stood.
  uint32_t Find(uint32_t j) {
    while (parents_[j] != j) {
      uint32_t up = parents_[j];
      parents_[j] = parents_[up];  // path halving
      j = up;
    }
    return j;
  }

  double ParseOrRaise(std::u16string_view text) {
    double v = 0;
    if (int err = ParseNumber(text, locale_, true, v)) Raise(err);
    return v;
  }

  double Read(uint32_t j) {
    const Operand& o = operands_[j];
    if (o.kind == Operand::Value) {
      if (o.error) Raise(o.error);
      return numbers_[j];
    }
    uint32_t b = SliceBegin(j), e = SliceEnd(j);
    if (o.kind == Operand::Slice) return b == e ? 0 : ParseOrRaise(std::u16string_view(text_ + b, e - b));
    std::u16string merged(text_ + b, e - b);
    merged.push_back(o.sign);
    char16_t buf[kNumberTextMax];
    merged.append(buf, static_cast<size_t>(FormatNumberText(numbers_[j], locale_.Decimal, buf)));
    return ParseOrRaise(merged);
  }

  // Value: the value read back from its number text, which prints as the same text; the
  // computed value itself when that text cannot be read back.
  void SetValue(uint32_t j, double raw) {
    Operand& o = operands_[j];
    o.kind = Operand::Value;
    o.error = 0;
    numbers_[j] = raw + 0.0;  // "-0" is written "0"
    if (std::fabs(raw) < 1e15 && raw == std::trunc(raw)) return;  // its number text reads back exactly
    if (RoundedValue(raw, numbers_[j])) return;
    char16_t buf[kNumberTextMax];
    int n = FormatNumberText(raw, locale_.Decimal, buf);
    double back = 0;
    o.error = static_cast<uint8_t>(ParseNumber(std::u16string_view(buf, static_cast<size_t>(n)), locale_, false, back));
    if (!o.error) numbers_[j] = back;
  }

  void ReduceAt(size_t i) {
    uint32_t left = Find(static_cast<uint32_t>(i));
    uint32_t right = static_cast<uint32_t>(i + 1);
    double a = Read(left);
    double b = Read(right);
    double v = 0;
    switch (Op(i)) {
      case u'^':
        v = std::pow(a, b);
        if (std::isnan(v)) Raise(kInvalidArgument);
        if (std::isinf(v)) Raise(kOverflow);
        break;
      case u'\u00D7': v = a * b; break;
      case u'/': v = b == 0 ? 0.0 : a / b; break;
      case u'+': v = a + b; break;
      default: v = a - b; break;
    }
    if (!std::isfinite(v)) Raise(kOverflow);
    SetValue(left, v);
    parents_[right] = left;

    // The value now follows the operator in front of it; a "+"/"_" there may read as an exponent sign.
    if (left == 0 || v < 0) return;
    char16_t sign = Op(left - 1);
    if (!IsAddChar(sign)) return;
    uint32_t before = Find(left - 1);
    Operand& o = operands_[before];
    uint32_t from = SliceBegin(before), to = SliceEnd(before);
    if (o.kind != Operand::Slice || to - from < 2) return;
    if (!IsExponentSign(text_[to - 2], text_[to - 1], sign, u'0', locale_.Decimal)) return;
    o.kind = Operand::Merged;
    o.sign = sign;
    numbers_[before] = v;  // Merged: the computed value
    parents_[left] = before;
  }

  const char16_t* text_;
  uint32_t begin_, end_;
  const uint32_t* ops_;  // operator positions in text_, ascending
  size_t count_;
  const NumberLocale& locale_;
  std::unique_ptr<Operand[]> operands_;
  std::unique_ptr<double[]> numbers_;
  std::unique_ptr<uint32_t[]> parents_;  // itself while alive; else an operand to its left that absorbed it
};

// Reads the text once, left to right. Brackets open frames; a ")" reduces its frame's flat text
// and leaves the result text in place, where it runs into its neighbours as the rewriting splices
// it. Operators are classified as their next character arrives, in the frame's own context.
class Evaluator {
 public:
  explicit Evaluator(const NumberLocale& locale) : locale_(locale) {}

  std::u16string Run(const std::u16string& text) {
    buf_.reserve(text.size());
    ops_.reserve(text.size() / 2 + 1);
    for (char16_t c : text) {
      if (c == u'(') frames_.push_back(Size());
      else if (c == u')') Close();
      else Append(c);
    }
    return Finish();
  }

 private:
  uint32_t Size() const { return static_cast<uint32_t>(buf_.size()); }
  uint32_t FrameStart() const { return frames_.empty() ? 0 : frames_.back(); }

  // Decides whether the "+"/"_" at i is an operator, now that `next` follows it.
  void Classify(uint32_t i, char16_t next) {
    uint32_t start = FrameStart();
    bool exponent = i >= start + 2 && IsExponentSign(buf_[i - 2], buf_[i - 1], buf_[i], next, locale_.Decimal);
    if (!exponent) ops_.push_back(i);
  }

  void Append(char16_t c) {
    uint32_t j = Size();
    if (j > FrameStart() && IsAddChar(buf_[j - 1])) Classify(j - 1, c);
    if (IsOperatorChar(c) && !IsAddChar(c)) ops_.push_back(j);
    buf_.push_back(c);
  }

  void AppendNumber(double raw) {
    char16_t tmp[kNumberTextMax];
    int n = FormatNumberText(raw, locale_.Decimal, tmp);
    for (int k = 0; k < n; ++k) Append(tmp[k]);
  }

  // The parent frame's trailing "+"/"_" now has the character at `start` after it.
  void ClassifyBoundary(uint32_t start) {
    if (start > FrameStart() && start < Size() && IsAddChar(buf_[start - 1])) Classify(start - 1, buf_[start]);
  }

  void Close() {
    if (frames_.empty()) Raise(kInvalidArgument);  // the first ")" has no "(" before it
    uint32_t start = frames_.back();
    uint32_t end = Size();
    if (end > start && IsAddChar(buf_[end - 1])) ops_.push_back(end - 1);  // nothing follows it in the frame
    auto first = std::lower_bound(ops_.begin(), ops_.end(), start);
    if (first == ops_.end()) {  // no operator: the text stays as it is
      frames_.pop_back();
      ClassifyBoundary(start);
      return;
    }
    FlatExpression flat(buf_.data(), start, end, &*first, static_cast<size_t>(ops_.end() - first), locale_);
    FlatExpression::Result result = flat.Reduce();
    ops_.erase(first, ops_.end());
    frames_.pop_back();
    if (result.kind == Operand::Merged) {
      buf_.resize(result.sliceEnd);
      ClassifyBoundary(start);
      Append(result.sign);
    } else {
      buf_.resize(start);
    }
    AppendNumber(result.number);
  }

  std::u16string ResultText(const FlatExpression::Result& result, const char16_t* text, uint32_t begin) const {
    std::u16string out;
    if (result.kind == Operand::Merged) {
      out.assign(text + begin, result.sliceEnd - begin);
      out.push_back(result.sign);
    }
    char16_t tmp[kNumberTextMax];
    out.append(tmp, static_cast<size_t>(FormatNumberText(result.number, locale_.Decimal, tmp)));
    return out;
  }

  std::u16string Finish() {
    std::u16string out;
    if (!frames_.empty()) {
      // Unmatched "(" stay in the text as ordinary characters; read it again as a whole.
      std::u16string whole;
      whole.reserve(buf_.size() + frames_.size());
      size_t from = 0;
      for (uint32_t f : frames_) {
        whole.append(buf_, from, f - from);
        whole.push_back(u'(');
        from = f;
      }
      whole.append(buf_, from, std::u16string::npos);
      std::vector<uint32_t> ops;
      for (size_t i = 0; i < whole.size(); ++i)
        if (IsOperatorAt(whole, i, locale_.Decimal)) ops.push_back(static_cast<uint32_t>(i));
      if (ops.empty()) {
        out = std::move(whole);
      } else {
        FlatExpression flat(whole.data(), 0, static_cast<uint32_t>(whole.size()), ops.data(), ops.size(), locale_);
        out = ResultText(flat.Reduce(), whole.data(), 0);
      }
    } else {
      uint32_t end = Size();
      if (end > 0 && IsAddChar(buf_[end - 1])) ops_.push_back(end - 1);
      if (ops_.empty()) {
        out = std::move(buf_);
      } else {
        FlatExpression flat(buf_.data(), 0, end, ops_.data(), ops_.size(), locale_);
        out = ResultText(flat.Reduce(), buf_.data(), 0);
      }
    }
    // Any "_" left is an exponent sign: show it as typed.
    std::replace(out.begin(), out.end(), u'_', u'-');
    return out;
  }

  const NumberLocale& locale_;
  std::u16string buf_;
  std::vector<uint32_t> ops_;     // positions of the operators in buf_, ascending
  std::vector<uint32_t> frames_;  // start in buf_ of each open bracket's text
};

}  // namespace

std::u16string Evaluate(const std::u16string& text, const NumberLocale& locale) {
  return Evaluator(locale).Run(text);
}

}  // namespace quorva::detail
