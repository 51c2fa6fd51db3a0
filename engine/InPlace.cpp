#include "InPlace.h"

#include "FormatAnswer.h"
#include "RuntimeError.h"
#include "mainProc.h"

namespace quorva {
namespace {

bool IsEquals(char16_t c) { return c == u'=' || c == u'\uFF1D'; }

struct Parts {
  std::u16string_view Lead, Core, Trail;  // blanks, the expression, blanks
};

Parts SplitBlanks(std::u16string_view line) {
  size_t b = 0, e = line.size();
  while (b < e && IsBlank(line[b])) ++b;
  while (e > b && IsBlank(line[e - 1])) --e;
  return {line.substr(0, b), line.substr(b, e - b), line.substr(e)};
}

}  // namespace

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

std::u16string AnswerOf(std::u16string& text, const AnswerFormat& format, const NumberLocale& locale) {
  const std::u16string result = Calculate(text, locale);
  return FormatAnswer(result, format.Places, format.Group, format.Wide, locale);
}

std::optional<std::u16string> QuietAnswerOf(std::u16string_view expression, const AnswerFormat& format,
                                            const NumberLocale& locale) {
  std::u16string text(expression), messages;
  try {
    const std::u16string result = CalculateSilently(text, messages, locale);
    if (!messages.empty()) return std::nullopt;
    std::u16string answer = FormatAnswer(result, format.Places, format.Group, format.Wide, locale);
    if (answer.empty()) return std::nullopt;
    return answer;
  } catch (const RuntimeError&) {
    return std::nullopt;  // overflow, type mismatch: not an answer
  }
}

std::vector<Line> SplitLines(std::u16string_view text) {
  std::vector<Line> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    const size_t breakLength = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    lines.push_back({text.substr(start, i - start), text.substr(i, breakLength)});
    i += breakLength - 1;
    start = i + 1;
  }
  lines.push_back({text.substr(start), {}});
  return lines;
}

std::u16string WithAnswer(std::u16string_view line, std::u16string_view answer, InPlaceMode mode) {
  const Parts p = SplitBlanks(line);
  std::u16string out(p.Lead);
  if (mode == InPlaceMode::kReplace) {
    out += answer;
    out += p.Trail;
    return out;
  }
  out += p.Core;
  if (!p.Core.empty() && IsEquals(p.Core.back())) {
    // The user wrote the equals sign: the answer goes after it, spaced as the user spaced it.
    if (!p.Trail.empty()) {
      out += p.Trail;
    } else if (p.Core.size() >= 2 && IsBlank(p.Core[p.Core.size() - 2])) {
      out += p.Core[p.Core.size() - 2];
    }
    out += answer;
    return out;
  }
  out += u" = ";
  out += answer;
  out += p.Trail;
  return out;
}

InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const LineAnswerer& answerOf) {
  InPlaceResult r;
  r.Text.reserve(selection.size() + 16);
  for (const Line& line : SplitLines(selection)) {
    const std::u16string_view core = SplitBlanks(line.Text).Core;
    std::optional<std::u16string> answer;
    if (!core.empty()) answer = answerOf(core);
    if (answer) {
      r.Text += WithAnswer(line.Text, *answer, mode);
      r.Expressions.emplace_back(core);
      if (r.Answered++ == 0) {
        r.Expression = core;
        r.Answer = *answer;
      }
    } else {
      r.Text += line.Text;
    }
    r.Text += line.Break;
  }
  return r;
}

}  // namespace quorva
