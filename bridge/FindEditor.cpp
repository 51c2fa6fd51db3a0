#include "bridge/FindEditor.h"

#include <string>

namespace quorva {
namespace {

// Class names compared without regard to case, as the system compares them.
constexpr const wchar_t* kEditClasses[] = {L"TEditor",     L"Edit",        L"RichEdit20A",
                                           L"RichEdit20W", L"RICHEDIT50W", L"RichEditD2DPT"};

bool Same(std::wstring_view a, const wchar_t* b) { return lstrcmpiW(std::wstring(a).c_str(), b) == 0; }

}  // namespace

bool IsEditClass(std::wstring_view className, std::wstring_view realClass) {
  for (const wchar_t* edit : kEditClasses) {
    if (Same(className, edit)) return true;
  }
  // A superclass of the system's Edit names its base class here.
  return Same(realClass, L"Edit");
}

bool IsEditControl(HWND window) {
  wchar_t name[256] = {}, real[256] = {};
  const int n = GetClassNameW(window, name, 256);
  const UINT r = RealGetWindowClassW(window, real, 256);
  return n > 0 && IsEditClass(std::wstring_view(name, n), std::wstring_view(real, r));
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
