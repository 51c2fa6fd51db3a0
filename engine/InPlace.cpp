#include "InPlace.h"

#include <span>

#include "Amounts.h"
#include "MemoLines.h"
#include "MemoReader.h"
#include "Width.h"

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

// Amounts in yen: 円, or a yen sign (the backslash is one in code page 932).
bool IsYen(const Notation& notes) {
  if (!notes.After.empty()) return true;
  if (notes.Before.empty()) return false;
  const char16_t c = HalfWidthOf(notes.Before[0]);
  return c == u'\\' || c == u'\u00A5' || c == u'\uFFE5';
}

// What an amount is counted in: yen, another currency (by its sign), or nothing.
char16_t KindOf(const Notation& notes) {
  if (IsYen(notes)) return u'\u5186';
  return notes.Before.empty() ? 0 : HalfWidthOf(notes.Before[0]);
}

// The engine's answer to a memo expression, given its notation and whether it was grouped.
using MemoAnswerer =
    std::function<std::optional<std::u16string>(std::u16string_view, const Notation&, bool grouped)>;

// What a line above a total line adds to it.
struct LineValue {
  std::u16string Value;
  Notation Notes;
  bool Grouped = false;
  size_t Line = 0;
  std::u16string_view Core;
  bool Calculated = false;  // an answer: a price worked out, whatever its notation
};

// The values since a total line of one kind (from First in the run's list of values), and the
// first line there that could not be read.
struct Range {
  size_t First = 0;
  size_t Blocker = 0;
  std::u16string_view BlockerText;
};

class MemoWork {
 public:
  MemoWork(InPlaceMode mode, const MemoAnswerer& memo, const LineAnswerer& window)
      : mode_(mode), memo_(memo), window_(window) {}

  InPlaceResult Run(std::u16string_view selection) {
    const std::vector<Line> lines = SplitLines(selection);
    values_.reserve(lines.size());
    size_t filled = 0;
    for (const Line& line : lines) filled += SplitBlanks(line.Text).Core.empty() ? 0 : 1;
    single_ = filled == 1;
    r_.Text.reserve(selection.size() + selection.size() / 4 + 16);
    for (size_t n = 0; n < lines.size(); ++n) {
      Work(lines[n].Text, n + 1);
      r_.Text += lines[n].Break;
    }
    return std::move(r_);
  }

 private:
  void Work(std::u16string_view line, size_t number) {
    const std::u16string_view core = SplitBlanks(line).Core;
    if (core.empty()) return Keep(line);
    if (const std::optional<TotalKind> kind = TotalWordOf(core)) return Total(line, core, *kind);
    if (const std::optional<TotalKind> kind = WrittenTotalOf(core)) {
      Reset(*kind);
      return Keep(line);
    }
    number_ = number;
    const LineReading reading = ReadMemoLine(core);
    if (reading.Kind == LineKind::kCalculation && Calculation(line, core, reading)) return;
    if (single_ && !HoldsWord(core) && Windowed(line, core)) return;
    if (reading.Kind == LineKind::kValue && reading.Expression.find(u'%') == std::u16string::npos) {
      Add({reading.Expression, reading.Notes, reading.Grouped, number, core});
    } else if (reading.Kind != LineKind::kNote) {
      Block(number, core);
    }
    Keep(line);
  }

  bool Calculation(std::u16string_view line, std::u16string_view core, const LineReading& reading) {
    const std::optional<std::u16string> answer = memo_(reading.Expression, reading.Notes, reading.Grouped);
    if (!answer) return false;
    Add({*answer, reading.Notes, reading.Grouped, number_, core, true});
    if (reading.LabelEnd > 0 && !reading.Asks) {
      Keep(line);  // a labelled expression without "=": it stays, and counts in a total
      return true;
    }
    const std::u16string shown = WithNotation(*answer, reading.Notes);
    const size_t lead = static_cast<size_t>(core.data() - line.data());
    if (reading.AskTo > 0) {
      (((r_.Text += line.substr(0, lead + reading.AskFrom)) += shown) += line.substr(lead + reading.AskTo));
    } else {
      r_.Text += line.substr(0, lead + reading.LabelEnd);
      r_.Text += WithAnswer(line.substr(lead + reading.LabelEnd), shown, mode_);
    }
    Answered(reading.Expression, *answer);
    return true;
  }

  // A single line without a word: the window's reading.
  bool Windowed(std::u16string_view line, std::u16string_view core) {
    const std::optional<std::u16string> answer = window_(core);
    if (!answer) return false;
    r_.Text += WithAnswer(line, WithNotation(*answer, NotationOf(core)), mode_);
    Answered(core, *answer);
    return true;
  }

  void Total(std::u16string_view line, std::u16string_view core, TotalKind kind) {
    Range& range = RangeOf(kind);
    std::u16string expression;
    const std::optional<std::u16string> sum =
        SumOf(std::span(values_).subspan(range.First), range, core, expression);
    Reset(kind);
    if (!sum) return Keep(line);
    r_.Text += WithTotal(line, *sum);
    Answered(expression, *sum, false);
  }

  std::optional<std::u16string> SumOf(std::span<const LineValue> values, const Range& range, std::u16string_view core,
                                      std::u16string& expression) {
    size_t blocker = range.Blocker;
    std::u16string_view blockerText = range.BlockerText;
    const LineValue* reference = nullptr;
    for (const LineValue& v : values)
      if (!reference && !(v.Notes == Notation{})) reference = &v;
    if (!reference && !values.empty()) reference = &values.front();
    // Amounts of one kind only: a lone "参加者 6" above "会費 3,000円" is a count, not an amount,
    // while a plain answer ("交通費 1,200×2 =") is a price worked out; ¥ and 円 are one kind.
    // The sign and 円 stay where every value carries them, in the form used first.
    Notation notes = reference ? reference->Notes : Notation{};
    for (const LineValue& v : values) {
      if (v.Notes.Before.empty()) notes.Before.clear();
      if (v.Notes.After.empty()) notes.After.clear();
      const bool plainAnswer = v.Calculated && v.Notes == Notation{};
      if (!blocker && reference && !plainAnswer && KindOf(v.Notes) != KindOf(reference->Notes)) {
        blocker = v.Line;
        blockerText = v.Core;
      }
    }
    if (blocker) {
      Tell(core, blocker, blockerText);
      return std::nullopt;
    }
    if (values.empty()) return std::nullopt;
    bool grouped = false;
    for (const LineValue& v : values) {
      const bool negative = !v.Value.empty() && HalfWidthOf(v.Value.front()) == u'-';
      if (!expression.empty() && !negative) expression += u'+';
      expression += v.Value;
      grouped |= v.Grouped;
    }

    const std::optional<std::u16string> sum = memo_(expression, notes, grouped);
    if (!sum) return std::nullopt;
    return WithNotation(*sum, notes);
  }

  // The one report of the run: the first total that stayed, and the line that stopped it.
  void Tell(std::u16string_view core, size_t line, std::u16string_view text) {
    if (!r_.Report.empty()) return;
    size_t e = core.size();
    while (e > 0 && (IsBlank(core[e - 1]) || IsEquals(core[e - 1]) || HalfWidthOf(core[e - 1]) == u':')) --e;
    const std::string digits = std::to_string(line);
    r_.Report.assign(core.substr(0, e));
    r_.Report += u": ";
    r_.Report.append(digits.begin(), digits.end());
    r_.Report += u" \u884C\u76EE\u300C";  // 行目「
    r_.Report += text;
    r_.Report += u"\u300D\u304C\u8AAD\u3081\u307E\u305B\u3093";  // 」が読めません
  }

  void Add(LineValue value) { values_.push_back(std::move(value)); }
  void Block(size_t number, std::u16string_view core) {
    for (Range* range : {&sub_, &total_, &all_})
      if (range->Blocker == 0) {
        range->Blocker = number;
        range->BlockerText = core;
      }
  }
  Range& RangeOf(TotalKind kind) {
    return kind == TotalKind::kSubtotal ? sub_ : kind == TotalKind::kTotal ? total_ : all_;
  }
  // A total line ends its own range and the smaller ones inside it.
  void Reset(TotalKind kind) {
    sub_ = {values_.size()};
    if (kind != TotalKind::kSubtotal) total_ = {values_.size()};
    if (kind == TotalKind::kGrand) all_ = {values_.size()};
  }
  void Keep(std::u16string_view line) { r_.Text += line; }
  void Answered(std::u16string_view expression, std::u16string_view answer, bool kept = true) {
    if (kept) r_.Expressions.emplace_back(expression);
    if (r_.Answered++ > 0) return;
    r_.Expression = expression;
    r_.Answer = answer;
  }

  InPlaceMode mode_;
  const MemoAnswerer& memo_;
  const LineAnswerer& window_;
  bool single_ = false;
  size_t number_ = 0;
  std::vector<LineValue> values_;  // every value line of the run, in order
  Range sub_, total_, all_;
  InPlaceResult r_;
};

}  // namespace

InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const LineAnswerer& answerOf) {
  const MemoAnswerer memo = [&](std::u16string_view e, const Notation&, bool) { return answerOf(e); };
  return MemoWork(mode, memo, answerOf).Run(selection);
}

InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const AnswerFormat& format,
                        const NumberLocale& locale) {
  const LineAnswerer window = [&](std::u16string_view e) { return QuietAnswerOf(e, format, locale); };
  const MemoAnswerer memo = [&](std::u16string_view e, const Notation& notes, bool grouped) {
    if (!format.Places.empty() || !IsYen(notes)) return QuietAnswerOf(e, format, locale);
    AnswerFormat yen = format;
    yen.Places = u"0";
    yen.Group |= grouped;
    return QuietAnswerOf(e, yen, locale);
  };
  return MemoWork(mode, memo, window).Run(selection);
}

}  // namespace quorva
