#include "common/Clipboard.h"

#include <cstring>
#include <new>

#include "engine/RuntimeError.h"

namespace quorva {
namespace {

// Clipboard viewers and managers hold it for a few milliseconds at a time; a program that keeps
// it open longer than this is reported instead of waited for.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

// A message-only window of this thread that owns the clipboard for callers without a window.
HWND OwnWindow() {
  thread_local HWND window = nullptr;
  if (window == nullptr || !IsWindow(window)) {
    window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  return window;
}

class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    if (owner == nullptr) owner = OwnWindow();
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(kOpenPauseMs);
    }
    Raise(kClipboardBusy);
  }
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

}  // namespace

std::string ReadClipboardAnsi(HWND owner) {
  OpenClipboardScope open(owner);
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return {};
  const char* p = static_cast<const char*>(GlobalLock(data));
  if (p == nullptr) return {};
  std::string bytes;
  try {
    bytes.assign(p, strnlen(p, GlobalSize(data)));
  } catch (...) {
    GlobalUnlock(data);
    throw;
  }
  GlobalUnlock(data);
  return bytes;
}

void WriteClipboardAnsi(const std::string& bytes, HWND owner) {
  // The memory first: running out of it must not leave the clipboard emptied.
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  if (mem == nullptr) throw std::bad_alloc();
  char* p = static_cast<char*>(GlobalLock(mem));
  std::memcpy(p, bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(mem);
  try {
    OpenClipboardScope open(owner);
    if (EmptyClipboard() && SetClipboardData(CF_TEXT, mem) != nullptr) return;  // the clipboard owns it now
  } catch (...) {
    GlobalFree(mem);
    throw;
  }
  GlobalFree(mem);
  Raise(kClipboardBusy);
}

}  // namespace quorva
