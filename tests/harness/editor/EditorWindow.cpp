#include "EditorWindow.h"

#include <memory>

#include "EditorState.h"
#include "RealControl.h"

namespace qeditor {
namespace {

constexpr char kEditClass[] = "TEditor";
constexpr wchar_t kMainClass[] = L"QuorvaStandInEditor";

void Reload(EditorState& s) {
  std::string bytes;
  if (s.file.empty() || !ReadFileBytes(s.file, bytes)) return;
  const size_t caret = s.core.Caret();
  s.core.SetText(std::move(bytes));
  s.core.SetSel(static_cast<int64_t>(caret), static_cast<int64_t>(caret));
  ++s.reloads;
  Changed(s);
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
        delete s;  // and its font
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainClass(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSW main{};
    main.lpfnWndProc = MainProc;
    main.hInstance = instance;
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    main.lpszClassName = kMainClass;
    return RegisterClassW(&main) != 0;
  }();
  return registered;
}

// A Unicode "TEditor" is registered with the W call, so that the system sees a Unicode window.
bool RegisterUnicodeEditClass(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSW edit{};
    edit.style = CS_HREDRAW | CS_VREDRAW;
    edit.lpfnWndProc = EditProc;
    edit.hInstance = instance;
    edit.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    edit.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    edit.lpszClassName = L"TEditor";
    return RegisterClassW(&edit) != 0;
  }();
  return registered;
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
    return RegisterClassA(&edit) != 0;
  }();
  return registered;
}

}  // namespace

EditorState* StateOf(HWND window) {
  return reinterpret_cast<EditorState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
  const quorva::Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
  return ok;
}

namespace {

constexpr int kLineHeight = 18;  // pixels, for the 15-pixel face below

std::unique_ptr<EditorState> StateFor(const Options& options) {
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
  state->zoo = options.zoo;
  state->unicode = options.unicode;
  state->chars = options.unitChars || options.unicode;
  state->closeAfter = CloseAfter(options.zoo.closeAfter);
  if (options.chaos >= 0) state->chaos.emplace(static_cast<uint64_t>(options.chaos));
  // A Japanese face with the Shift-JIS character set, so the CP932 bytes draw as they are.
  state->font = quorva::Font(CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック"));
  state->lineHeight = kLineHeight;
  return state;
}

// The child's own caption stays empty: FindWindowExA(parent, NULL, "TEditor", "") must match it.
HWND CreateEditChild(HWND main, const Options& options, EditorState& s) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RECT rc{};
  GetClientRect(main, &rc);
  if (!options.real.empty()) {
    Options withText = options;
    withText.text = s.core.Text();  // from the file, where there was no --text
    return CreateRealControl(main, withText, s);
  }
  if (options.unicode) {
    return CreateWindowExW(0, L"TEditor", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, rc.right, rc.bottom, main,
                           nullptr, instance, nullptr);
  }
  return CreateWindowExA(0, kEditClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, rc.right, rc.bottom, main,
                         nullptr, instance, nullptr);
}

}  // namespace

HWND CreateEditorWindow(const Options& options) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMainClass(instance)) return nullptr;
  const bool real = !options.real.empty();
  if (!real && !(options.unicode ? RegisterUnicodeEditClass(instance) : RegisterClasses(instance))) return nullptr;
  auto state = StateFor(options);
  quorva::OwnedWindow main(CreateWindowExW(0, kMainClass, options.title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                           options.x, options.y, options.width, options.height, nullptr, nullptr,
                                           instance, nullptr));
  if (!main) return nullptr;
  // From here the window owns the state: its WM_NCDESTROY deletes it.
  EditorState* s = state.release();
  s->main = main.Get();
  SetWindowLongPtrW(main.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
  s->edit = CreateEditChild(main.Get(), options, *s);
  if (s->edit == nullptr) return nullptr;
  if (!real) SetWindowLongPtrW(s->edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
  return main.Release();
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
