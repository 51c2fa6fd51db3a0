// MessageBoxIndirectW as the program's message box. A box with MB_HELP gets a help callback, so
// that Help and F1 open the help file at the topic without a window of ours handling WM_HELP.
#include "common/windows/SystemMessageBox.h"

#include <windows.h>

#include <cwctype>

#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "common/windows/Handles.h"
#include "shared/MessageBox.h"

namespace quorva {
namespace {

// The engine names the few styles and answers it uses without the system's header.
static_assert(kMbOk == MB_OK && kMbIconHand == MB_ICONHAND && kMbIconExclamation == MB_ICONEXCLAMATION &&
              kMbHelp == MB_HELP && kIdOk == IDOK);

// The box is modal on the one UI thread, so the callback finds its file here.
thread_local std::wstring tHelpFile;
HelpOpener gOpener = OpenHelpTopic;

thread_local DWORD_PTR tHelpTopic = 0;
thread_local Hook* tHook = nullptr;  // the hook of the box being shown, while it watches
thread_local WNDPROC tBoxProc = nullptr;

void CALLBACK OnHelp(LPHELPINFO info) {
  AtBoundary([&] { if (gOpener) gOpener(tHelpFile, static_cast<uint32_t>(info->dwContextId)); }, [] {});
}

// Wine's box ignores its Help button (Windows turns the click into WM_HELP), so the click is
// answered here as Windows would: the same help request as F1.
LRESULT BoxMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDHELP) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = box;
    info.dwContextId = tHelpTopic;
    GetCursorPos(&info.MousePos);
    OnHelp(&info);
    return 0;
  }
  return CallWindowProcW(tBoxProc, box, message, wParam, lParam);
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtBoundary([&] { return BoxMessage(box, message, wParam, lParam); },
                    [&] { return CallWindowProcW(tBoxProc, box, message, wParam, lParam); });
}

// Catches the box as it is activated, before the user can press anything.
LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
  const HHOOK hook = tHook ? tHook->Get() : nullptr;
  AtBoundary(
      [&] {
        if (code != HCBT_ACTIVATE || !tHook) return;
        tBoxProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(reinterpret_cast<HWND>(wParam), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
        tHook->Reset();  // one box is all it waits for
      },
      [] {});
  return CallNextHookEx(hook, code, wParam, lParam);
}

bool EndsWithChm(const std::wstring& file) {
  if (file.size() < 4) return false;
  std::wstring tail = file.substr(file.size() - 4);
  for (auto& c : tail) c = static_cast<wchar_t>(std::towlower(c));
  return tail == L".chm";
}

int ShowSystemBox(const MessageBoxRequest& request) {
  const std::wstring text = ToWide(request.Text);
  const std::wstring caption = ToWide(request.Caption);
  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = GetActiveWindow();
  params.hInstance = GetModuleHandleW(nullptr);
  params.lpszText = text.c_str();
  params.lpszCaption = caption.c_str();
  params.dwStyle = request.Style;
  const std::wstring previous = tHelpFile;
  Hook hook;
  Hook* const outer = tHook;
  if ((request.Style & MB_HELP) != 0 && !request.HelpFile.empty()) {
    tHelpFile = ToWide(request.HelpFile);
    params.dwContextHelpId = static_cast<DWORD_PTR>(static_cast<uint32_t>(request.HelpContext));
    params.lpfnMsgBoxCallback = OnHelp;
    tHelpTopic = params.dwContextHelpId;
    hook.Reset(SetWindowsHookExW(WH_CBT, WatchForBox, nullptr, GetCurrentThreadId()));
    tHook = &hook;
  }
  const int answer = MessageBoxIndirectW(&params);
  tHook = outer;
  tHelpFile = previous;
  return answer;
}

}  // namespace

void InstallSystemMessageBox() { SetMessageBoxHandler(ShowSystemBox); }

void OpenHelpTopic(const std::wstring& helpFile, uint32_t topic) {
  if (helpFile.empty()) return;
  if (EndsWithChm(helpFile)) {
    // HTML Help is not part of user32; load it only when someone asks for help.
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    constexpr UINT kHhHelpContext = 0x000F;
    static HMODULE module = LoadLibraryW(L"hhctrl.ocx");
    if (module == nullptr) return;
    const auto htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")));
    if (htmlHelp != nullptr) htmlHelp(GetDesktopWindow(), helpFile.c_str(), kHhHelpContext, topic);
    return;
  }
  WinHelpW(GetDesktopWindow(), helpFile.c_str(), HELP_CONTEXT, topic);
}

HelpOpener SetHelpOpener(HelpOpener opener) {
  HelpOpener old = std::move(gOpener);
  gOpener = std::move(opener);
  return old;
}

}  // namespace quorva
