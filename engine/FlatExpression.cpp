#include "FlatExpression.h"

#include <cmath>
#include <string>

#include "Evaluator.h"
#include "NumberCore.h"
#include "shared/RuntimeError.h"

namespace quorva::detail {

FlatExpression::FlatExpression(const char16_t* text, uint32_t begin, uint32_t end, const uint32_t* ops,
                               size_t opCount, const NumberLocale& locale)
    : text_(text), begin_(begin), end_(end), ops_(ops), count_(opCount), locale_(locale),
      operands_(new Operand[opCount + 1]), numbers_(new double[opCount + 1]), parents_(new uint32_t[opCount + 1]) {
  for (size_t j = 0; j <= opCount; ++j) parents_[j] = static_cast<uint32_t>(j);
}

FlatExpression::Result FlatExpression::Reduce() {
  for (size_t i = 0; i < count_; ++i)
    if (Op(i) == u'^') ReduceAt(i);
  for (size_t i = 0; i < count_; ++i)
    if (Op(i) == u'\u00D7' || Op(i) == u'/') ReduceAt(i);
  for (size_t i = 0; i < count_; ++i)
    if (IsAddChar(Op(i)) && Alive(i + 1)) ReduceAt(i);
  const Operand& o = operands_[0];
  return {o.kind, SliceEnd(0), o.sign, numbers_[0]};
}

// The operand that now stands where operand j stood.
uint32_t FlatExpression::Find(uint32_t j) {
  while (parents_[j] != j) {
    uint32_t up = parents_[j];
    parents_[j] = parents_[up];  // path halving
    j = up;
  }
  return j;
}

double FlatExpression::ParseOrRaise(std::u16string_view text) {
  double v = 0;
  if (int err = ParseNumber(text, locale_, true, v)) Raise(err);
  return v;
}

double FlatExpression::Read(uint32_t j) {
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

// Value: the value read back from its number text, which prints as the same text; the computed
// value itself when that text cannot be read back.
void FlatExpression::SetValue(uint32_t j, double raw) {
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

void FlatExpression::ReduceAt(size_t i) {
  uint32_t left = Find(static_cast<uint32_t>(i));
  uint32_t right = static_cast<uint32_t>(i + 1);
  double a = Read(left);
  double b = Read(right);
  const double v = ApplyOperator(a, Op(i), b);
  if (Op(i) == u'^' && std::isnan(v)) Raise(kInvalidArgument);
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
  numbers_[before] = v;
  parents_[left] = before;
}

}  // namespace quorva::detail
