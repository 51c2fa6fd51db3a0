#include "tests/harness/support/Processes.h"

#include <vector>

#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

constexpr DWORD kEndDeadlineMs = 5000;  // for a process ended from outside to be gone

}  // namespace

std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

Process::~Process() {
  if (Running()) {
    TerminateProcess(started_.process.Get(), 1);
    WaitForSingleObject(started_.process.Get(), kEndDeadlineMs);
  }
}

bool Process::Start(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  std::vector<wchar_t> buf(commandLine.begin(), commandLine.end());
  buf.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  // Under Wine on a busy machine starting a process can fail now and then (seen with a parallel
  // build beside the suite): it is tried again until it starts or the deadline passes.
  startError_ = 0;
  return WaitUntil([&] {
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info)) {
      started_ = StartedProcess(info);
      return true;
    }
    startError_ = GetLastError();
    return false;
  }, 10000, [] {});  // nothing of this thread's is dispatched while it waits
}

bool Process::WaitForExit(DWORD timeoutMs) { return WaitForSingleObject(started_.process.Get(), timeoutMs) == WAIT_OBJECT_0; }

bool Process::WaitForInputIdle(DWORD timeoutMs) { return ::WaitForInputIdle(started_.process.Get(), timeoutMs) == 0; }

bool Process::Running() const { return started_.process.Get() && WaitForSingleObject(started_.process.Get(), 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(started_.process.Get(), &code);
  return code;
}

HWND Process::FindWindowOf(const std::wstring& title) const {
  struct Search {
    DWORD pid;
    const std::wstring* title;
    HWND found;
  } search{started_.id, &title, nullptr};
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

HWND Process::FindMessageBox() const {
  struct Search {
    DWORD pid;
    HWND found;
  } search{started_.id, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        wchar_t cls[16] = {};
        GetClassNameW(h, cls, 16);
        if (pid != s->pid || !IsWindowVisible(h) || std::wstring(cls) != L"#32770") return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

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

}  // namespace quorva::test
