#include "Evaluator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "FlatExpression.h"
#include "NumberCore.h"
#include "QuickReduce.h"
#include "shared/RuntimeError.h"

namespace quorva::detail {

bool IsOperatorAt(const std::u16string& text, size_t i, char16_t decimal) {
  char16_t c = text[i];
  if (!IsOperatorChar(c)) return false;
  if (!IsAddChar(c)) return true;
  return !IsExponentSignAt(text.data(), 0, i, text.size(), decimal);
}

namespace {

// Reads the text once, left to right. Brackets open frames; a ")" reduces its frame's flat text
// and leaves the result text in place, where it runs into its neighbours as the rewriting splices
// it. Operators are classified as their next character arrives, in the frame's own context.
class Evaluator {
 public:
  explicit Evaluator(const NumberLocale& locale) : locale_(locale) {}

  std::u16string Run(const std::u16string& text) {
    if (std::u16string out; RunFlat(text, out)) return out;
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
  // A text without brackets, the common case, is reduced where it stands, without a copy.
  bool RunFlat(const std::u16string& text, std::u16string& out) {
    bool brackets = false;
    for (char16_t c : text) brackets |= (c == u'(') | (c == u')');
    if (brackets) return false;
    const uint32_t n = static_cast<uint32_t>(text.size());
    double value = 0;
    if (QuickReduce(text.data(), 0, n, OperatorScan{text.data(), 0, n, locale_.Decimal}, locale_, value)) {
      out = ResultText({Operand::Value, 0, 0, value}, text.data(), 0);
      return true;
    }
    for (uint32_t i = 0; i < n; ++i)
      if (IsOperatorAt(text, i, locale_.Decimal)) ops_.push_back(i);
    if (ops_.empty()) {
      out = text;
    } else {
      FlatExpression flat(text.data(), 0, n, ops_.data(), ops_.size(), locale_);
      out = ResultText(flat.Reduce(), text.data(), 0);
    }
    // Any "_" left is an exponent sign: show it as typed.
    std::replace(out.begin(), out.end(), u'_', u'-');
    return true;
  }

  // The quick way when it can, else the step-by-step reduction.
  FlatExpression::Result Reduce(const char16_t* text, uint32_t begin, uint32_t end, const uint32_t* ops,
                                size_t count) const {
    double value = 0;
    if (QuickReduce(text, begin, end, OperatorList{ops, ops + count}, locale_, value))
      return {Operand::Value, 0, 0, value};
    return FlatExpression(text, begin, end, ops, count, locale_).Reduce();
  }

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
    FlatExpression::Result result = Reduce(buf_.data(), start, end, &*first, static_cast<size_t>(ops_.end() - first));
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
        out = ResultText(Reduce(whole.data(), 0, static_cast<uint32_t>(whole.size()), ops.data(), ops.size()), whole.data(), 0);
      }
    } else {
      uint32_t end = Size();
      if (end > 0 && IsAddChar(buf_[end - 1])) ops_.push_back(end - 1);
      if (ops_.empty()) {
        out = std::move(buf_);
      } else {
        out = ResultText(Reduce(buf_.data(), 0, end, ops_.data(), ops_.size()), buf_.data(), 0);
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
