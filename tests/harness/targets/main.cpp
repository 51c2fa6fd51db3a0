// quorva-target.exe: a stand-in for the programs that Quorva reaches only through the clipboard.
// Its text window is not an edit control and answers no edit message: only the keys Ctrl+C,
// Ctrl+V and Ctrl+Z, and typed characters, which go in place of the selection.
//
// Command line:
//   --text TEXT        the text ("\n" in it becomes CR LF)
//   --sel START,END    the selection in characters (default: all of the text)
//   --title TEXT       caption of the main window (default "quorva-target")
//   --copy MODE        how Ctrl+C copies the selection: "prompt" (default); "late" (300 ms after
//                      the key); "twice" (empties the clipboard first, writes the text a moment
//                      later); "newline" (adds CR LF at its end, as a spreadsheet cell does);
//                      "never" (does nothing); "on-release" (when the C key goes up)
//   --paste MODE       how Ctrl+V reads the clipboard: "prompt" (default); "late" (500 ms after
//                      the key); "late-twice" (500 ms after the key, and again a moment later: the
//                      second read goes in); "early" (reads the clipboard at every change, as a
//                      paste button does, and pastes at once); "never" (does nothing)
//   --chaos SEED       modes and timings at random from the seed (Target.h)
// With --copy newline a paste drops one CR LF at its end, as a cell does. Ctrl+Z undoes the last
// paste or typed character (one step). The driver messages are in TargetMessages.h. The window
// comes to the front when it opens; exit code 2 means a bad command line.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "Target.h"
#include "TargetMessages.h"

namespace {

constexpr UINT_PTR kCopyTimer = 1;
constexpr UINT_PTR kSecondWriteTimer = 2;
constexpr UINT_PTR kFirstReadTimer = 3;
constexpr UINT_PTR kSecondReadTimer = 4;
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;
constexpr wchar_t kLineBreak[] = L"\r\n";

struct Target {
  std::wstring text;
  size_t selStart = 0, selEnd = 0;
  qtarget::Behaviour b;
  std::wstring undoText;
  size_t undoStart = 0, undoEnd = 0;
  bool canUndo = false;
  LRESULT reads = 0, copies = 0, menus = 0;
  std::wstring firstRead;
};
Target g;

// As most programs do, a clipboard that a monitor holds for a moment is tried again.
bool Open(HWND window) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(window)) return true;
    Sleep(kOpenPauseMs);
  }
  return false;
}

bool WriteClipboard(HWND window, const std::wstring* text) {
  if (!Open(window)) return false;
  EmptyClipboard();
  if (text) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text->size() + 1) * sizeof(wchar_t));
    if (mem) {
      memcpy(GlobalLock(mem), text->c_str(), (text->size() + 1) * sizeof(wchar_t));
      GlobalUnlock(mem);
      if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
    }
  }
  CloseClipboard();
  return true;
}

std::wstring Selected() { return g.text.substr(g.selStart, g.selEnd - g.selStart); }

void WriteCopy(HWND window) {
  std::wstring copy = Selected();
  if (g.b.copyMode == L"newline") copy += kLineBreak;
  if (WriteClipboard(window, &copy)) ++g.copies;
}

void Copy(HWND window) {
  if (g.b.copyMode == L"never") return;
  if (g.b.copyMode == L"late") {
    SetTimer(window, kCopyTimer, g.b.lateCopyMs, nullptr);
  } else if (g.b.copyMode == L"twice") {
    WriteClipboard(window, nullptr);
    SetTimer(window, kSecondWriteTimer, g.b.secondWriteMs, nullptr);
  } else {
    WriteCopy(window);
  }
}

std::wstring ReadClipboard(HWND window) {
  std::wstring text;
  if (!Open(window)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  ++g.reads;
  return text;
}

void Replace(HWND window, const std::wstring& with) {
  g.undoText = g.text;
  g.undoStart = g.selStart;
  g.undoEnd = g.selEnd;
  g.canUndo = true;
  g.text.replace(g.selStart, g.selEnd - g.selStart, with);
  g.selStart = g.selEnd = g.selStart + with.size();
  InvalidateRect(window, nullptr, TRUE);
}

void PutPaste(HWND window, std::wstring text) {
  if (g.b.copyMode == L"newline" && text.size() >= 2 && text.compare(text.size() - 2, 2, kLineBreak) == 0) {
    text.resize(text.size() - 2);
  }
  Replace(window, text);
}

void Paste(HWND window) {
  if (g.b.pasteMode == L"never") return;
  if (g.b.pasteMode == L"late" || g.b.pasteMode == L"late-twice") {
    SetTimer(window, kFirstReadTimer, g.b.lateReadMs, nullptr);
  } else {
    PutPaste(window, ReadClipboard(window));
  }
}

void Undo(HWND window) {
  if (!g.canUndo) return;
  g.text = g.undoText;
  g.selStart = g.undoStart;
  g.selEnd = g.undoEnd;
  g.canUndo = false;
  InvalidateRect(window, nullptr, TRUE);
}

void OnTimer(HWND window, UINT_PTR id) {
  KillTimer(window, id);
  if (id == kCopyTimer || id == kSecondWriteTimer) WriteCopy(window);
  if (id == kFirstReadTimer && g.b.pasteMode == L"late") PutPaste(window, ReadClipboard(window));
  if (id == kFirstReadTimer && g.b.pasteMode == L"late-twice") {
    g.firstRead = ReadClipboard(window);
    SetTimer(window, kSecondReadTimer, g.b.secondReadMs, nullptr);
  }
  if (id == kSecondReadTimer) PutPaste(window, ReadClipboard(window));
}

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

void OnKey(HWND window, WPARAM key, bool down) {
  if (!CtrlDown()) return;
  const bool copyOnRelease = g.b.copyMode == L"on-release";
  if (key == 'C' && down != copyOnRelease) Copy(window);
  if (key == 'V' && down) Paste(window);
  if (key == 'Z' && down) Undo(window);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT rc;
  GetClientRect(window, &rc);
  DrawTextW(dc, g.text.c_str(), static_cast<int>(g.text.size()), &rc, DT_LEFT | DT_TOP | DT_NOPREFIX);
  EndPaint(window, &ps);
}

LRESULT CALLBACK TextProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN: OnKey(window, wParam, true); return 0;
    case WM_KEYUP: OnKey(window, wParam, false); return 0;
    case WM_CHAR: if (wParam >= L' ') Replace(window, std::wstring(1, static_cast<wchar_t>(wParam))); return 0;
    case WM_TIMER: OnTimer(window, wParam); return 0;
    case WM_PAINT: Paint(window); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(g.text.size());
    case WM_GETTEXT: {
      const size_t n = wParam ? std::min<size_t>(wParam - 1, g.text.size()) : 0;
      if (wParam) g.text.copy(reinterpret_cast<wchar_t*>(lParam), n), reinterpret_cast<wchar_t*>(lParam)[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case qtarget::kReadsMessage: return g.reads;
    case qtarget::kCopiesMessage: return g.copies;
    case qtarget::kMenusMessage: return g.menus;
    case qtarget::kSelectionMessage: return MAKELONG(g.selStart, g.selEnd);
    case qtarget::kNeverMessage: return (g.b.copyMode == L"never" ? 1 : 0) | (g.b.pasteMode == L"never" ? 2 : 0);
    case WM_CLIPBOARDUPDATE: ReadClipboard(window); return 0;  // an early reader
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

LRESULT CALLBACK MainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFOCUS: SetFocus(GetWindow(window, GW_CHILD)); return 0;
    case WM_SYSCOMMAND:
      // A lone Alt (or F10) asks for the menu: counted and not entered, so that no test blocks.
      if ((wParam & 0xFFF0) == SC_KEYMENU) return ++g.menus, 0;
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

std::wstring Unescape(const std::wstring& s) {
  std::wstring out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == L'\\' && i + 1 < s.size() && s[i + 1] == L'n') {
      out += kLineBreak;
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

bool ReadCommandLine(std::wstring& title, bool& selGiven) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i], value = argv[i + 1];
    if (name == L"--text") g.text = Unescape(value);
    else if (name == L"--title") title = value;
    else if (name == L"--copy") g.b.copyMode = value;
    else if (name == L"--paste") g.b.pasteMode = value;
    else if (name == L"--chaos") g.b = qtarget::PickAtRandom(static_cast<unsigned>(_wtoi(value.c_str())));
    else if (name == L"--sel" && swscanf(value.c_str(), L"%zu,%zu", &g.selStart, &g.selEnd) == 2) selGiven = true;
    else return LocalFree(argv), false;
  }
  const bool even = argc % 2 == 1;
  LocalFree(argv);
  return even;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  std::wstring title = L"quorva-target";
  bool selGiven = false;
  if (!ReadCommandLine(title, selGiven)) return 2;
  if (!selGiven) g.selEnd = g.text.size();
  if (g.selStart > g.selEnd || g.selEnd > g.text.size()) return 2;

  WNDCLASSW main = {0, MainProc, 0, 0, instance, nullptr, LoadCursor(nullptr, IDC_ARROW),
                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr, qtarget::kMainClass};
  WNDCLASSW text = {0, TextProc, 0, 0, instance, nullptr, LoadCursor(nullptr, IDC_IBEAM),
                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr, qtarget::kTextClass};
  RegisterClassW(&main);
  RegisterClassW(&text);
  HWND window = CreateWindowExW(0, qtarget::kMainClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480,
                                240, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, qtarget::kTextClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 460, 200, window, nullptr, instance,
                  nullptr);
  if (g.b.pasteMode == L"early") AddClipboardFormatListener(GetWindow(window, GW_CHILD));
  SetForegroundWindow(window);
  SetFocus(GetWindow(window, GW_CHILD));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
