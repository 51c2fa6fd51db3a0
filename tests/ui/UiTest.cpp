#include "UiTest.h"


#include "ui/form/ControlProperties.h"
#include "tests/harness/support/Wait.h"
#include "ui/form/MessageLoop.h"

namespace quorva::test {

void Pump() { DoEvents(); }

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  return WaitUntil(condition, timeoutMs, DoEvents);
}

void PostKey(HWND target, UINT vk) {
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
  PostMessageW(target, WM_KEYUP, vk, scan | 1 | (1u << 30) | (1u << 31));
  Pump();
}

void PostChars(HWND target, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(target, WM_CHAR, c, 1);
  Pump();
}

std::wstring TextOf(HWND control) { return GetText(control); }

}  // namespace quorva::test
