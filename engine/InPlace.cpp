#include "InPlace.h"

#include "Amounts.h"
#include "MemoLines.h"

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

namespace {

// What a line above a total line adds to it.
struct LineValue {
  std::u16string Answer;
  Notation Notes;
};

// What one line that is not a total line comes to.
struct WorkedLine {
  std::optional<std::u16string> Text;  // the new line, when it got an answer
  std::u16string Expression, Answer;   // the expression that gave the value, and the value
};

WorkedLine WorkLine(std::u16string_view line, InPlaceMode mode, const LineAnswerer& answerOf) {
  const Parts p = SplitBlanks(line);
  WorkedLine w;
  if (p.Core.empty()) return w;
  if (std::optional<std::u16string> answer = answerOf(p.Core)) {
    w.Text = WithAnswer(line, WithNotation(*answer, NotationOf(p.Core)), mode);
    w.Expression = p.Core;
    w.Answer = std::move(*answer);
    return w;
  }
  const size_t k = LabelEnd(p.Core);
  if (k == 0 || k == std::u16string_view::npos) return w;
  const std::u16string_view expression = p.Core.substr(k);
  const bool asks = IsEquals(p.Core.back());
  // Without an equals sign the line stays; a lone amount after its label still counts in a total.
  if (!asks && !LooksLikeAmount(expression)) return w;
  std::optional<std::u16string> answer = answerOf(expression);
  if (!answer) return w;
  if (asks) {
    const size_t labelEnd = p.Lead.size() + k;
    w.Text = std::u16string(line.substr(0, labelEnd)) +
             WithAnswer(line.substr(labelEnd), WithNotation(*answer, NotationOf(expression)), mode);
  }
  w.Expression = expression;
  w.Answer = std::move(*answer);
  return w;
}

// The sum of the values, with their notation when they all share one.
std::optional<std::u16string> TotalOf(const std::vector<LineValue>& values, const LineAnswerer& answerOf,
                                      std::u16string& expression) {
  if (values.empty()) return std::nullopt;
  expression.clear();
  for (const LineValue& v : values) {
    if (!expression.empty()) expression += u'+';
    expression += v.Answer;
  }
  std::optional<std::u16string> sum = answerOf(expression);
  if (!sum) return std::nullopt;
  Notation shared = values.front().Notes;
  for (const LineValue& v : values)
    if (!(v.Notes == shared)) shared = {};
  return WithNotation(*sum, shared);
}

}  // namespace

InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const LineAnswerer& answerOf) {
  InPlaceResult r;
  r.Text.reserve(selection.size() + 16);
  std::vector<LineValue> all, sinceTotal;  // values of the lines above that are not total lines
  auto answered = [&](std::u16string_view expression, std::u16string_view answer) {
    if (r.Answered++ > 0) return;
    r.Expression = expression;
    r.Answer = answer;
  };
  for (const Line& line : SplitLines(selection)) {
    const std::u16string_view core = SplitBlanks(line.Text).Core;
    if (const std::optional<TotalKind> kind = core.empty() ? std::nullopt : TotalWordOf(core)) {
      std::u16string expression;
      if (std::optional<std::u16string> sum =
              TotalOf(*kind == TotalKind::kSubtotal ? sinceTotal : all, answerOf, expression)) {
        r.Text += WithTotal(line.Text, *sum);
        answered(expression, *sum);
      } else {
        r.Text += line.Text;
      }
      sinceTotal.clear();
      r.Text += line.Break;
      continue;
    }
    if (!core.empty() && WrittenTotalOf(core)) {
      sinceTotal.clear();  // a total from an earlier run: the lines below start afresh
      (r.Text += line.Text) += line.Break;
      continue;
    }
    WorkedLine w = WorkLine(line.Text, mode, answerOf);
    r.Text += w.Text ? *w.Text : line.Text;
    r.Text += line.Break;
    if (w.Answer.empty()) continue;
    const LineValue value{w.Answer, NotationOf(w.Expression)};
    all.push_back(value);
    sinceTotal.push_back(value);
    if (!w.Text) continue;
    r.Expressions.push_back(w.Expression);
    answered(w.Expression, w.Answer);
  }
  return r;
}

}  // namespace quorva
