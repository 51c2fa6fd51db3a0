#include "Evaluator.h"

#include <algorithm>
#include <cmath>
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

constexpr uint32_t kNone = UINT32_MAX;

// One operand of a flat expression during its reduction.
struct Operand {
  enum Kind : uint8_t { Slice, Value, Merged } kind = Slice;
  char16_t sign = 0;    // Merged: the sign between the slice and the value
  int error = 0;        // Value/Merged: the error that reading the value's text raises
  uint32_t begin = 0;   // Slice/Merged: the original text
  uint32_t end = 0;
  double raw = 0;       // Value/Merged: the computed value, before it became number text
  double value = 0;     // Value: the value read back from its number text
};

// Reduces a flat expression (no brackets) as the rewriting does: every "^" from the left, then
// every "×" and "/", then every "+" and "_". A reduction can turn the "+" or "_" in front of its
// left operand into an exponent sign (‹1E+.5×2› becomes the one number ‹1E+1›); that merge is the
// only way the rewriting changes how the rest of the text reads.
class FlatExpression {
 public:
  FlatExpression(const char16_t* text, uint32_t begin, uint32_t end, const uint32_t* ops, size_t opCount,
                 const NumberLocale& locale)
      : text_(text), locale_(locale) {
    operands_.resize(opCount + 1);
    opPos_.assign(ops, ops + opCount);
    size_t nodes = 2 * opCount + 1;
    prev_.resize(nodes);
    next_.resize(nodes);
    for (size_t n = 0; n < nodes; ++n) {
      prev_[n] = n == 0 ? kNone : static_cast<uint32_t>(n - 1);
      next_[n] = n + 1 == nodes ? kNone : static_cast<uint32_t>(n + 1);
    }
    for (size_t j = 0; j <= opCount; ++j) {
      operands_[j].begin = j == 0 ? begin : ops[j - 1] + 1;
      operands_[j].end = j == opCount ? end : ops[j];
    }
  }

  // Runs every reduction; afterwards operand 0 is all that is left.
  const Operand& Reduce() {
    size_t count = opPos_.size();
    for (size_t i = 0; i < count; ++i)
      if (Op(i) == u'^') ReduceAt(i);
    for (size_t i = 0; i < count; ++i)
      if (Op(i) == u'\u00D7' || Op(i) == u'/') ReduceAt(i);
    for (size_t i = 0; i < count; ++i)
      if (IsAddChar(Op(i))) ReduceAt(i);
    return operands_[0];
  }

 private:
  // The operator's character; 0 once it has been reduced or has become an exponent sign.
  char16_t Op(size_t i) const { return opPos_[i] == kNone ? char16_t(0) : text_[opPos_[i]]; }
  static uint32_t OperatorNode(size_t i) { return static_cast<uint32_t>(2 * i + 1); }

  double Read(uint32_t node) {
    Operand& o = operands_[node / 2];
    switch (o.kind) {
      case Operand::Value:
        if (o.error) Raise(o.error);
        return o.value;
      case Operand::Slice: {
        if (o.begin == o.end) return 0;
        double v = 0;
        if (int err = ParseNumber(std::u16string_view(text_ + o.begin, o.end - o.begin), locale_, true, v))
          Raise(err);
        return v;
      }
      case Operand::Merged: {
        std::u16string merged(text_ + o.begin, o.end - o.begin);
        merged.push_back(o.sign);
        char16_t buf[kNumberTextMax];
        merged.append(buf, static_cast<size_t>(FormatNumberText(o.raw, locale_.Decimal, buf)));
        double v = 0;
        if (int err = ParseNumber(merged, locale_, true, v)) Raise(err);
        return v;
      }
    }
    return 0;
  }

  void SetValue(Operand& o, double raw) {
    o.kind = Operand::Value;
    o.raw = raw;
    o.error = 0;
    if (std::fabs(raw) < 1e15 && raw == std::trunc(raw)) {
      o.value = raw + 0.0;  // its number text reads back exactly ("-0" is written "0")
      return;
    }
    char16_t buf[kNumberTextMax];
    int n = FormatNumberText(raw, locale_.Decimal, buf);
    o.error = ParseNumber(std::u16string_view(buf, static_cast<size_t>(n)), locale_, false, o.value);
  }

  void Unlink(uint32_t node) {
    uint32_t p = prev_[node], n = next_[node];
    if (p != kNone) next_[p] = n;
    if (n != kNone) prev_[n] = p;
  }

  void ReduceAt(size_t i) {
    uint32_t op = OperatorNode(i);
    uint32_t left = prev_[op], right = next_[op];
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
    SetValue(operands_[left / 2], v);
    Unlink(op);
    Unlink(right);
    opPos_[i] = kNone;

    // The value now follows the operator in front of it; a "+"/"_" there may read as an exponent sign.
    uint32_t signNode = prev_[left];
    if (signNode == kNone || v < 0) return;
    size_t signIndex = signNode / 2;
    char16_t sign = Op(signIndex);
    if (!IsAddChar(sign)) return;
    Operand& before = operands_[prev_[signNode] / 2];
    if (before.kind != Operand::Slice || before.end - before.begin < 2) return;
    if (!IsExponentSign(text_[before.end - 2], text_[before.end - 1], sign, u'0', locale_.Decimal)) return;
    before.kind = Operand::Merged;
    before.sign = sign;
    before.raw = v;
    Unlink(signNode);
    Unlink(left);
    opPos_[signIndex] = kNone;
  }

  const char16_t* text_;
  const NumberLocale& locale_;
  std::vector<Operand> operands_;
  std::vector<uint32_t> opPos_;  // position of each operator; kNone once it is gone
  std::vector<uint32_t> prev_, next_;
};

// Reads the text once, left to right. Brackets open frames; a ")" reduces its frame's flat text
// and leaves the result text in place, where it runs into its neighbours as the rewriting splices
// it. Operators are classified as their next character arrives, in the frame's own context.
class Evaluator {
 public:
  explicit Evaluator(const NumberLocale& locale) : locale_(locale) {}

  std::u16string Run(const std::u16string& text) {
    buf_.reserve(text.size());
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
    Operand result = flat.Reduce();
    ops_.erase(first, ops_.end());
    frames_.pop_back();
    if (result.kind == Operand::Merged) {
      buf_.resize(result.end);
      ClassifyBoundary(start);
      Append(result.sign);
    } else {
      buf_.resize(start);
    }
    AppendNumber(result.raw);
  }

  std::u16string ResultText(const Operand& result, const char16_t* text) const {
    std::u16string out;
    if (result.kind == Operand::Merged) {
      out.assign(text + result.begin, result.end - result.begin);
      out.push_back(result.sign);
    }
    char16_t tmp[kNumberTextMax];
    out.append(tmp, static_cast<size_t>(FormatNumberText(result.raw, locale_.Decimal, tmp)));
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
        out = ResultText(flat.Reduce(), whole.data());
      }
    } else {
      uint32_t end = Size();
      if (end > 0 && IsAddChar(buf_[end - 1])) ops_.push_back(end - 1);
      if (ops_.empty()) {
        out = std::move(buf_);
      } else {
        FlatExpression flat(buf_.data(), 0, end, ops_.data(), ops_.size(), locale_);
        out = ResultText(flat.Reduce(), buf_.data());
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
