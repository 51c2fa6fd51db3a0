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
};

// Works the selection line by line. answerOf gives a line's answer, or nothing when the line is
// not an expression; a line without one stays exactly as it was, and so do the line breaks.
// Beyond that, the memo rules: an answer keeps the currency sign and 円 of its expression; a line
// that ends with an equals sign may start with a label, which stays; a total line (MemoLines.h)
// gets the sum of the values above it: the answers, and the amounts of lines that hold only an
// amount after an optional label.
using LineAnswerer = std::function<std::optional<std::u16string>(std::u16string_view)>;
InPlaceResult WorkLines(std::u16string_view selection, InPlaceMode mode, const LineAnswerer& answerOf);

}  // namespace quorva
