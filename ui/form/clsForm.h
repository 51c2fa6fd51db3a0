#pragma once
// The form helper: attached to a form, it prepares the form's text boxes and adds the common
// keyboard, focus and painting behaviour of all our forms.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "ui/form/Form.h"

namespace quorva {

class clsForm final : public FormEvents {
 public:
  clsForm() = default;
  clsForm(const clsForm&) = delete;
  clsForm& operator=(const clsForm&) = delete;
  ~clsForm();  // detaches from the form

  // Selects the whole text of the focused control, unless the left mouse button is down and
  // fMouse is false: then a click keeps the caret where it put it.
  void SelText(bool fMouse);
  // Attaches to oForm (detaching from any earlier form) and prepares its text boxes: a one-pixel
  // inner margin and the input restriction that each box's Tag selects.
  void AtForm(Form& oForm);

  void GotFocus() override;
  void KeyDown(uint16_t& KeyCode, uint16_t Shift) override;
  void KeyPress(uint16_t& KeyAscii) override;
  void Paint(HDC hdc) override;

 private:
  static void AddStyle(HWND hWnd, LONG lStyle);
  static void TrimKeepingSelection(HWND box);

  Form* frmForm = nullptr;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace quorva
