#include "ui/app/Resident.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "common/windows/Handles.h"
#include "engine/Calculate.h"
#include "ui/app/Notices.h"
#include "ui/app/ResidentNotices.h"
#include "ui/app/RunHistory.h"
#include "ui/app/ShellCalls.h"
#include "ui/app/StartupShortcut.h"
#include "ui/window/resource.h"

namespace quorva {
namespace {

static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT && kModWin == MOD_WIN);
static_assert(kKeySpace == VK_SPACE && kKeyPageUp == VK_PRIOR && kKeyPageDown == VK_NEXT && kKeyEnd == VK_END &&
              kKeyHome == VK_HOME && kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT &&
              kKeyDown == VK_DOWN && kKeyInsert == VK_INSERT && kKeyDelete == VK_DELETE && kKeyPause == VK_PAUSE &&
              kKeyF1 == VK_F1 && kKeyF24 == VK_F24);

constexpr wchar_t kInstanceMutex[] = L"Local\\QuorvaResident";
constexpr int kHotKeyId = 1;
constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_APP + 0x51;

// What the window procedure works with: the run's options and what it has set up.
struct Resident {
  StartOptions options;
  std::wstring arguments;  // the command line after the program's name, for the Startup shortcut
  HWND window = nullptr;
  bool working = false;  // a press is being worked (its notice's message loop lets others in)
  std::unique_ptr<History> history;  // opened at the first press that answers
};

std::wstring ArgumentsOf(const wchar_t* commandLine) {
  std::wstring_view line(commandLine);
  size_t i = 0;
  if (!line.empty() && line[0] == L'"') {
    i = line.find(L'"', 1);
    i = i == std::wstring_view::npos ? line.size() : i + 1;
  } else {
    while (i < line.size() && line[i] != L' ' && line[i] != L'\t') ++i;
  }
  while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
  return std::wstring(line.substr(i));
}

NOTIFYICONDATAW IconData(const Resident& resident) {
  NOTIFYICONDATAW icon = {};
  icon.cbSize = sizeof icon;
  icon.hWnd = resident.window;
  icon.uID = kIconId;
  icon.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  icon.uCallbackMessage = kIconMessage;
  icon.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORVA));
  if (icon.hIcon == nullptr) icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  const std::wstring tip = ToWide(kAppTitle) + L"  " + resident.options.Resident->Text;
  lstrcpynW(icon.szTip, tip.c_str(), static_cast<int>(std::size(icon.szTip)));
  return icon;
}

void ShowMenu(const Resident& resident) {
  const Menu menu(CreatePopupMenu());
  AppendMenuW(menu.Get(), MF_STRING | (StartsWithWindows() ? MF_CHECKED : 0), kStartWithWindowsCommand,
              kStartWithWindowsItem);
  AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.Get(), MF_STRING, kQuitCommand, kQuitItem);
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(resident.window);  // so that the menu closes when the user clicks elsewhere
  TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, resident.window, nullptr);
}

// A press while one is worked is dropped: its keys would go into the middle of the other's.
LRESULT OnPress(Resident& resident) {
  if (resident.working) return 0;
  resident.working = true;
  struct Done {
    bool& working;
    ~Done() { working = false; }
  } done{resident.working};
  WorkInPlaceAtPress(resident.options, [&]() -> History& {
    return OpenRunHistory(resident.history, resident.options.NoHistory);
  });
  return 0;
}

LRESULT OnCommand(Resident& resident, UINT command) {
  if (command == kQuitCommand) DestroyWindow(resident.window);
  if (command == kStartWithWindowsCommand) SetStartWithWindows(!StartsWithWindows(), resident.arguments);
  return 0;
}

LRESULT OnMessage(Resident& resident, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_HOTKEY: return OnPress(resident);
    case WM_COMMAND: return OnCommand(resident, LOWORD(wParam));
    case kIconMessage:
      if (LOWORD(lParam) == WM_RBUTTONUP || LOWORD(lParam) == WM_CONTEXTMENU) ShowMenu(resident);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

LRESULT CALLBACK ResidentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* resident = reinterpret_cast<Resident*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (resident == nullptr || msg == WM_NCCREATE) return DefWindowProcW(window, msg, wParam, lParam);
  return AtBoundary([&] { return OnMessage(*resident, window, msg, wParam, lParam); }, [] { return LRESULT(0); });
}

// A window that is never shown: the hot key, the icon and its menu talk to it.
OwnedWindow CreateResidentWindow(Resident& resident) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ResidentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kResidentClass;
  RegisterClassW(&wc);
  return OwnedWindow(CreateWindowExW(WS_EX_TOOLWINDOW, kResidentClass, L"Quorva", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, wc.hInstance, &resident));
}

int RunLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int RunResident(const StartOptions& options) {
  Handle instance(CreateMutexW(nullptr, FALSE, kInstanceMutex));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    ShowNotice(kResidentRunningNotice);
    return 1;
  }
  Resident resident;
  resident.options = options;
  resident.arguments = ArgumentsOf(GetCommandLineW());
  OwnedWindow window = CreateResidentWindow(resident);
  resident.window = window.Get();
  if (!window) return 1;
  if (!RegisterHotKey(resident.window, kHotKeyId, options.Resident->Modifiers | MOD_NOREPEAT, options.Resident->Key)) {
    ShowNotice(std::u16string(kHotKeyTakenNotice) + u"\r\r" + FromWide(options.Resident->Text));
    return 1;
  }
  NOTIFYICONDATAW icon = IconData(resident);
  const ShellCalls& shell = Shell();  // COM too, for the Startup shortcut
  if (shell.NotifyIcon) shell.NotifyIcon(NIM_ADD, &icon);
  const int code = RunLoop();
  if (shell.NotifyIcon) shell.NotifyIcon(NIM_DELETE, &icon);
  UnregisterHotKey(resident.window, kHotKeyId);
  return code;
}

}  // namespace quorva
