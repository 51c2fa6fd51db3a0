#include "MemoTokens.h"

#include <array>
#include <cstdlib>
#include <string>

#include "Amounts.h"
#include "InPlace.h"
#include "MemoFigures.h"
#include "Width.h"

namespace quorva {
namespace {

constexpr char16_t kYen = u'\u5186';   // 円
constexpr char16_t kWari = u'\u5272';  // 割

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The canonical operator of a character, or 0.
char16_t OperatorOf(char16_t raw) {
  const char16_t c = HalfWidthOf(raw);
  switch (c) {
    case u'+': case u'-': case u'*': case u'/': case u'^': return c;
    case u'\u00D7': return u'*';
    case u'\u00F7': return u'/';
    case u'\u2212': case u'\u2010': case u'\u2011': case u'\u2013': case u'\u2014': return u'-';
    default: return 0;
  }
}

bool IsRange(char16_t raw) { return raw == u'\uFF5E' || raw == u'\u301C' || raw == u'~'; }

// Characters that end a word: everything with a meaning of its own in a memo line.
bool IsWordChar(char16_t raw) {
  const char16_t c = HalfWidthOf(raw);
  if (IsDigit(c) || IsBlank(raw) || OperatorOf(raw) || IsRange(raw) || IsCurrencySign(c) || CountingUnitOf(c) != 0) return false;
  switch (c) {
    case u'(': case u')': case u'[': case u']': case u'=': case u'?': case u':': case u'%': case u',': case u'.':
    case u'\u25B2': case u'\u25B3': case kYen: case kWari:
      return false;
    default:
      return true;
  }
}

constexpr std::array<std::u16string_view, 16> kCounters{
    u"\u4EBA", u"\u540D", u"\u500B", u"\u672C", u"\u679A", u"\u518A", u"\u53F0", u"\u4EF6",
    u"\u56DE", u"\u676F", u"\u6CCA", u"\u65E5", u"\u6642\u9593", u"\u5206", u"h", u"\u500D"};

bool IsCounter(std::u16string_view word) {
  for (std::u16string_view c : kCounters)
    if (word == c) return true;
  return false;
}

size_t WordEnd(std::u16string_view line, size_t i) {
  while (i < line.size() && IsWordChar(line[i])) ++i;
  return i;
}

size_t SkipBlanks(std::u16string_view line, size_t i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

// [currency][blanks]body[blanks][円][% or 割][counter]. False when no figure starts at i.
bool ReadFigure(std::u16string_view line, size_t& i, Token& t) {
  size_t j = i;
  if (IsCurrencySign(HalfWidthOf(line[j]))) {
    t.Currency = line[j];
    j = SkipBlanks(line, j + 1);
  }
  if (j >= line.size() || !ReadAmountBody(line, j, t)) return false;
  if (t.Kind != MemoToken::kFigure) {
    i = j;
    return true;
  }
  if (const size_t k = SkipBlanks(line, j); k < line.size() && line[k] == kYen) {
    t.Yen = true;
    j = k + 1;
  }
  if (j < line.size() && HalfWidthOf(line[j]) == u'%') {
    t.Percent = true;
    t.Text += u'%';
    ++j;
  } else if (j < line.size() && line[j] == kWari) {
    t.Percent = true;
    t.Text = PlainNumberText(std::strtod(std::string(t.Text.begin(), t.Text.end()).c_str(), nullptr) * 10) + u"%";
    ++j;
  }
  const size_t wordEnd = WordEnd(line, j);
  const std::u16string_view word = line.substr(j, wordEnd - j);
  if (IsCounter(word)) {
    t.Counter = true;
    j = wordEnd;
  } else if (!word.empty() && !IsDiscountWord(word) && word != u"x" && word != u"X" && word != u"\u30FC") {
    t.Glued = true;
  }
  i = j;
  return true;
}

// Digits of at most two characters as a number.
int SmallNumber(std::u16string_view digits) {
  int n = 0;
  for (char16_t c : digits) n = n * 10 + (HalfWidthOf(c) - u'0');
  return n;
}

// "2026/12/24", "090-1234-5678", "14:30", "12/24": integers joined by - / : with no blank.
void ReadNoteChain(std::u16string_view line, size_t from, size_t& i, Token& t, bool asks) {
  if (t.Currency || t.Yen || t.Percent || t.Grouped || t.Counter || i == from) return;
  for (size_t k = from; k < i; ++k)
    if (!IsDigit(HalfWidthOf(line[k]))) return;  // "1.5", "3万": no part of a date
  size_t j = i, parts = 1;
  bool colon = false, slash = false, leadingZero = HalfWidthOf(line[from]) == u'0';
  std::u16string_view firstPart = line.substr(from, i - from), lastPart;
  while (j + 1 < line.size()) {
    const char16_t c = HalfWidthOf(line[j]);
    if ((c != u'-' && c != u'/' && c != u':') || !IsDigit(HalfWidthOf(line[j + 1]))) break;
    size_t k = j + 1;
    while (k < line.size() && IsDigit(HalfWidthOf(line[k]))) ++k;
    colon |= c == u':';
    slash |= c == u'/';
    leadingZero |= HalfWidthOf(line[j + 1]) == u'0';
    lastPart = line.substr(j + 1, k - j - 1);
    ++parts;
    j = k;
  }
  if (parts == 1) return;
  bool note = colon || parts >= 3 || (!slash && leadingZero);
  if (!note && slash && !asks && firstPart.size() <= 2 && lastPart.size() <= 2) {
    const int m = SmallNumber(firstPart), d = SmallNumber(lastPart);
    note = m >= 1 && m <= 12 && d >= 1 && d <= 31;
  }
  if (!note) return;
  t.Kind = MemoToken::kNoteFigure;
  i = j;
}

MemoToken KindOf(char16_t raw) {
  const char16_t c = HalfWidthOf(raw);
  if (IsBlank(raw)) return MemoToken::kBlank;
  if (IsRange(raw)) return MemoToken::kRange;
  if (OperatorOf(raw)) return MemoToken::kOperator;
  switch (c) {
    case u'(': case u'[': return MemoToken::kOpen;
    case u')': case u']': return MemoToken::kClose;
    case u'=': return MemoToken::kEquals;
    case u'?': return MemoToken::kAsk;
    case u':': return MemoToken::kPunct;
    case u'\u25B2': case u'\u25B3': return MemoToken::kSign;
    default: return MemoToken::kWord;
  }
}

const Token* LastSolid(const std::vector<Token>& tokens) {
  for (size_t k = tokens.size(); k-- > 0;)
    if (tokens[k].Kind != MemoToken::kBlank) return &tokens[k];
  return nullptr;
}

// ー between figures and x X between figures are operators.
bool ActsAsOperator(std::u16string_view line, size_t i, size_t end, const std::vector<Token>& tokens) {
  const Token* before = LastSolid(tokens);
  if (!before || (before->Kind != MemoToken::kFigure && before->Kind != MemoToken::kClose)) return false;
  const size_t next = SkipBlanks(line, end);
  if (next >= line.size()) return false;
  const char16_t c = HalfWidthOf(line[next]);
  const bool digitNext = IsDigit(c) || IsCurrencySign(c) || c == u'(';
  const std::u16string_view w = line.substr(i, end - i);
  return digitNext && (w == u"x" || w == u"X" || w == u"\u30FC");
}

// A figure between two words is part of a name: "iPhone 15 ケース", "第 3 回".
void GlueBetweenWords(std::u16string_view line, std::vector<Token>& tokens) {
  auto isName = [&](size_t k) {
    if (tokens[k].Kind != MemoToken::kWord) return false;
    const std::u16string_view w = line.substr(tokens[k].From, tokens[k].To - tokens[k].From);
    return !IsDiscountWord(w);
  };
  for (size_t k = 2; k + 2 < tokens.size(); ++k) {
    if (tokens[k].Kind != MemoToken::kFigure || tokens[k].Glued) continue;
    if (tokens[k - 1].Kind == MemoToken::kBlank && tokens[k + 1].Kind == MemoToken::kBlank && isName(k - 2) &&
        isName(k + 2))
      tokens[k].Glued = true;
  }
}

}  // namespace

bool IsDiscountWord(std::u16string_view w) {
  return w == u"\u5F15" || w == u"\u5F15\u304D" || w == u"\u30AA\u30D5" || w == u"off" || w == u"OFF" || w == u"Off";
}

std::vector<Token> TokensOf(std::u16string_view line) {
  std::vector<Token> tokens;
  const bool asks = line.find(u'=') != std::u16string_view::npos || line.find(u'\uFF1D') != std::u16string_view::npos;
  size_t i = 0;
  while (i < line.size()) {
    Token t{MemoToken::kFigure, i, i, {}};
    if (size_t j = i; ReadFigure(line, j, t)) {
      if (t.Kind == MemoToken::kFigure) ReadNoteChain(line, i + (t.Currency ? 1 : 0), j, t, asks);
      const bool afterTimes = !tokens.empty() && tokens.back().Kind == MemoToken::kOperator;
      if (i > 0 && IsAsciiLetter(HalfWidthOf(line[i - 1])) && !afterTimes) t.Glued = true;
      t.To = j;
      tokens.push_back(std::move(t));
      i = j;
      continue;
    }
    const char16_t raw = line[i];
    MemoToken kind = KindOf(raw);
    size_t end = i + 1;
    if (kind == MemoToken::kWord || raw == u'\u30FC') {
      end = raw == u'\u30FC' ? i + 1 : WordEnd(line, i);
      if (end == i) end = i + 1;
      kind = ActsAsOperator(line, i, end, tokens) ? MemoToken::kOperator : MemoToken::kWord;
    }
    Token other{kind, i, end, {}};
    if (kind == MemoToken::kOperator) other.Text = std::u16string(1, OperatorOf(raw) ? OperatorOf(raw) : u'*');
    if (raw == u'\u30FC' && kind == MemoToken::kOperator) other.Text = u"-";
    tokens.push_back(std::move(other));
    i = end;
  }
  GlueBetweenWords(line, tokens);
  return tokens;
}

}  // namespace quorva
