#include "ui/form/Form.h"

#include <algorithm>

#include "common/windows/Boundary.h"
#include "common/windows/Handles.h"

namespace quorva {

namespace {

constexpr wchar_t kFormClass[] = L"QuorvaForm";

void RegisterFormClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  registered = RegisterClassExW(&wc) != 0;
}

}  // namespace

Form::~Form() {
  unloaded_ = true;  // destroying the object is not an unload: no handler runs now
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

Form* Form::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  wchar_t cls[32] = {};
  if (!GetClassNameW(hwnd, cls, 32) || lstrcmpW(cls, kFormClass) != 0) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Form::CreateFormWindow(const wchar_t* caption, DWORD style, DWORD exStyle, HICON icon, HICON smallIcon,
                            const RECT* place) {
  RegisterFormClass(&Form::WndProc);
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 100, height = 100;
  if (place) x = place->left, y = place->top, width = place->right - place->left, height = place->bottom - place->top;
  CreateWindowExW(exStyle, kFormClass, caption, style, x, y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                  this);
  if (!hwnd_) return;
  if (icon) {
    // The class's icons, which the caption, the task bar and Alt+Tab fall back to: each
    // WM_SETICON would convert the images for the display again, a cost at every start.
    // The small one first: a large icon on a class without a small one gets a shrunk copy made.
    SetClassLongPtrW(hwnd_, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(smallIcon ? smallIcon : icon));
    SetClassLongPtrW(hwnd_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  }
  dpi_ = GetDpiForWindow(hwnd_);
  if (dpi_ == 0) dpi_ = kBaseDpi;
}

HWND Form::AddControl(const wchar_t* className, DWORD style, DWORD exStyle, int id, const wchar_t* name, Kind kind,
                      const wchar_t* text, const wchar_t* tag, const RECT& place) {
  HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  controls_.push_back(Control{control, id, name, kind, tag});
  return control;
}

const Control* Form::Find(HWND hwnd) const {
  if (!hwnd) return nullptr;
  for (const Control& c : controls_) {
    if (c.hWnd == hwnd || IsChild(c.hWnd, hwnd)) return &c;  // a combo box's edit field counts as the box
  }
  return nullptr;
}

const Control* Form::ActiveControl() const { return Find(GetFocus()); }

void Form::Attach(FormEvents* helper) {
  if (std::find(helpers_.begin(), helpers_.end(), helper) == helpers_.end()) helpers_.push_back(helper);
}

void Form::Detach(FormEvents* helper) { helpers_.erase(std::remove(helpers_.begin(), helpers_.end(), helper), helpers_.end()); }

// Helpers may detach (and be destroyed) while an event runs, so each is looked up again before
// it is called.
#define QUORVA_FOR_EACH_HELPER(call)                                                  \
  do {                                                                                \
    std::vector<FormEvents*> snapshot = helpers_;                                     \
    for (FormEvents* h : snapshot) {                                                  \
      if (std::find(helpers_.begin(), helpers_.end(), h) != helpers_.end()) h->call; \
    }                                                                                 \
  } while (0)

void Form::PreviewKeyDown(uint16_t& KeyCode, uint16_t Shift) {
  // The helpers first: they act on the control that the key was aimed at, before the form's own
  // handler may move the focus (Enter in one box returning to another). Each handler sees the
  // key as it came; a handler that sets it to 0 keeps it from the control.
  const uint16_t key = KeyCode;
  QUORVA_FOR_EACH_HELPER(KeyDown(KeyCode, Shift));
  uint16_t own = key;
  Form_KeyDown(own, Shift);
  if (own == 0) KeyCode = 0;
}

void Form::PreviewKeyPress(uint16_t& KeyAscii) {
  Form_KeyPress(KeyAscii);
  if (KeyAscii == 0) return;
  QUORVA_FOR_EACH_HELPER(KeyPress(KeyAscii));
}

void Form::TabNext(bool backwards) {
  const int n = static_cast<int>(controls_.size());
  if (n == 0) return;
  const Control* current = ActiveControl();
  int index = current ? static_cast<int>(current - controls_.data()) : (backwards ? n : -1);
  for (int step = 1; step <= n; ++step) {
    int i = ((index + (backwards ? -step : step)) % n + n) % n;
    HWND h = controls_[i].hWnd;
    if ((GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(h) && IsWindowEnabled(h)) {
      SetFocus(h);
      // As in dialogs: a text box entered by Tab has its text selected.
      if (controls_[i].ControlKind == Kind::TextBox) SendMessageW(h, EM_SETSEL, 0, -1);
      return;
    }
  }
}

void Form::Unload() {
  if (unloaded_ || !hwnd_) return;
  int16_t cancel = 0;
  Form_Unload(cancel);
  if (cancel != 0) return;
  unloaded_ = true;
  DestroyWindow(hwnd_);
}

void Form::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (const Control* c = ActiveControl()) lastFocus_ = c->hWnd;
    return;
  }
  // Back to the control that had the focus, as dialogs do; the first time the form itself takes
  // the focus and its GotFocus handlers decide.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
    // Coming back is not a move inside the form: the control gets its focus back with its text,
    // caret and selection as the user left them, so no got-focus rule may run for it.
    restoringFocus_ = true;
    SetFocus(lastFocus_);
    restoringFocus_ = false;
  } else if (!HIWORD(wParam)) {
    SetFocus(hwnd_);
  }
}

void Form::OnSetFocus() {
  Form_GotFocus();
  QUORVA_FOR_EACH_HELPER(GotFocus());
}

void Form::OnPaint() {
  const PaintDc paint(hwnd_);
  HDC hdc = paint.Get();
  Form_Paint(hdc);
  QUORVA_FOR_EACH_HELPER(Paint(hdc));
}

void Form::OnDestroy() {
  // Destroyed by another path than Unload (for example the session ending): still unload.
  if (unloaded_) return;
  unloaded_ = true;
  int16_t cancel = 0;
  Form_Unload(cancel);
}

#undef QUORVA_FOR_EACH_HELPER

LRESULT Form::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_DPICHANGED: dpi_ = LOWORD(wParam); OnDpiChanged(dpi_, *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_CLOSE: Unload(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return AtBoundary([&] { return Dispatch(hwnd, msg, wParam, lParam); },
                    [&]() -> LRESULT {
                      // A paint that failed is not asked for again and again.
                      if (msg == WM_PAINT) ValidateRect(hwnd, nullptr);
                      return 0;
                    });
}

LRESULT Form::Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  Form* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return form->OnMessage(msg, wParam, lParam);
}

}  // namespace quorva
