#include "ui/window/ExpressionRecall.h"

#include "common/text/Ansi.h"
#include "ui/form/ControlProperties.h"

namespace quorva {

bool ExpressionRecall::KeyDown(HWND box, uint16_t key, uint16_t shift, const HistoryEntries& entries) {
  if ((key != VK_UP && key != VK_DOWN) || shift != 0) return false;
  const int start = SelStart(box), length = SelLength(box);
  if (length != 0 || (start != 0 && start != GetWindowTextLengthW(box))) return false;
  const std::optional<std::u16string> text =
      key == VK_UP ? recall_.Up(entries, FromWide(GetText(box))) : recall_.Down();
  if (!text) return false;
  showing_ = true;
  SetText(box, ToWide(*text));
  showing_ = false;
  SetSelStart(box, GetWindowTextLengthW(box));
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  return true;
}

void ExpressionRecall::Changed() {
  if (!showing_) recall_.Reset();
}

}  // namespace quorva
