#pragma once
// A memo line as tokens: figures (with their currency sign, 円, counting units, percent or 割 and
// counter), operators, brackets, equals signs, words and blanks. The memo reader decides from
// these alone whether a line is a calculation; nothing here evaluates.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorva {

enum class MemoToken {
  kFigure,      // an amount that may take part in a calculation
  kNoteFigure,  // a date, time, phone or version number: never calculated
  kBadFigure,   // separators out of place ("1,2,3", "5,20"): the line cannot be read
  kOperator,    // Text holds the canonical operator: + - * / ^
  kSign,        // a minus look-alike or ▲ △ in front of a figure
  kOpen,
  kClose,
  kEquals,
  kAsk,    // "?" after an equals sign
  kRange,  // ～ 〜
  kWord,
  kPunct,  // : ：
  kBlank,
};

struct Token {
  MemoToken Kind;
  size_t From, To;    // in the line
  std::u16string Text;  // kFigure: the plain number ("2500", "-20%"); kOperator: the operator
  char16_t Currency = 0;  // the sign as typed before a figure
  bool Yen = false, Grouped = false, Percent = false, Glued = false, Counter = false;
};

// The tokens of a line. A figure joined to a word is Glued: part of a label ("2F", "A4用紙").
std::vector<Token> TokensOf(std::u16string_view line);

// Whether a word is a discount after a percentage: 引 引き オフ off.
bool IsDiscountWord(std::u16string_view word);

}  // namespace quorva
