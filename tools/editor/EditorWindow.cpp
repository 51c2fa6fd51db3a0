#include "EditorWindow.h"

#include <algorithm>
#include <memory>

namespace qeditor {
namespace {

constexpr char kEditClass[] = "TEditor";
constexpr wchar_t kMainClass[] = L"QuorvaStandInEditor";

struct EditorState {
  EditorCore core;
  std::wstring file;
  HWND main = nullptr;
  HWND edit = nullptr;
  HFONT font = nullptr;
  int lineHeight = 16;
  int reloads = 0;
  bool quitOnClose = false;
};

EditorState* StateOf(HWND window) {
  return reinterpret_cast<EditorState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void KeepCaretVisible(EditorState& s) {
  RECT rc{};
  GetClientRect(s.edit, &rc);
  const size_t rows = std::max<size_t>(1, static_cast<size_t>((rc.bottom - rc.top) / s.lineHeight));
  const size_t line = static_cast<size_t>(s.core.LineFromChar(static_cast<int64_t>(s.core.Caret())));
  if (line < s.core.TopLine()) s.core.SetTopLine(line);
  if (line >= s.core.TopLine() + rows) s.core.SetTopLine(line - rows + 1);
}

void Changed(EditorState& s) {
  KeepCaretVisible(s);
  InvalidateRect(s.edit, nullptr, TRUE);
}

void CopyToClipboard(EditorState& s) {
  const std::string bytes = s.core.SelectedText();
  if (bytes.empty() || !OpenClipboard(s.edit)) return;
  EmptyClipboard();
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1)) {
    char* p = static_cast<char*>(GlobalLock(mem));
    std::copy(bytes.begin(), bytes.end(), p);
    p[bytes.size()] = '\0';
    GlobalUnlock(mem);
    if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
  }
  CloseClipboard();
}

void PasteFromClipboard(EditorState& s) {
  if (!OpenClipboard(s.edit)) return;
  std::string bytes;
  if (HANDLE mem = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(mem))) {
      bytes.assign(p, strnlen(p, GlobalSize(mem)));
      GlobalUnlock(mem);
    }
  }
  CloseClipboard();
  if (!bytes.empty()) s.core.ReplaceSel(bytes, true);
}

void Reload(EditorState& s) {
  std::string bytes;
  if (s.file.empty() || !ReadFileBytes(s.file, bytes)) return;
  const size_t caret = s.core.Caret();
  s.core.SetText(std::move(bytes));
  s.core.SetSel(static_cast<int64_t>(caret), static_cast<int64_t>(caret));
  ++s.reloads;
  Changed(s);
}

// One line of text with its selected part highlighted; the caret as a bar when nothing is selected.
void PaintLine(HDC dc, const EditorState& s, size_t begin, size_t end, int y) {
  const std::string& t = s.core.Text();
  size_t shown = end;
  while (shown > begin && (t[shown - 1] == '\r' || t[shown - 1] == '\n')) --shown;
  const size_t selA = std::clamp(s.core.SelStart(), begin, shown);
  const size_t selB = std::clamp(s.core.SelEnd(), begin, shown);
  int x = 4;
  const auto draw = [&](size_t a, size_t b, bool selected) {
    if (b <= a) return;
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    TextOutA(dc, x, y, t.data() + a, static_cast<int>(b - a));
    SIZE size{};
    GetTextExtentPoint32A(dc, t.data() + a, static_cast<int>(b - a), &size);
    x += size.cx;
  };
  draw(begin, selA, false);
  const int caretX = x;
  draw(selA, selB, true);
  draw(selB, shown, false);
  const size_t caret = s.core.Caret();
  if (s.core.SelStart() == s.core.SelEnd() && caret >= begin && caret <= shown && (caret < end || end == t.size())) {
    RECT bar{caretX, y, caretX + 2, y + s.lineHeight};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
  }
}

void Paint(HWND window, EditorState& s) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  HGDIOBJ old = SelectObject(dc, s.font);
  const std::string& t = s.core.Text();
  size_t line = 0;
  size_t begin = 0;
  int y = 2;
  while (true) {
    const size_t nl = t.find('\n', begin);
    const size_t end = nl == std::string::npos ? t.size() : nl + 1;
    if (line >= s.core.TopLine()) {
      PaintLine(dc, s, begin, end, y);
      y += s.lineHeight;
      if (y > ps.rcPaint.bottom) break;
    }
    if (nl == std::string::npos) break;
    begin = end;
    ++line;
  }
  SelectObject(dc, old);
  EndPaint(window, &ps);
}

// Typing for a person trying the editor by hand: single-byte characters, Enter, Backspace.
void Type(EditorState& s, WPARAM ch) {
  if (ch == '\b') {
    if (s.core.SelStart() == s.core.SelEnd() && s.core.Caret() > 0) {
      const int64_t c = static_cast<int64_t>(s.core.Caret());
      s.core.SetSel(c - 1, c);
    }
    s.core.Clear();
  } else if (ch == '\r') {
    s.core.ReplaceSel("\r\n", true);
  } else if (ch >= 0x20 && ch < 0x100) {
    s.core.ReplaceSel(std::string(1, static_cast<char>(ch)), true);
  }
  Changed(s);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  EditorState* s = StateOf(window);
  if (s == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  EditorCore& core = s->core;
  switch (message) {
    case WM_GETTEXT: return static_cast<LRESULT>(core.CopyOut(reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(core.Length());
    case WM_SETTEXT: core.SetText(lParam ? reinterpret_cast<const char*>(lParam) : ""); Changed(*s); return TRUE;
    case EM_GETSEL: {
      const size_t a = core.SelStart(), b = core.SelEnd();
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(a);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(b);
      return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(a & 0xFFFF, b & 0xFFFF)));
    }
    case EM_SETSEL: core.SetSel(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam)); Changed(*s); return 0;
    case EM_REPLACESEL:
      core.ReplaceSel(lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
      Changed(*s);
      return 0;
    case WM_CLEAR: core.Clear(); Changed(*s); return 0;
    case WM_CUT: CopyToClipboard(*s); core.Clear(); Changed(*s); return 0;
    case WM_COPY: CopyToClipboard(*s); return 0;
    case WM_PASTE: PasteFromClipboard(*s); Changed(*s); return 0;
    case EM_UNDO: { const bool done = core.Undo(); Changed(*s); return done; }
    case EM_CANUNDO: return core.UndoDepth() > 0;
    case EM_LINEINDEX: return static_cast<LRESULT>(core.LineIndex(static_cast<int32_t>(wParam)));
    case EM_LINEFROMCHAR: return static_cast<LRESULT>(core.LineFromChar(static_cast<int32_t>(wParam)));
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(core.TopLine());
    case EM_GETLINECOUNT: return static_cast<LRESULT>(core.LineCount());
    case kSetLimitMessage: core.SetLimit(static_cast<size_t>(wParam)); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_CHAR: Type(*s, wParam); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_F5) return SendMessageW(s->main, WM_KEYDOWN, wParam, lParam);
      break;
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_PAINT: Paint(window, *s); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  EditorState* s = StateOf(window);
  switch (message) {
    case WM_SIZE:
      if (s && s->edit) MoveWindow(s->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (s && s->edit) SetFocus(s->edit);
      return 0;
    case WM_KEYDOWN:
      if (s && wParam == VK_F5) Reload(*s);
      return 0;
    case WM_DESTROY:
      if (s && s->quitOnClose) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (s) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (s->font) DeleteObject(s->font);
        delete s;
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSA edit{};
    edit.style = CS_HREDRAW | CS_VREDRAW;
    edit.lpfnWndProc = EditProc;
    edit.hInstance = instance;
    edit.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    edit.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    edit.lpszClassName = kEditClass;
    WNDCLASSW main{};
    main.lpfnWndProc = MainProc;
    main.hInstance = instance;
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    main.lpszClassName = kMainClass;
    return RegisterClassA(&edit) != 0 && RegisterClassW(&main) != 0;
  }();
  return registered;
}

}  // namespace

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return ok;
}

HWND CreateEditorWindow(const Options& options) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterClasses(instance)) return nullptr;
  auto state = std::make_unique<EditorState>();
  state->file = options.file;
  state->quitOnClose = options.quitOnClose;
  std::string text = options.text;
  if (text.empty() && !options.file.empty()) ReadFileBytes(options.file, text);
  state->core.SetText(std::move(text));
  state->core.SetGiveLimit(options.giveLimit);
  state->core.SetTakeLimit(options.takeLimit);
  state->core.SetSel(options.selStart, options.selEnd);
  state->core.SetTopLine(options.topLine);
  // A Japanese face with the Shift-JIS character set, so the CP932 bytes draw as they are.
  state->font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
  state->lineHeight = 18;

  HWND main = CreateWindowExW(0, kMainClass, options.title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, options.x,
                              options.y, options.width, options.height, nullptr, nullptr, instance, nullptr);
  if (main == nullptr) return nullptr;
  EditorState* s = state.release();
  s->main = main;
  SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
  RECT rc{};
  GetClientRect(main, &rc);
  // The child's own caption stays empty: FindWindowExA(parent, NULL, "TEditor", "") must match it.
  s->edit = CreateWindowExA(0, kEditClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, rc.right, rc.bottom, main,
                            nullptr, instance, nullptr);
  if (s->edit == nullptr) {
    DestroyWindow(main);
    return nullptr;
  }
  SetWindowLongPtrW(s->edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
  return main;
}

HWND EditorChild(HWND mainWindow) {
  EditorState* s = StateOf(mainWindow);
  return s ? s->edit : nullptr;
}

EditorCore* CoreOf(HWND window) {
  EditorState* s = StateOf(window);
  return s ? &s->core : nullptr;
}

int ReloadCount(HWND mainWindow) {
  EditorState* s = StateOf(mainWindow);
  return s ? s->reloads : 0;
}

}  // namespace qeditor
