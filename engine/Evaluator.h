#pragma once
// The evaluator behind EvalText. It gives exactly the results of rewriting the text one
// reduction at a time, but in one left-to-right pass over the text, without recursion.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "NumberLocale.h"

namespace quorva::detail {

inline bool IsOperatorChar(char16_t c) {
  return c == u'^' || c == u'\u00D7' || c == u'/' || c == u'+' || c == u'_';
}
inline bool IsAddChar(char16_t c) { return c == u'+' || c == u'_'; }
inline bool IsDigitChar(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e'; }

// An exponent mark that ends a mantissa: "<digit or decimal separator>E".
inline bool IsMantissaMark(char16_t beforeMark, char16_t mark, char16_t decimal) {
  return IsExponentMark(mark) && (IsDigitChar(beforeMark) || beforeMark == decimal);
}

// "+" or "_" right after "<digit or decimal separator>E" and right before a digit is the sign of
// an exponent, not an operator: ‹1E+15› and a typed ‹2e-3› (canonical ‹2e_3›) are one number.
inline bool IsExponentSign(char16_t beforeMark, char16_t mark, char16_t sign, char16_t next, char16_t decimal) {
  return IsAddChar(sign) && IsMantissaMark(beforeMark, mark, decimal) && IsDigitChar(next);
}

// The same question of text[i] inside the span [begin, end): the one place where the neighbours
// of a "+" or "_" are looked up for it.
inline bool IsExponentSignAt(const char16_t* text, size_t begin, size_t i, size_t end, char16_t decimal) {
  return i >= begin + 2 && i + 1 < end && IsExponentSign(text[i - 2], text[i - 1], text[i], text[i + 1], decimal);
}

// One reduction's arithmetic (the operator in canonical text): division by zero gives 0. The
// value may be NaN or infinite; each caller decides what that means.
inline double ApplyOperator(double a, char16_t op, double b) {
  switch (op) {
    case u'^': return std::pow(a, b);
    case u'\u00D7': return a * b;
    case u'/': return b == 0 ? 0.0 : a / b;
    case u'+': return a + b;
    default: return a - b;
  }
}

// Whether text[i] (0-based) acts as an operator in text.
bool IsOperatorAt(const std::u16string& text, size_t i, char16_t decimal);

std::u16string Evaluate(const std::u16string& text, const NumberLocale& locale);

}  // namespace quorva::detail
