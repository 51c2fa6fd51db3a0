#pragma once
// The in-place work of /now on an editor's selection: every line that is an expression gets its
// answer, in place of the expression or after it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Answer.h"

namespace quorva {

// One line of a selection and the line break that ends it ("" for the last line). CR LF, a lone
// LF and a lone CR each end a line, and are kept as they were.
struct Line {
  std::u16string_view Text;
  std::u16string_view Break;
};
std::vector<Line> SplitLines(std::u16string_view text);

// Blanks around an expression: space, tab and the ideographic space.
bool IsBlank(char16_t c);

enum class InPlaceMode {
  kReplace,  // the expression gives way to its answer; blanks around it stay
  kAppend,   // the answer follows: "1+2" -> "1+2 = 3", "1+2 =" -> "1+2 = 3", "1+2=" -> "1+2=3"
};

// A line with its answer written in, per the mode.
std::u16string WithAnswer(std::u16string_view line, std::u16string_view answer, InPlaceMode mode);

struct InPlaceResult {
  std::u16string Text;        // the whole new selection
  int Answered = 0;           // lines that got an answer
  std::u16string Expression;  // the first of them, and its answer
  std::u16string Answer;
  std::vector<std::u16string> Expressions;  // every line that got an answer, in order
  std::u16string Report;  // why a total line stayed as it was ("合計: 3 行目「…」が読めません"), once
};

// Works the selection line by line, exact or nothing (MemoReader.h): a line of a multi-line
// selection gets its answer only when it reads as a calculation beyond doubt; every other line
// stays exactly as it was, and so do the line breaks. A selection of one line without a word is
// read as the window reads it (answerOf). A total line (MemoLines.h) gets the sum of the values
// shown above it in its range, only when every line there with a figure was read; otherwise it
// stays and Report says which line stopped it.
using LineAnswerer = std::function<std::optional<std::u16string>(std::u16string_view)>;
InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const LineAnswerer& answerOf);

// The same with the answers written per the format: where the amounts of an expression carry a
// yen sign or 円 and the format names no places, the answer has the yen's 0 places, grouped when
// the amounts were grouped.
InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const AnswerFormat& format,
                        const NumberLocale& locale = {});

}  // namespace quorva
