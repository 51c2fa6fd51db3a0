#pragma once
// Up and Down in the expression box: the previous and next expressions of the history, when the
// caret is at the start or at the end of the text with nothing selected. Elsewhere, and with
// Shift, Ctrl or Alt held, the keys are the box's own.
#include <windows.h>

#include <cstdint>

#include "common/history/HistoryRecall.h"

namespace quorva {

class ExpressionRecall {
 public:
  // True when the key put an expression into the box (the box must not see the key then). The
  // expression is shown whole with the caret at its end; nothing is calculated.
  bool KeyDown(HWND box, uint16_t key, uint16_t shift, const HistoryEntries& entries);
  // The box's text changed: the user's own change starts recall afresh from the newest entry.
  void Changed();
  // A calculation added to the history.
  void Reset() { recall_.Reset(); }

 private:
  HistoryRecall recall_;
  bool showing_ = false;  // our own change of the text is under way
};

}  // namespace quorva
