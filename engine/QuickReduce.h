#pragma once
// A flat expression (no brackets) in one left-to-right pass, holding at most three pending
// operators: the usual way to honour priorities, and it needs no memory per operator. It gives
// up on whatever only the step-by-step reduction of FlatExpression gets exactly right: any error
// (which error comes first depends on that order), a value whose number text needs the general
// conversion, and an exponent mark before a "+" or "_" (a reduction may merge them).
#include <cstdint>

#include "Evaluator.h"
#include "NumberLocale.h"

namespace quorva::detail {

// The operators from a list of their positions.
struct OperatorList {
  const uint32_t* next;
  const uint32_t* end;
  bool Next(uint32_t& at) {
    if (next == end) return false;
    at = *next++;
    return true;
  }
};

// The operators of a bracket-free text, found as it is read.
struct OperatorScan {
  const char16_t* text;
  uint32_t i, n;
  char16_t decimal;
  bool Next(uint32_t& at) {
    for (; i < n; ++i) {
      char16_t c = text[i];
      if (!IsOperatorChar(c)) continue;
      if (IsExponentSignAt(text, 0, i, n, decimal)) continue;
      at = i++;
      return true;
    }
    return false;
  }
};

// The value of text[begin, end), or false (also when it holds no operator).
template <typename Operators>
bool QuickReduce(const char16_t* text, uint32_t begin, uint32_t end, Operators ops, const NumberLocale& locale,
                 double& out);

}  // namespace quorva::detail
