#include "ui/window/OneLineBox.h"

#include <string_view>

#include "ui/form/ControlProperties.h"

namespace quorva {

namespace {

// The change that brought the line breaks is taken back and made again with blanked, the box's
// text with blanks. False when the change cannot be taken back (text set by the program).
bool RedoWithBlanks(HWND box, const std::wstring& blanked) {
  if (!SendMessageW(box, EM_CANUNDO, 0, 0)) return false;
  SendMessageW(box, EM_UNDO, 0, 0);  // its own change comes back to the change handler, which finds no line break
  // The box would keep the undone text for a redo and give it back with the next undo.
  SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
  const std::wstring before = GetText(box);
  // The changed stretch: what lies between the common start and the common end.
  size_t head = 0;
  while (head < before.size() && head < blanked.size() && before[head] == blanked[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < blanked.size() - head &&
         before[before.size() - 1 - tail] == blanked[blanked.size() - 1 - tail]) {
    ++tail;
  }
  ReplaceUndoably(box, static_cast<int>(head), static_cast<int>(before.size() - tail),
                  std::wstring_view(blanked).substr(head, blanked.size() - head - tail));
  return true;
}

}  // namespace

bool IsLineBreakOrTab(wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\t'; }

bool BlankOutLineBreaks(std::wstring& text) {
  bool changed = false;
  for (wchar_t& c : text) {
    if (IsLineBreakOrTab(c)) {
      c = L' ';
      changed = true;
    }
  }
  return changed;
}

void KeepOneLine(HWND box) {
  std::wstring text = GetText(box);
  if (!BlankOutLineBreaks(text)) return;
  if (!RedoWithBlanks(box, text)) {
    const int start = SelStart(box), end = start + SelLength(box);
    SetText(box, text);  // its own change comes back here and finds nothing more to do
    SetSel(box, start, end);
  }
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace quorva
