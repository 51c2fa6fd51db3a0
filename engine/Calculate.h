#pragma once
// The expression engine.
#include <cstdint>
#include <string>

#include "NumberLocale.h"

namespace quorva {

// Title of the engine's message box.
inline constexpr char16_t kAppTitle[] = u"Quorva";

// Takes the expression as typed. Returns the numeric result text, or "" when the expression is
// rejected or its value is not a number. A rejected expression is explained in one message box
// and `text` is replaced by its display form; otherwise `text` is left alone. Evaluation errors
// (RuntimeError 5, 6, 13) pass through.
std::u16string Calculate(std::u16string& text, const NumberLocale& locale = {});

// Calculate without the message box: a rejected expression's messages (one per line) go to
// `messages`, which is left empty otherwise.
std::u16string CalculateSilently(std::u16string& text, std::u16string& messages, const NumberLocale& locale = {});

// Evaluates canonical text ("×" multiply, "_" subtract, "-" sign) and returns what remains when
// no ")" and no operator is left.
std::u16string EvalText(const std::u16string& text, const NumberLocale& locale = {});

// The operands of the operator at 1-based position p: their values and the positions of the
// operators (or 0 and length + 1) that bound them.
void GetOperands(const std::u16string& text, int32_t p, double& left, double& right, int32_t& leftBound,
                 int32_t& rightBound, const NumberLocale& locale = {});

}  // namespace quorva
