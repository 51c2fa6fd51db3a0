#include "Zoo.h"

#include <windows.h>

namespace qeditor {

GetSelAnswer AnswerGetSel(GetSelMode mode, size_t start, size_t end) {
  const auto packed = static_cast<int64_t>(static_cast<uint32_t>((start & 0xFFFF) | (end & 0xFFFF) << 16));
  switch (mode) {
    case GetSelMode::kPacked: return {false, packed};
    case GetSelMode::kMinusOne: return {true, start > 0xFFFF || end > 0xFFFF ? -1 : packed};
    case GetSelMode::kBoth: break;
  }
  return {true, packed};
}

namespace {

// The messages that change the text (typing included).
bool ChangesText(unsigned message) {
  switch (message) {
    case EM_REPLACESEL:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CHAR:
    case WM_CLEAR: return true;
  }
  return false;
}

}  // namespace

bool Zoo::Ignores(unsigned message) const {
  if (ChangesText(message)) return readOnly || (message == WM_CLEAR && noClear);
  return (message == EM_UNDO || message == EM_CANUNDO) && noUndo;
}

bool Zoo::Busy(unsigned message) {
  if (busy <= 0 || busyLeft == 0 || !ChangesText(message)) return false;
  if (busyLeft < 0) {
    busyLeft = busy;
    return false;
  }
  --busyLeft;
  return true;
}

bool IsEditMessage(unsigned message) {
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETTEXT:
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case EM_UNDO:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
    case EM_GETFIRSTVISIBLELINE:
      return true;
  }
  return false;
}

CloseAfter::Verdict CloseAfter::Next() {
  if (closed_) return {false, false};
  if (limit_ < 0 || answered_ < limit_) {
    ++answered_;
    closed_ = answered_ == limit_;
    return {true, closed_};
  }
  // A limit of 0: the first message already finds the editor closing.
  closed_ = true;
  return {false, true};
}

void CloseAfter::Disarm() {
  if (!closed_) limit_ = -1;
}

}  // namespace qeditor
