#include "Processes.h"

#include <vector>

namespace quorva::e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    // Our own queue may hold messages (a window of the test); keep it moving while we poll.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

Process::~Process() {
  if (info_.hProcess) {
    if (Running()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool Process::Start(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  std::vector<wchar_t> buf(commandLine.begin(), commandLine.end());
  buf.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  return CreateProcessW(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_) != 0;
}

bool Process::WaitForExit(DWORD timeoutMs) { return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

bool Process::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HWND Process::FindWindowOf(const std::wstring& title) const {
  struct Search {
    DWORD pid;
    const std::wstring* title;
    HWND found;
  } search{info_.dwProcessId, &title, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid != s->pid || !IsWindowVisible(h) || GetWindow(h, GW_OWNER)) return TRUE;
        if (!s->title->empty() && WindowText(h) != *s->title) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  wchar_t buf[4096] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &got);
  return std::wstring(buf, got);
}

std::string AnsiWindowText(HWND window) {
  char buf[4096] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &got);
  return std::string(buf, got);
}

HWND FocusOf(HWND topLevel) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(topLevel, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

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

// Saves a rectangle of the screen as a 24-bit BMP file.
bool SaveScreen(const RECT& rc, const std::wstring& file) {
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
  BITMAPFILEHEADER fh = {};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
  fh.bfSize = fh.bfOffBits + size;
  bool ok = false;
  HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ok = WriteFile(f, &fh, sizeof(fh), &written, nullptr) &&
         WriteFile(f, &bi.bmiHeader, sizeof(bi.bmiHeader), &written, nullptr) &&
         WriteFile(f, bits, size, &written, nullptr);
    CloseHandle(f);
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool SaveWindowShot(HWND window, const std::wstring& file) {
  RECT rc;
  return GetWindowRect(window, &rc) && SaveScreen(rc, file);
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
  bool ok = WaitUntil(pressed, 5000);
  INPUT up = Mouse(MOUSEEVENTF_LEFTUP, p);
  SendInput(1, &up, sizeof(INPUT));
  return ok;
}

}  // namespace quorva::e2e
