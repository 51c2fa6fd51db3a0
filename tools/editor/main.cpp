// quorva-editor.exe: a stand-in for the outside text editor, so that Quorva can be tried and
// tested on a machine without it. Its main window holds a direct child of window class "TEditor"
// that keeps the text as CP932 bytes and answers the edit messages in byte positions.
//
// Command line (every option is optional):
//   --text TEXT        initial text, as typed on the command line (UTF-8 on Linux); "\n" in it
//                      becomes a line break (CR LF), "\\" a backslash
//   --file PATH        a file of raw CP932 bytes: its content is the initial text unless --text is
//                      given, and F5 (a key-down posted to the main window) reloads it
//   --sel START[,END]  initial selection in byte positions (default 0: caret at the start);
//                      END -1 means the end of the text
//   --limit N          hand out (WM_GETTEXT) and take (EM_REPLACESEL, WM_PASTE) at most N bytes
//                      per message; 0 (default) means no limit
//   --give-limit N     the limit for handing out only; --take-limit N for taking only
//                      (Wine answers a WM_GETTEXTLENGTH from another process through WM_GETTEXT,
//                      so across processes under Wine a give limit also shortens the length)
//   --top LINE         first visible line (0-based)
//   --title TEXT       caption of the main window (default "quorva-editor")
//   --pos X,Y,W,H      position and size of the main window
// The window comes to the foreground when it opens. Exit code 2 means a bad command line.
// A test driver finds the main window by its title (window class "QuorvaStandInEditor"), the
// editor with FindWindowEx(main, NULL, "TEditor", NULL), reads the text with WM_GETTEXTLENGTH and
// WM_GETTEXT, and can lift the byte limit by sending WM_APP + 1 (wParam: the new limit, 0 for
// none) to the "TEditor" window. WM_CLOSE to the main window ends the program.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "EditorWindow.h"

namespace {

std::string ToCp932(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Unescape(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && i + 1 < text.size() && (text[i + 1] == L'n' || text[i + 1] == L'\\')) {
      out += text[++i] == L'n' ? L"\r\n" : L"\\";
    } else {
      out += text[i];
    }
  }
  return out;
}

bool ParseNumbers(const std::wstring& text, std::vector<long long>& numbers) {
  numbers.clear();
  size_t i = 0;
  while (i <= text.size()) {
    size_t used = 0;
    try {
      numbers.push_back(std::stoll(text.substr(i), &used));
    } catch (...) {
      return false;
    }
    i += used;
    if (i == text.size()) return true;
    if (text[i] != L',') return false;
    ++i;
  }
  return false;
}

bool Parse(int argc, wchar_t** argv, qeditor::Options& o) {
  std::vector<long long> n;
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (i + 1 >= argc) return false;
    const std::wstring value = argv[++i];
    if (name == L"--text") {
      o.text = ToCp932(Unescape(value));
    } else if (name == L"--file") {
      o.file = value;
    } else if (name == L"--sel" && ParseNumbers(value, n) && n.size() <= 2) {
      o.selStart = n[0];
      o.selEnd = n.size() == 2 ? n[1] : n[0];
    } else if ((name == L"--limit" || name == L"--give-limit" || name == L"--take-limit") && ParseNumbers(value, n) &&
               n.size() == 1 && n[0] >= 0) {
      if (name != L"--take-limit") o.giveLimit = static_cast<size_t>(n[0]);
      if (name != L"--give-limit") o.takeLimit = static_cast<size_t>(n[0]);
    } else if (name == L"--top" && ParseNumbers(value, n) && n.size() == 1 && n[0] >= 0) {
      o.topLine = static_cast<size_t>(n[0]);
    } else if (name == L"--title") {
      o.title = value;
    } else if (name == L"--pos" && ParseNumbers(value, n) && n.size() == 4) {
      o.x = static_cast<int>(n[0]), o.y = static_cast<int>(n[1]);
      o.width = static_cast<int>(n[2]), o.height = static_cast<int>(n[3]);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  qeditor::Options options;
  options.quitOnClose = true;
  const bool ok = argv != nullptr && Parse(argc, argv, options);
  LocalFree(argv);
  if (!ok) {
    MessageBoxW(nullptr,
                L"quorva-editor [--text TEXT] [--file PATH] [--sel START[,END]] [--limit N] [--give-limit N] "
                L"[--take-limit N] [--top LINE] "
                L"[--title TEXT] [--pos X,Y,W,H]",
                L"quorva-editor", MB_ICONERROR);
    return 2;
  }
  HWND main = qeditor::CreateEditorWindow(options);
  if (main == nullptr) return 1;
  ShowWindow(main, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(main);
  SetForegroundWindow(main);
  SetFocus(qeditor::EditorChild(main));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
