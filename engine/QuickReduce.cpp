#include "QuickReduce.h"

#include <cmath>
#include <string_view>

#include "NumberCore.h"

namespace quorva::detail {
namespace {

int Priority(char16_t op) {
  if (op == u'^') return 3;
  return IsAddChar(op) ? 1 : 2;
}

bool ReadOperand(const char16_t* text, uint32_t from, uint32_t to, const NumberLocale& locale, double& v) {
  if (from == to) {
    v = 0;  // a missing operand counts as 0
    return true;
  }
  return ParseNumber(std::u16string_view(text + from, to - from), locale, true, v) == 0;
}

// One reduction and the value its number text reads back as.
bool Apply(double a, char16_t op, double b, double& v) {
  v = ApplyOperator(a, op, b);
  if (!std::isfinite(v)) return false;
  if (std::fabs(v) < 1e15 && v == std::trunc(v)) {
    v += 0.0;  // "-0" is written "0"
    return true;
  }
  return RoundedValue(v, v);
}

}  // namespace

template <typename Operators>
bool QuickReduce(const char16_t* text, uint32_t begin, uint32_t end, Operators ops, const NumberLocale& locale,
                 double& out) {
  struct Pending {
    double value;
    char16_t op;
  };
  Pending pending[3];  // priorities strictly rising from the bottom
  int depth = 0;
  uint32_t at = 0;
  if (!ops.Next(at)) return false;
  double current = 0;
  if (!ReadOperand(text, begin, at, locale, current)) return false;
  for (;;) {
    char16_t op = text[at];
    // A sign after a mantissa's mark: a reduction may merge them, which only FlatExpression does.
    if (IsAddChar(op) && at >= begin + 2 && IsMantissaMark(text[at - 2], text[at - 1], locale.Decimal)) return false;
    int priority = Priority(op);
    while (depth > 0 && Priority(pending[depth - 1].op) >= priority) {
      --depth;
      if (!Apply(pending[depth].value, pending[depth].op, current, current)) return false;
    }
    pending[depth++] = {current, op};
    uint32_t from = at + 1;
    bool more = ops.Next(at);
    if (!ReadOperand(text, from, more ? at : end, locale, current)) return false;
    if (!more) break;
  }
  while (depth > 0) {
    --depth;
    if (!Apply(pending[depth].value, pending[depth].op, current, current)) return false;
  }
  out = current;
  return true;
}

template bool QuickReduce(const char16_t*, uint32_t, uint32_t, OperatorList, const NumberLocale&, double&);
template bool QuickReduce(const char16_t*, uint32_t, uint32_t, OperatorScan, const NumberLocale&, double&);

}  // namespace quorva::detail
