#include "bridge/SelectionRecovery.h"

#include <algorithm>
#include <string>

namespace quorva {
namespace {

int32_t Answer(HWND edit, UINT message, int64_t wParam) {
  return static_cast<int32_t>(SendMessageA(edit, message, PositionArgument(wParam), 0));
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

std::optional<int32_t> LocateChange(std::string_view before, std::string_view after, uint16_t lowStart,
                                    int32_t length, std::string_view replacement) {
  const auto widen = [](std::string_view b) {
    std::u16string u;
    for (const char c : b) u += static_cast<char16_t>(static_cast<unsigned char>(c));
    return u;
  };
  return LocateChange(widen(before), widen(after), lowStart, length, widen(replacement));
}

std::optional<int32_t> LocateChange(std::u16string_view before, std::u16string_view after, uint16_t lowStart,
                                    int32_t length, std::u16string_view replacement) {
  const auto cut = static_cast<int64_t>(length);
  const int64_t put = static_cast<int64_t>(after.size()) - static_cast<int64_t>(before.size()) + cut;
  if (cut < 0 || cut > static_cast<int64_t>(before.size()) || put < 0 ||
      put > static_cast<int64_t>(replacement.size())) {
    return std::nullopt;
  }
  // The longest common front and back: a place explains the change where the front reaches it,
  // the back reaches the end of the cut, and what went in there is the front of the replacement.
  size_t front = 0;
  while (front < before.size() && front < after.size() && before[front] == after[front]) ++front;
  size_t back = 0;
  while (back < before.size() && back < after.size() &&
         before[before.size() - 1 - back] == after[after.size() - 1 - back]) {
    ++back;
  }
  std::optional<int32_t> found;
  const int64_t last = static_cast<int64_t>(before.size()) - cut;
  for (int64_t at = lowStart; at <= last; at += 0x10000) {
    if (at > static_cast<int64_t>(front) || last - at > static_cast<int64_t>(back)) continue;
    const auto went = after.substr(static_cast<size_t>(at), static_cast<size_t>(put));
    if (went != replacement.substr(0, static_cast<size_t>(put))) continue;
    if (found) return std::nullopt;
    found = static_cast<int32_t>(at);
  }
  return found;
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
