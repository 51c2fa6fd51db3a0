// MessageBoxIndirectW as the program's message box. A box with MB_HELP gets a help callback, so
// that Help and F1 open the help file at the topic without a window of ours handling WM_HELP.
#include "common/SystemMessageBox.h"

#include <windows.h>

#include <cwctype>

#include "common/Ansi.h"
#include "engine/MessageBox.h"

namespace quorva {
namespace {

// The box is modal on the one UI thread, so the callback finds its file here.
thread_local std::wstring tHelpFile;
HelpOpener gOpener = OpenHelpTopic;

void CALLBACK OnHelp(LPHELPINFO info) {
  if (gOpener) gOpener(tHelpFile, static_cast<uint32_t>(info->dwContextId));
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
  if ((request.Style & MB_HELP) != 0 && !request.HelpFile.empty()) {
    tHelpFile = ToWide(request.HelpFile);
    params.dwContextHelpId = static_cast<DWORD_PTR>(static_cast<uint32_t>(request.HelpContext));
    params.lpfnMsgBoxCallback = OnHelp;
  }
  const int answer = MessageBoxIndirectW(&params);
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
