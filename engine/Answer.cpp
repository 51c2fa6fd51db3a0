#include "Answer.h"

#include "Calculate.h"
#include "shared/RuntimeError.h"

namespace quorva {

std::u16string AnswerOf(std::u16string& text, const AnswerFormat& format, const NumberLocale& locale) {
  const std::u16string result = Calculate(text, locale);
  return FormatAnswer(result, format.Places, format.Group, format.Wide, locale, format.Round);
}

std::optional<std::u16string> QuietAnswerOf(std::u16string_view expression, const AnswerFormat& format,
                                            const NumberLocale& locale) {
  std::u16string text(expression), messages;
  try {
    const std::u16string result = CalculateSilently(text, messages, locale);
    if (!messages.empty()) return std::nullopt;
    std::u16string answer = FormatAnswer(result, format.Places, format.Group, format.Wide, locale, format.Round);
    if (answer.empty()) return std::nullopt;
    return answer;
  } catch (const RuntimeError&) {
    return std::nullopt;  // overflow, type mismatch: not an answer
  }
}

}  // namespace quorva
