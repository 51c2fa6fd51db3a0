#include "bridge/SelectionRecovery.h"

#include <algorithm>

namespace quorva {
namespace {

int32_t Answer(HWND edit, UINT message, int64_t wParam) {
  return static_cast<int32_t>(SendMessageA(edit, message, static_cast<WPARAM>(static_cast<INT_PTR>(wParam)), 0));
}

// Where a line ends: the next line's beginning, or the text's end after the last line.
int32_t LineEnd(HWND edit, int32_t line, int32_t length) {
  if (line < 0 || line == INT32_MAX) return -1;
  const int32_t next = Answer(edit, EM_LINEINDEX, int64_t{line} + 1);
  return next < 0 ? length : next;
}

}  // namespace

std::optional<int32_t> OnlyPosition(uint16_t low, int32_t from, int32_t to) {
  if (from < 0 || to < from) return std::nullopt;
  const int64_t first = from + ((int64_t{low} - from) & 0xFFFF);
  if (first > to || first + 0x10000 <= to) return std::nullopt;
  return static_cast<int32_t>(first);
}

std::optional<Selection> SettleHalves(uint16_t lowStart, uint16_t lowEnd, const LineAnswers& a) {
  if (a.length < 0 || a.startLineBegin < 0 || a.startLineEnd < a.startLineBegin) return std::nullopt;
  const auto start = OnlyPosition(lowStart, a.startLineBegin, std::min(a.startLineEnd, a.length));
  if (!start) return std::nullopt;
  // The end lies between the start and the end of the text; if that leaves more than one place,
  // the caret's line narrows it, where the caret is not on the start's line (so it is the end).
  auto end = OnlyPosition(lowEnd, *start, a.length);
  if (!end && a.caretLineBegin > *start && a.caretLineEnd >= a.caretLineBegin) {
    end = OnlyPosition(lowEnd, a.caretLineBegin, std::min(a.caretLineEnd, a.length));
  }
  if (!end) return std::nullopt;
  return Selection{*start, *end, true, true};
}

bool ExactSelection(HWND edit, int32_t length, Selection& sel) {
  if (sel.full) return true;
  if (sel.halves && length >= 0 && length <= 0xFFFF) return sel.start <= sel.end;
  if (!sel.halves || length < 0) return false;
  LineAnswers a;
  a.length = length;
  const int32_t startLine = Answer(edit, EM_LINEFROMCHAR, -1);
  if (startLine < 0) return false;
  a.startLineBegin = Answer(edit, EM_LINEINDEX, startLine);
  a.startLineEnd = LineEnd(edit, startLine, length);
  const auto start = OnlyPosition(static_cast<uint16_t>(sel.start), a.startLineBegin, std::min(a.startLineEnd, length));
  if (start && !OnlyPosition(static_cast<uint16_t>(sel.end), *start, length)) {
    // Only the caret's line can settle the end: ask for it.
    a.caretLineBegin = Answer(edit, EM_LINEINDEX, -1);
    const int32_t caretLine = a.caretLineBegin < 0 ? -1 : Answer(edit, EM_LINEFROMCHAR, a.caretLineBegin);
    a.caretLineEnd = LineEnd(edit, caretLine, length);
  }
  const auto settled = SettleHalves(static_cast<uint16_t>(sel.start), static_cast<uint16_t>(sel.end), a);
  if (!settled) return false;
  sel = *settled;
  return true;
}

}  // namespace quorva
