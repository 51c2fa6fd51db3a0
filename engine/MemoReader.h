#pragma once
// The memo reader: exact or nothing. It reads one line of a multi-line selection from its tokens
// and says whether it is a calculation beyond doubt, a value a total may add, a note, or a line it
// cannot read. Only a calculation is ever rewritten.
#include <cstddef>
#include <string>
#include <string_view>

#include "Amounts.h"

namespace quorva {

enum class LineKind {
  kNote,         // no figure that counts: dates, phone numbers, "2F", words
  kValue,        // one amount after an optional label ("牛乳 198円"), or "expr = answer"
  kCalculation,  // an expression with an operator, or any expression before "="
  kUnknown,      // figures that do not read exactly: the line stays and stops a total
};

struct LineReading {
  LineKind Kind = LineKind::kNote;
  std::u16string Expression;  // for the engine, in plain notation ("2500*2", "3000-20%")
  Notation Notes;             // the currency sign as typed first, 円
  bool Grouped = false;       // the figures were grouped
  size_t LabelEnd = 0;        // where the expression begins in the line
  bool Asks = false;          // it ends with "=", "= ?" or "=?"
  size_t AskFrom = 0, AskTo = 0;  // the "?", when there is one
};

// Reads a line's text without its surrounding blanks.
LineReading ReadMemoLine(std::u16string_view core);

// Whether the line holds a word: a single line without one is read as the window reads it.
bool HoldsWord(std::u16string_view core);

}  // namespace quorva
