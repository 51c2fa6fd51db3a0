#include "UiTest.h"

#include <cstring>

#include "ui/Controls.h"
#include "ui/MessageLoop.h"

namespace quorva::test {

void Pump() { DoEvents(); }

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    DoEvents();
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
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

void SendKeys(const std::vector<std::pair<WORD, bool>>& strokes) {
  std::vector<INPUT> inputs;
  for (auto [vk, down] : strokes) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendMouseDown(HWND target, POINT p) {
  ClientToScreen(target, &p);
  INPUT in[2] = {};
  int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
  in[0].type = INPUT_MOUSE;
  in[0].mi.dx = MulDiv(p.x, 65535, cx);
  in[0].mi.dy = MulDiv(p.y, 65535, cy);
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1] = in[0];
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  SendInput(2, in, sizeof(INPUT));
}

void SendMouseUp() {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(INPUT));
}

MessageBoxRecorder::MessageBoxRecorder() {
  previous_ = SetMessageBoxHandler([this](const MessageBoxRequest& r) {
    Boxes.push_back(r);
    return kIdOk;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(previous_); }

std::wstring TextOf(HWND control) { return GetText(control); }

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& ansi) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1);
  std::memcpy(GlobalLock(mem), ansi.c_str(), ansi.size() + 1);
  GlobalUnlock(mem);
  SetClipboardData(CF_TEXT, mem);
  CloseClipboard();
}

}  // namespace quorva::test
