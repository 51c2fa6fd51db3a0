#include "ui/app/Notices.h"

#include <string>

#include "shared/MessageBox.h"
#include "engine/Calculate.h"

namespace quorva {

void ShowNotice(std::u16string_view text) {
  MessageBoxRequest box;
  box.Text = std::u16string(text);
  box.Caption = kAppTitle;
  box.Style = kMbIconExclamation;
  ShowMessageBox(box);
}

}  // namespace quorva
