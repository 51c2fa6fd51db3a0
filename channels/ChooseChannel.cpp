#include "channels/ChooseChannel.h"

#include "bridge/FindEditor.h"
#include "common/windows/Handles.h"

namespace quorva {
namespace {

constexpr const wchar_t* kTerminalClasses[] = {
    L"ConsoleWindowClass", L"PseudoConsoleWindow", L"CASCADIA_HOSTING_WINDOW_CLASS", L"mintty", L"PuTTY",
    L"KiTTY",              L"VirtualConsoleClass", L"org.wezfurlong.wezterm",
};

// What is in front when no program is: the desktop and the taskbar.
constexpr const wchar_t* kShellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd"};

template <size_t N>
bool OneOf(std::wstring_view name, const wchar_t* const (&names)[N]) {
  for (const wchar_t* n : names) {
    if (!name.empty() && lstrcmpiW(std::wstring(name).c_str(), n) == 0) return true;
  }
  return false;
}

std::wstring ClassOf(HWND window, bool real) {
  if (window == nullptr) return {};
  wchar_t name[256] = {};
  const UINT n = real ? RealGetWindowClassW(window, name, 256) : static_cast<UINT>(GetClassNameW(window, name, 256));
  return std::wstring(name, n);
}

// The mandatory label's level (its SID's last sub-authority), or -1 where it cannot be read.
long IntegrityOf(HANDLE process) {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return -1;
  const Handle token(raw);
  alignas(TOKEN_MANDATORY_LABEL) unsigned char buffer[64] = {};
  DWORD size = 0;
  if (!GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) return -1;
  PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
  if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return -1;
  return static_cast<long>(*GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1));
}

Integrity IntegrityOfWindow(HWND window) {
  DWORD pid = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &pid) == 0) return Integrity::kNotHigher;
  const long ours = IntegrityOf(GetCurrentProcess());
  if (ours < 0) return Integrity::kNotHigher;  // nothing to compare with: as before, not refused
  const Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  const long theirs = process ? IntegrityOf(process.Get()) : -1;
  return theirs < 0 || theirs > ours ? Integrity::kHigher : Integrity::kNotHigher;
}

}  // namespace

ChannelChoice ChooseChannel(const FrontFacts& facts) {
  if (facts.front.empty() || OneOf(facts.front, kShellClasses)) return ChannelChoice::kNone;
  if (OneOf(facts.front, kTerminalClasses) || OneOf(facts.focus, kTerminalClasses)) {
    return ChannelChoice::kRefusedConsole;
  }
  if (facts.integrity == Integrity::kHigher) return ChannelChoice::kRefusedElevated;
  if (!facts.focus.empty() && IsEditClass(facts.focus, facts.focusReal)) return ChannelChoice::kMessage;
  return ChannelChoice::kClipboard;
}

FrontFacts ReadFront(HWND front, HWND focus) {
  FrontFacts facts;
  facts.front = ClassOf(front, false);
  // The bridge's own find first: TeraPad's editor is a child that need not have the focus.
  HWND control = front ? FindEditControl(front) : nullptr;
  if (control == nullptr) control = focus;
  facts.focus = ClassOf(control, false);
  facts.focusReal = ClassOf(control, true);
  facts.integrity = IntegrityOfWindow(front);
  return facts;
}

FrontChoice ChooseFrontChannel() {
  FrontChoice front;
  front.Front = GetForegroundWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (front.Front && GetGUIThreadInfo(GetWindowThreadProcessId(front.Front, nullptr), &info)) {
    front.Focus = info.hwndFocus;
  }
  front.Choice = ChooseChannel(ReadFront(front.Front, front.Focus));
  return front;
}

}  // namespace quorva
