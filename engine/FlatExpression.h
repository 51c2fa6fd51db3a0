#pragma once
// The reduction of one flat expression (no brackets left), shared by the evaluator's frames.
#include <cstdint>
#include <memory>
#include <string_view>

#include "NumberLocale.h"

namespace quorva::detail {

// One operand of a flat expression during its reduction. Operand j starts as the text between
// operators j - 1 and j; operator j is still there exactly while operand j + 1 is. Its number and
// its link to the operand that absorbed it are kept in arrays of their own: the passes mostly
// need only the links, and no array of a few megabytes of text grows past the size that the C
// library still recycles instead of mapping fresh pages for each call.
struct Operand {
  enum Kind : uint8_t { Slice, Value, Merged };
  Kind kind = Slice;
  uint8_t error = 0;  // Value: the error that reading its number text raises
  char16_t sign = 0;  // Merged: the "+" or "_" between the slice and the value
};

// Reduces a flat expression as the rewriting does: every "^" from the left, then every "×" and
// "/", then every "+" and "_". A reduction can turn the "+" or "_" in front of its left operand
// into an exponent sign (‹1E+.5×2› becomes the one number ‹1E+1›); that merge is the only way the
// rewriting changes how the rest of the text reads.
class FlatExpression {
 public:
  // text[begin, end) with the operators at ops (ascending).
  FlatExpression(const char16_t* text, uint32_t begin, uint32_t end, const uint32_t* ops, size_t opCount,
                 const NumberLocale& locale);

  struct Result {
    Operand::Kind kind;
    uint32_t sliceEnd;  // Merged: end of the slice, which starts where the expression does
    char16_t sign;
    double number;
  };
  Result Reduce();

 private:
  char16_t Op(size_t i) const { return text_[ops_[i]]; }
  bool Alive(size_t j) const { return parents_[j] == j; }
  uint32_t SliceBegin(size_t j) const { return j == 0 ? begin_ : ops_[j - 1] + 1; }
  uint32_t SliceEnd(size_t j) const { return j == count_ ? end_ : ops_[j]; }
  uint32_t Find(uint32_t j);
  double ParseOrRaise(std::u16string_view text);
  double Read(uint32_t j);
  void SetValue(uint32_t j, double raw);
  void ReduceAt(size_t i);

  const char16_t* text_;
  uint32_t begin_, end_;
  const uint32_t* ops_;
  size_t count_;
  const NumberLocale& locale_;
  std::unique_ptr<Operand[]> operands_;
  std::unique_ptr<double[]> numbers_;    // Value: its value; Merged: the computed value
  std::unique_ptr<uint32_t[]> parents_;  // itself while alive; else an operand to its left that absorbed it
};

}  // namespace quorva::detail
