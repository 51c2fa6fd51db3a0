#include "InPlaceTiming.h"

#include <string>

namespace {

constexpr char kExpression[] = "1234*1.08";  // 9 bytes; its answer "1332.72" is 7
constexpr ULONGLONG kStartDeadlineMs = 20000;
constexpr DWORD kEndDeadlineMs = 10000;
constexpr int kSubtotalEvery = 10;

// A memo as a 家計簿 holds it, in code page 932: a labelled calculation, a lone amount, a
// subtotal every few lines and a total at its end.
std::string MemoText(int lines) {
  static const char kLabel[] = "\x90\x48\x94\xEF";        // 食費
  static const char kSubtotal[] = "\x8F\xAC\x8C\x76";     // 小計
  static const char kTotal[] = "\x8D\x87\x8C\x76";        // 合計
  std::string text;
  for (int i = 1; i < lines; ++i) {
    if (i % kSubtotalEvery == 0) {
      text += kSubtotal;
    } else if (i % 2 == 0) {
      text += std::string(kLabel) + " " + std::to_string(100 + i) + "\x89\x7E";  // 円
    } else {
      text += std::string(kLabel) + " 1,200*" + std::to_string(i % 7 + 1) + " =";
    }
    text += "\r\n";
  }
  return text + kTotal;
}

HWND MainWindowOf(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found;
  } s{pid, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner != s->pid || !IsWindowVisible(h) || !FindWindowExW(h, nullptr, L"TEditor", nullptr)) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool Until(bool (*condition)(HWND), HWND h, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition(h)) {
    if (GetTickCount64() > deadline) return false;
    Sleep(1);
  }
  return true;
}

}  // namespace

double TimeUntil(const std::wstring& exe, const std::wstring& arguments, const std::function<bool(DWORD)>& done,
                 quorva::StartedProcess& started) {
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  QueryPerformanceCounter(&t0);
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  started = quorva::StartedProcess(pi);
  const ULONGLONG deadline = GetTickCount64() + kStartDeadlineMs;
  bool held = false;
  while (!(held = done(started.id)) && GetTickCount64() < deadline) Sleep(1);
  QueryPerformanceCounter(&t1);
  return held ? 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart) : -1;
}

void EndProcess(quorva::StartedProcess& started) {
  if (!started.process) return;
  if (WaitForSingleObject(started.process.Get(), kEndDeadlineMs) != WAIT_OBJECT_0) TerminateProcess(started.process.Get(), 1);
  started = {};
}

InPlaceTimer::InPlaceTimer(const std::wstring& editorExe) {
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  std::wstring cmd = L"\"" + editorExe + L"\" --title bench-editor --pos 0,0,360,240";
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(editorExe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  editor_ = quorva::StartedProcess(pi);
  const ULONGLONG deadline = GetTickCount64() + kStartDeadlineMs;
  while (!(main_ = MainWindowOf(editor_.id)) && GetTickCount64() < deadline) Sleep(1);
  if (main_) edit_ = FindWindowExW(main_, nullptr, L"TEditor", nullptr);
}

InPlaceTimer::~InPlaceTimer() {
  if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
  EndProcess(editor_);
}

double InPlaceTimer::Measure(const std::wstring& quorvaExe, int memoLines) {
  if (!edit_) return -1;
  // The expression selected, the editor in front: as the user leaves it before pressing the key.
  const std::string text = memoLines > 0 ? MemoText(memoLines) : std::string(kExpression);
  SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(edit_, EM_SETSEL, 0, -1);
  SetForegroundWindow(main_);
  if (!Until([](HWND m) { return GetForegroundWindow() == m; }, main_, 10000)) return -1;

  quorva::StartedProcess started;
  const double ms = TimeUntil(quorvaExe, L"/now", [&](DWORD) {
    return static_cast<size_t>(SendMessageA(edit_, WM_GETTEXTLENGTH, 0, 0)) != text.size();
  }, started);
  EndProcess(started);
  return ms;
}
