#pragma once
// An editor that gives its selection only as packed 16-bit halves (or as -1) leaves the true
// positions open once its text is 65,536 bytes or longer. What else it answers in full 32-bit
// values (the text's length, the line of the selection's start and of the caret, and where those
// lines begin) can settle them: a half is taken only where exactly one position in the range
// those answers allow has its low 16 bits. Otherwise the positions stay unknown; never a guess.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "bridge/EditorMessages.h"

namespace quorva {

// The editor's full-width answers around the selection. A line's end is where the next line
// begins (the text's length after the last line); -1 anywhere means the editor did not say.
struct LineAnswers {
  int32_t length = -1;
  int32_t startLineBegin = -1, startLineEnd = -1;  // the line of the selection's start
  int32_t caretLineBegin = -1, caretLineEnd = -1;  // the caret's line
};

// The one position in [from, to] whose low 16 bits are low, if there is exactly one.
std::optional<int32_t> OnlyPosition(uint16_t low, int32_t from, int32_t to);

// The whole selection from its packed halves and the line answers, if they settle it.
std::optional<Selection> SettleHalves(uint16_t lowStart, uint16_t lowEnd, const LineAnswers& lines);

// Whether the selection as read is exact: it came whole, or its halves are whole because the text
// is shorter than 65,536 bytes, or the editor's line answers settle them (then sel is made whole).
// length is the text's length as the editor gives it. Sends line messages only when needed.
bool ExactSelection(HWND edit, int32_t length, Selection& sel);

// Where a replacement went, from the whole text before and after the editor took it (maybe only
// its first bytes): the one position with the selection's low 16 bits where cutting `length`
// units and putting in the front of `replacement` turns `before` into `after`. None where no
// place or more than one place explains the change.
std::optional<int32_t> LocateChange(std::u16string_view before, std::u16string_view after, uint16_t lowStart,
                                    int32_t length, std::u16string_view replacement);
// The same for texts of bytes.
std::optional<int32_t> LocateChange(std::string_view before, std::string_view after, uint16_t lowStart,
                                    int32_t length, std::string_view replacement);

}  // namespace quorva
