#include "ui/Notices.h"

#include <string>

#include "engine/MessageBox.h"
#include "engine/mainProc.h"

namespace quorva {

void ShowNotice(std::u16string_view text) {
  MessageBoxRequest box;
  box.Text = std::u16string(text);
  box.Caption = kAppTitle;
  box.Style = kMbIconExclamation;
  ShowMessageBox(box);
}

}  // namespace quorva
