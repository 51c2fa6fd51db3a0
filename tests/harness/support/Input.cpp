#include "tests/harness/support/Input.h"

#include <vector>

#include "tests/harness/support/Wait.h"

namespace quorva::test {

namespace {

INPUT Key(WORD vk, bool down) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  return in;
}

INPUT Mouse(DWORD flags, POINT p) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return in;
}

}  // namespace

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    if (!(c >= L'0' && c <= L'9') && !(c >= L'a' && c <= L'z')) {
      // Where a symbol sits depends on the keyboard layout, which Wine and the X server may see
      // differently; the character itself goes through as a Unicode key stroke.
      INPUT in[2] = {};
      for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = c;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
      }
      SendInput(2, in, sizeof(INPUT));
      continue;
    }
    SHORT scan = VkKeyScanW(c);
    WORD vk = LOBYTE(scan);
    bool shift = (HIBYTE(scan) & 1) != 0;
    std::vector<INPUT> in;
    if (shift) in.push_back(Key(VK_SHIFT, true));
    in.push_back(Key(vk, true));
    in.push_back(Key(vk, false));
    if (shift) in.push_back(Key(VK_SHIFT, false));
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  }
}

void PressKey(WORD vk) {
  INPUT in[2] = {Key(vk, true), Key(vk, false)};
  SendInput(2, in, sizeof(INPUT));
}

bool ClickWindow(HWND window, const std::function<bool()>& pressed) {
  // The middle of the client area: the middle of the whole window can be a scroll bar, and a
  // click there does not take the focus.
  RECT rc;
  GetClientRect(window, &rc);
  POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ClientToScreen(window, &p);
  INPUT down[2] = {Mouse(MOUSEEVENTF_MOVE, p), Mouse(MOUSEEVENTF_LEFTDOWN, p)};
  SendInput(2, down, sizeof(INPUT));
  bool ok = WaitUntil(pressed);
  INPUT up = Mouse(MOUSEEVENTF_LEFTUP, p);
  SendInput(1, &up, sizeof(INPUT));
  return ok;
}

void SendKeys(const std::vector<std::pair<WORD, bool>>& strokes) {
  std::vector<INPUT> inputs;
  for (auto [vk, down] : strokes) inputs.push_back(Key(vk, down));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendMouseDown(HWND target, POINT clientPoint) {
  ClientToScreen(target, &clientPoint);
  INPUT in[2] = {Mouse(MOUSEEVENTF_MOVE, clientPoint), Mouse(MOUSEEVENTF_LEFTDOWN, clientPoint)};
  SendInput(2, in, sizeof(INPUT));
}

void SendMouseUp() {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(INPUT));
}

}  // namespace quorva::test
