#pragma once
// The line rules of a memo under /now: a label before an expression that a closing equals sign
// asks for, and the total lines (合計, 小計, 計, total, sum) that add up the lines above them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorva {

// Where the expression of a line's text (without its surrounding blanks) may begin after a
// label: right after the last character that no expression uses (a letter, a kana, a kanji that
// is not a counting unit), past a blank or where a Japanese word meets the figure. 0 when the
// text has no such character; npos when nothing can follow the label.
size_t LabelEnd(std::u16string_view core);

enum class TotalKind {
  kSubtotal,  // 小計, 計, subtotal: the lines since the previous total line of any kind
  kTotal,     // 合計 (合計金額, 総計, 総額, 税込合計, "12月合計"), total, sum: since the previous 合計
  kGrand,     // grand total: every line of the selection
};

// A line's text (without its surrounding blanks) that holds only a total word, in either width
// and any case, blanks inside it ignored ("合　計"), maybe followed by one of ":" "：" "=" "＝".
// 合計, 小計, 総計 and 総額 may follow a short prefix ("12月合計", "週合計"); 計 stands alone.
std::optional<TotalKind> TotalWordOf(std::u16string_view core);

// A total line that already holds its sum ("合計 1,560", "小計：¥2,400"), as /now left it: it
// adds nothing to the next total, and a subtotal counts from it.
std::optional<TotalKind> WrittenTotalOf(std::u16string_view core);

// The total line with its sum written after the word, in the user's punctuation:
// "合計" -> "合計 1,560", "合計 =" -> "合計 = 1,560", "合計：" -> "合計：1,560".
std::u16string WithTotal(std::u16string_view line, std::u16string_view sum);

}  // namespace quorva
