#include "channels/clipboard/PromiseOwner.h"

#include "common/windows/Boundary.h"
#include "common/windows/Clipboard.h"

namespace quorva {
namespace {

constexpr wchar_t kClassName[] = L"QuorvaAnswerOwner";

ATOM RegisterOnce(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc);
  }();
  return atom;
}

// Whether the program that reads now is the target (a clipboard monitor reading is not a paste).
bool ReadByProcess(DWORD process) {
  HWND reader = GetOpenClipboardWindow();
  if (reader == nullptr) return true;
  DWORD id = 0;
  GetWindowThreadProcessId(reader, &id);
  return id == process;
}

}  // namespace

PromiseOwner::PromiseOwner(DWORD process) : process_(process) {
  RegisterOnce(Proc);
  window_ = OwnedWindow(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), this));
}

PromiseOwner::~PromiseOwner() {
  // The window goes first, while this object can still answer what its going asks.
  window_.Reset();
}

void PromiseOwner::Promise(const std::wstring& text) {
  text_ = text;
  reads_ = 0;
  promised_ = true;
  PromiseText(window_.Get());
}

void PromiseOwner::RenderAll() {
  if (promised_ && OwnsClipboard()) RenderAllPromisedText(window_.Get(), text_);
}

LRESULT CALLBACK PromiseOwner::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<PromiseOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || msg == WM_NCCREATE) return DefWindowProcW(window, msg, wParam, lParam);
  return AtBoundary([&] { return self->OnMessage(window, msg, wParam, lParam); }, [] { return LRESULT(0); });
}

LRESULT PromiseOwner::OnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_RENDERFORMAT:
      // Only the target is served: a clipboard monitor that reads it gets nothing, and the promise
      // stays, so that the target's own read still comes here.
      if (!promised_ || !ReadByProcess(process_)) return 0;
      ++reads_;
      RenderPromisedText(static_cast<UINT>(wParam), text_);
      return 0;
    case WM_RENDERALLFORMATS:
      if (promised_) RenderAllPromisedText(window, text_);
      return 0;
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
  }
}

}  // namespace quorva
