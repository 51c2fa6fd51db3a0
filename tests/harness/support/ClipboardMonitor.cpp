#include "tests/harness/support/ClipboardMonitor.h"

namespace quorva::test {
namespace {

LRESULT CALLBACK MonitorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLIPBOARDUPDATE) {
    reinterpret_cast<void (*)(void*, HWND)>(GetWindowLongPtrW(window, 0))(
        reinterpret_cast<void*>(GetWindowLongPtrW(window, sizeof(LONG_PTR))), window);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

ClipboardMonitor::ClipboardMonitor(bool polite) : polite_(polite), ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  runner_ = std::thread([this] { Run(); });
  WaitForSingleObject(ready_, INFINITE);
}

ClipboardMonitor::~ClipboardMonitor() {
  PostThreadMessageW(thread_, WM_QUIT, 0, 0);
  runner_.join();
  CloseHandle(ready_);
}

std::vector<std::wstring> ClipboardMonitor::Seen() {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

void ClipboardMonitor::Run() {
  thread_ = GetCurrentThreadId();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = MonitorProc;
  wc.cbWndExtra = 2 * sizeof(LONG_PTR);
  wc.lpszClassName = L"QuorvaTestClipboardMonitor";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(+[](void* self, HWND w) {
                      static_cast<ClipboardMonitor*>(self)->OnChange(w);
                    }));
  SetWindowLongPtrW(window, sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(this));
  AddClipboardFormatListener(window);
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before anyone posts
  SetEvent(ready_);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  RemoveClipboardFormatListener(window);
  DestroyWindow(window);
}

void ClipboardMonitor::OnChange(HWND window) {
  static const UINT exclusion = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
  if (!OpenClipboard(window)) return;
  if (!(polite_ && IsClipboardFormatAvailable(exclusion))) {
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(text);
        GlobalUnlock(data);
      }
    }
  }
  CloseClipboard();
}

}  // namespace quorva::test
