#include "bridge/FindEditor.h"

namespace quorva {
namespace {

// Class names compared without regard to case, as the system compares them.
constexpr const wchar_t* kEditClasses[] = {L"TEditor", L"Edit", L"RichEdit20A", L"RichEdit20W", L"RICHEDIT50W"};

bool IsEditClass(const wchar_t* name) {
  for (const wchar_t* edit : kEditClasses) {
    if (lstrcmpiW(name, edit) == 0) return true;
  }
  return false;
}

}  // namespace

bool IsEditControl(HWND window) {
  wchar_t name[64] = {};
  if (GetClassNameW(window, name, 64) > 0 && IsEditClass(name)) return true;
  // A superclass of the system's Edit names its base class here.
  return RealGetWindowClassW(window, name, 64) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

HWND FindEditControl(HWND fg) {
  if (HWND edit = FindWindowExA(fg, nullptr, "TEditor", "")) return edit;
  if (fg == nullptr) return nullptr;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(fg, nullptr), &info)) return nullptr;
  HWND focus = info.hwndFocus;
  // Only a control inside the window in front: the focus of another window is not the editor's.
  if (focus == nullptr || (focus != fg && !IsChild(fg, focus))) return nullptr;
  return IsEditControl(focus) ? focus : nullptr;
}

}  // namespace quorva
