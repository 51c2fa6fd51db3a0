#include "MemoReader.h"

#include <vector>

#include "MemoTokens.h"

namespace quorva {
namespace {

using Tokens = std::vector<Token>;

bool IsFree(const Token& t) { return t.Kind == MemoToken::kFigure && !t.Glued; }

size_t NextSolid(const Tokens& tokens, size_t k, size_t end) {
  while (k < end && tokens[k].Kind == MemoToken::kBlank) ++k;
  return k;
}

// The expression tokens [k, end) in the engine's notation; false unless all of them read.
class ExpressionReader {
 public:
  ExpressionReader(std::u16string_view line, const Tokens& tokens, LineReading& out)
      : line_(line), tokens_(tokens), out_(out) {}

  bool Read(size_t k, size_t end) {
    bool operand = true;
    int depth = 0;
    while ((k = NextSolid(tokens_, k, end)) < end) {
      if (operand ? !Operand(k, end, operand, depth) : !AfterOperand(k, end, operand, depth)) return false;
    }
    return !operand && depth == 0 && !(counted_ && operators_ > 0);
  }

  int Operators() const { return operators_; }

 private:
  bool Operand(size_t& k, size_t end, bool& operand, int& depth) {
    const Token& t = tokens_[k];
    if (t.Kind == MemoToken::kSign || (t.Kind == MemoToken::kOperator && t.Text == u"-")) {
      out_.Expression += u'-';
    } else if (t.Kind == MemoToken::kOpen) {
      out_.Expression += u'(';
      ++depth;
    } else if (t.Kind == MemoToken::kWord && operators_ > 0 && k + 1 < end &&
               tokens_[k + 1].Kind == MemoToken::kBlank) {
      // An item's name after an operator: "水道代 2,000円 + 電話代 4,000円".
    } else if (IsFree(t) && !t.Counter) {
      Figure(t);
      operand = false;
    } else if (IsFree(t) && t.Counter) {
      // Counted ("4人", "3日"): a factor or a divisor, never a term of a sum ("3-4人" is a range).
      if (lastOperator_ == u'+' || lastOperator_ == u'-') return false;
      counted_ = lastOperator_ == 0;
      out_.Expression += t.Text;
      operand = false;
    } else {
      return false;
    }
    ++k;
    return true;
  }

  bool AfterOperand(size_t& k, size_t end, bool& operand, int& depth) {
    const Token& t = tokens_[k];
    if (t.Kind == MemoToken::kOperator) {
      if (counted_ && t.Text != u"*" && t.Text != u"/") return false;
      counted_ = false;
      lastOperator_ = t.Text[0];
      out_.Expression += t.Text;
      ++operators_;
      operand = true;
    } else if (t.Kind == MemoToken::kClose) {
      if (--depth < 0) return false;
      out_.Expression += u')';
    } else if (IsFree(t) && t.Percent && !counted_ && Discount(k, end)) {
      // "3,000円 2割引", "$60 20% off": the share comes off the amount.
      out_.Expression += u'-';
      out_.Expression.append(t.Text);
      ++operators_;
      k = NextSolid(tokens_, k + 1, end);
    } else {
      return false;
    }
    ++k;
    return true;
  }

  bool Discount(size_t k, size_t end) const {
    const size_t w = NextSolid(tokens_, k + 1, end);
    if (w >= end || tokens_[w].Kind != MemoToken::kWord) return false;
    return IsDiscountWord(line_.substr(tokens_[w].From, tokens_[w].To - tokens_[w].From));
  }

  void Figure(const Token& t) {
    out_.Expression += t.Text;
    if (t.Percent) return;
    if (t.Currency && out_.Notes.Before.empty()) out_.Notes.Before.assign(1, t.Currency);
    if (t.Yen) out_.Notes.After = u"\u5186";
    out_.Grouped |= t.Grouped;
  }

  std::u16string_view line_;
  const Tokens& tokens_;
  LineReading& out_;
  int operators_ = 0;
  char16_t lastOperator_ = 0;
  bool counted_ = false;  // a counted figure opened the expression: the next operator multiplies
};

bool Any(const Tokens& tokens, size_t from, size_t to, bool (*test)(const Token&)) {
  for (size_t k = from; k < to; ++k)
    if (test(tokens[k])) return true;
  return false;
}

bool IsUnreadable(const Token& t) { return t.Kind == MemoToken::kBadFigure || t.Kind == MemoToken::kRange; }
bool IsLabelWord(const Token& t) {
  return t.Kind == MemoToken::kWord || t.Kind == MemoToken::kPunct || t.Kind == MemoToken::kNoteFigure ||
         (t.Kind == MemoToken::kFigure && (t.Glued || t.Counter)) || t.Kind == MemoToken::kOpen ||
         t.Kind == MemoToken::kClose;
}
bool IsFreeFigure(const Token& t) { return IsFree(t); }
// A figure in a label that would make a lone amount doubtful; a count ("3個") is not one.
bool IsLooseFigure(const Token& t) { return IsFree(t) && !t.Counter; }

// Where an expression may begin: a figure, a sign or a bracket right after a blank, a word or
// the start, never inside a run of figures.
bool MayBegin(const Tokens& tokens, size_t s) {
  const Token& t = tokens[s];
  const bool opens = IsFree(t) || t.Kind == MemoToken::kOpen || t.Kind == MemoToken::kSign ||
                     (t.Kind == MemoToken::kOperator && t.Text == u"-" && s + 1 < tokens.size() &&
                      tokens[s + 1].Kind == MemoToken::kFigure);
  if (!opens || s == 0) return opens;
  const MemoToken before = tokens[s - 1].Kind;
  return before == MemoToken::kBlank || before == MemoToken::kWord || before == MemoToken::kPunct ||
         before == MemoToken::kClose;  // "(税込)1,100円"
}

// A label: words first (a bullet may lead), and for a lone amount no loose figure in it.
bool LabelReads(const Tokens& tokens, size_t s, bool calculation) {
  if (s == 0) return true;
  if (!Any(tokens, 0, s, IsLabelWord)) return false;
  const size_t first = NextSolid(tokens, 0, s);
  if (tokens[first].Kind == MemoToken::kOperator &&
      (first + 1 >= s || tokens[first + 1].Kind != MemoToken::kBlank || !Any(tokens, first, s, IsLabelWord)))
    return false;
  return calculation || !Any(tokens, 0, s, IsLooseFigure);
}

// The end of the expression: the equals sign and what may follow it. False when something else
// follows; `end` stays at the token count when there is no equals sign.
bool ReadEnd(const Tokens& tokens, size_t& end, LineReading& r, bool& written) {
  end = tokens.size();
  for (size_t k = 0; k < tokens.size(); ++k)
    if (tokens[k].Kind == MemoToken::kEquals) {
      end = k;
      break;
    }
  if (end == tokens.size()) return true;
  size_t k = NextSolid(tokens, end + 1, tokens.size());
  r.Asks = true;
  if (k == tokens.size()) return true;
  if (tokens[k].Kind == MemoToken::kAsk && NextSolid(tokens, k + 1, tokens.size()) == tokens.size()) {
    r.AskFrom = tokens[k].From;
    r.AskTo = tokens[k].To;
    return true;
  }
  // "expr = answer", as an earlier /append left it: a value as written.
  const bool sign = tokens[k].Kind == MemoToken::kOperator && tokens[k].Text == u"-";
  const size_t f = sign ? k + 1 : k;
  if (f + 1 == tokens.size() && IsFree(tokens[f])) {
    r.Asks = false;
    written = true;
    r.Expression = sign ? u"-" : u"";
    r.Expression += tokens[f].Text;
    return true;
  }
  return false;
}

}  // namespace

LineReading ReadMemoLine(std::u16string_view core) {
  const Tokens tokens = TokensOf(core);
  LineReading r;
  const bool figures = Any(tokens, 0, tokens.size(), IsFreeFigure);
  if (Any(tokens, 0, tokens.size(), IsUnreadable)) {
    r.Kind = LineKind::kUnknown;
    return r;
  }
  size_t end = 0;
  bool written = false;
  if (!ReadEnd(tokens, end, r, written)) {
    r.Kind = figures ? LineKind::kUnknown : LineKind::kNote;
    return r;
  }
  for (size_t s = 0; s < end; ++s) {
    if (!MayBegin(tokens, s)) continue;
    LineReading tried = r;
    tried.Expression.clear();
    ExpressionReader reader(core, tokens, tried);
    if (!reader.Read(s, end)) continue;
    const bool calculation = reader.Operators() > 0 || r.Asks;
    if (!LabelReads(tokens, s, calculation)) continue;
    const bool count = !calculation && tokens[s].Counter;
    tried.LabelEnd = tokens[s].From;
    tried.Kind = count ? LineKind::kNote : calculation && !written ? LineKind::kCalculation : LineKind::kValue;
    if (written) tried.Expression = r.Expression;
    return tried;
  }
  r.Kind = figures ? LineKind::kUnknown : LineKind::kNote;
  r.Asks = false;
  return r;
}

bool HoldsWord(std::u16string_view core) {
  for (const Token& t : TokensOf(core))
    if (t.Kind == MemoToken::kWord || t.Glued) return true;
  return false;
}

}  // namespace quorva
