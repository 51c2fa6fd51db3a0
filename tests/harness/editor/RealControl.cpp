#include "RealControl.h"

#include <richedit.h>

#include <string>

namespace qeditor {
namespace {

WNDPROC gBaseProc = nullptr;
bool gUnicode = false;

std::wstring ToWide(const std::string& bytes) {
  std::wstring out(bytes.size(), L'\0');
  out.resize(static_cast<size_t>(
      MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), static_cast<int>(out.size()))));
  return out;
}

// The driver messages, then the control's own procedure.
LRESULT CALLBACK RealProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (EditorState* s = StateOf(GetParent(window))) {
    ++s->received[message];
    switch (message) {
      case kZooOffMessage: return 1;
      case kSetLimitMessage:
      case kAnsweredMessage: return 0;
      case kUndoDepthMessage: return CallWindowProcW(gBaseProc, window, EM_CANUNDO, 0, 0);
      case kReceivedMessage: {
        const auto it = s->received.find(static_cast<UINT>(wParam));
        return it == s->received.end() ? 0 : static_cast<LRESULT>(it->second);
      }
      default: break;
    }
  }
  return gUnicode ? CallWindowProcW(gBaseProc, window, message, wParam, lParam)
                  : CallWindowProcA(gBaseProc, window, message, wParam, lParam);
}

// "TEditor" as a superclass of the system's EDIT, registered once per process.
bool RegisterEditSuperclass(bool unicode) {
  static const bool registered = [unicode] {
    gUnicode = unicode;
    if (unicode) {
      WNDCLASSEXW c{sizeof c};
      if (!GetClassInfoExW(nullptr, L"EDIT", &c)) return false;
      gBaseProc = c.lpfnWndProc;
      c.lpfnWndProc = RealProc;
      c.hInstance = GetModuleHandleW(nullptr);
      c.lpszClassName = L"TEditor";
      return RegisterClassExW(&c) != 0;
    }
    WNDCLASSEXA c{sizeof c};
    if (!GetClassInfoExA(nullptr, "EDIT", &c)) return false;
    gBaseProc = c.lpfnWndProc;
    c.lpfnWndProc = RealProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = "TEditor";
    return RegisterClassExA(&c) != 0;
  }();
  return registered;
}

}  // namespace

bool IsRealKind(const std::wstring& kind) { return kind == L"edit" || kind == L"edit-unicode" || kind == L"richedit"; }

HWND CreateRealControl(HWND main, const Options& o, EditorState& state) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                      ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
  RECT rc{};
  GetClientRect(main, &rc);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND edit = nullptr;
  const bool unicode = o.real != L"edit";
  if (o.real == L"richedit") {
    if (!LoadLibraryW(L"msftedit.dll")) return nullptr;
    edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", style, 0, 0, rc.right, rc.bottom, main, nullptr, instance, nullptr);
    if (edit == nullptr) return nullptr;
    SendMessageW(edit, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO, 0);
    SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    gUnicode = true;
    gBaseProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RealProc)));
  } else {
    if (!RegisterEditSuperclass(unicode)) return nullptr;
    edit = unicode ? CreateWindowExW(0, L"TEditor", L"", style, 0, 0, rc.right, rc.bottom, main, nullptr, instance, nullptr)
                   : CreateWindowExA(0, "TEditor", "", style, 0, 0, rc.right, rc.bottom, main, nullptr, instance, nullptr);
    if (edit == nullptr) return nullptr;
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  }
  state.unicode = unicode;
  state.chars = true;
  if (state.font) SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.Get()), FALSE);
  if (unicode) {
    SetWindowTextW(edit, (o.wideText.empty() ? ToWide(o.text) : o.wideText).c_str());
  } else {
    SetWindowTextA(edit, o.text.c_str());
  }
  SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(o.selStart), static_cast<LPARAM>(o.selEnd));
  return edit;
}

}  // namespace qeditor
