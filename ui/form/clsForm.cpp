#include "ui/form/clsForm.h"

#include <algorithm>

#include "common/windows/Handles.h"
#include "common/subTool.h"
#include "ui/form/ControlProperties.h"
#include "ui/form/MessageLoop.h"

namespace quorva {
namespace {

constexpr uint16_t kTab = 9;
constexpr uint16_t kCarriageReturn = 13;  // Enter
constexpr uint16_t kLineFeed = 10;        // Ctrl+Enter
constexpr int kRuleGapTwips = 10;         // from the shadow line down to the highlight line

}  // namespace

clsForm::~clsForm() {
  *alive_ = false;
  if (frmForm) frmForm->Detach(this);
  frmForm = nullptr;
}

void clsForm::SelText(bool fMouse) {
  bool mouseDown = GetAsyncKeyState(VK_LBUTTON) < 0;
  if (mouseDown && !fMouse) return;
  if (HWND active = GetFocus()) SendMessageA(active, EM_SETSEL, 0, -1);
}

void clsForm::AtForm(Form& oForm) {
  if (frmForm) frmForm->Detach(this);
  frmForm = &oForm;
  frmForm->Attach(this);
  // Each step that fails is skipped; preparing the other boxes goes on.
  for (const Control& c : frmForm->Controls()) {
    if (c.ControlKind != Kind::TextBox || !IsWindow(c.hWnd)) continue;
    RECT rc;
    if (GetClientRect(c.hWnd, &rc)) {
      rc.top += 1;
      rc.left += 1;
      rc.bottom -= 1;
      rc.right -= 1;
      SendMessageA(c.hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rc));
    }
    if (c.Tag == L"A") {
      AddStyle(c.hWnd, ES_UPPERCASE);
    } else if (c.Tag == L"a") {
      AddStyle(c.hWnd, ES_LOWERCASE);
    } else if (c.Tag == L"0") {
      AddStyle(c.hWnd, ES_NUMBER);
    }
  }
}

void clsForm::AddStyle(HWND hWnd, LONG lStyle) {
  LONG style = GetWindowLongA(hWnd, GWL_STYLE);
  SetWindowLongA(hWnd, GWL_STYLE, style | lStyle);
}

void clsForm::TrimKeepingSelection(HWND box) {
  const std::wstring text = GetText(box);
  const std::wstring trimmed = Trim(text);
  if (trimmed == text) return;
  // The caret and the selection stay on the same characters; positions in the removed blanks
  // move to the nearest end of what is left.
  const int lead = trimmed.empty() ? 0 : static_cast<int>(text.find(trimmed));
  const int length = static_cast<int>(trimmed.size());
  auto moved = [&](int position) { return std::clamp(position - lead, 0, length); };
  const int start = SelStart(box), end = start + SelLength(box);
  SetText(box, trimmed);
  SetSel(box, moved(start), moved(end));
}

void clsForm::KeyDown(uint16_t& KeyCode, uint16_t /*Shift*/) {
  if (!frmForm) return;
  const Control* active = frmForm->ActiveControl();
  if (!active) return;
  bool textual = active->ControlKind == Kind::TextBox || active->ControlKind == Kind::ComboBox;
  if (KeyCode == VK_DELETE) {
    if (!textual) return;
    HWND box = active->hWnd;
    int start = SelStart(box);
    // Delete at the end of the text removes the last character instead of doing nothing, with
    // any modifier: the control's own Shift+Delete (which deletes backwards from the caret),
    // Ctrl+Delete and Shift+Ctrl+Delete would each do something else there, so the helper
    // removes it and keeps the key from the control.
    if (SelLength(box) == 0 && start > 0 && start == GetWindowTextLengthW(box)) {
      SetSel(box, start - 1, start);
      SendMessageW(box, WM_CLEAR, 0, 0);
      KeyCode = 0;
    }
  } else if (KeyCode == VK_RETURN) {
    if (textual) {
      TrimKeepingSelection(active->hWnd);
    } else if (active->ControlKind == Kind::OptionButton) {
      SetValue(active->hWnd, GetValue(active->hWnd) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    // Check boxes are left to the form: each window switches its own exactly once.
  }
}

void clsForm::KeyPress(uint16_t& KeyAscii) {
  // Tab and the characters of Enter (CR, and LF from Ctrl+Enter) would beep in a single-line box
  // and break the line in a multi-line one.
  if (KeyAscii == kTab || KeyAscii == kCarriageReturn || KeyAscii == kLineFeed) KeyAscii = 0;
}

void clsForm::GotFocus() {
  if (!frmForm) return;
  Form* form = frmForm;
  // Pending events may unload the form and release this helper.
  std::shared_ptr<bool> alive = alive_;
  DoEvents();
  if (!*alive || frmForm != form || !IsWindow(form->hWnd())) return;
  // The synthesised Tab goes to whichever window is in front; only ours may receive it.
  if (!form->ActiveControl() && GetForegroundWindow() == form->hWnd()) PushTab();
}

void clsForm::Paint(HDC hdc) {
  if (!frmForm) return;
  // An etched rule along the top edge: a shadow line above a highlight line, in the current
  // system colours, across the whole screen width (clipped to the window).
  int screenTwips = PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), frmForm->Dpi());
  int right = frmForm->Pixels(screenTwips);
  struct Line {
    int y;
    int colour;
  };
  const Line lines[] = {{0, COLOR_BTNSHADOW}, {frmForm->Pixels(kRuleGapTwips), COLOR_BTNHIGHLIGHT}};
  for (const Line& line : lines) {
    const Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(line.colour)));
    const Selected selected(hdc, pen.Get());
    MoveToEx(hdc, 0, line.y, nullptr);
    LineTo(hdc, right, line.y);
  }
}

}  // namespace quorva
