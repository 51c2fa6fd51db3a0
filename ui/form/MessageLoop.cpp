#include "ui/form/MessageLoop.h"

#include <cstdint>

#include "common/windows/Boundary.h"
#include "ui/form/Form.h"

namespace quorva {

namespace {

uint16_t ShiftState() {
  uint16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

bool IsKeyDown(UINT m) { return m == WM_KEYDOWN || m == WM_SYSKEYDOWN; }
bool IsChar(UINT m) { return m == WM_CHAR || m == WM_SYSCHAR; }

}  // namespace

bool PreTranslate(MSG& msg) {
  if (!IsKeyDown(msg.message) && !IsChar(msg.message)) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  Form* form = Form::FromHandle(root);
  if (!form) return false;

  const Control* target = form->Find(msg.hwnd);
  if (target) {
    // Key preview: the form's handlers (and its helpers') see the key before the control.
    uint16_t key = static_cast<uint16_t>(msg.wParam);
    if (IsKeyDown(msg.message)) {
      form->PreviewKeyDown(key, ShiftState());
    } else {
      form->PreviewKeyPress(key);
    }
    if (key == 0) return true;
    msg.wParam = key;
    if (!IsWindow(msg.hwnd)) return true;  // a handler unloaded the form
  }
  if (!IsKeyDown(msg.message)) return false;

  uint16_t shift = ShiftState();
  if (msg.wParam == VK_TAB && !(shift & (kCtrlMask | kAltMask))) {
    form->TabNext((shift & kShiftMask) != 0);
    return true;
  }
  // Enter on a focused button presses it, as in every Windows dialog.
  target = form->Find(GetFocus());
  if (msg.wParam == VK_RETURN && target && target->ControlKind == Kind::CommandButton && IsWindowEnabled(target->hWnd)) {
    SendMessageW(root, WM_COMMAND, MAKEWPARAM(target->Id, BN_CLICKED), reinterpret_cast<LPARAM>(target->hWnd));
    return true;
  }
  return false;
}

void PumpMessage(MSG& msg) {
  // The form's key handlers run from here: a failure in one is reported and the key dropped, and
  // the window goes on taking input.
  if (AtBoundary([&] { return PreTranslate(msg); }, [] { return true; })) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    PumpMessage(msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) PumpMessage(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace quorva
