#include "common/windows/Clipboard.h"

#include <cstring>
#include <new>

#include "common/windows/ClipboardOpen.h"
#include "common/windows/Handles.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

// Clipboard viewers and managers hold it for a few milliseconds at a time; a program that keeps
// it open longer than this is reported instead of waited for.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

}  // namespace

HWND ClipboardOwnWindow() {
  thread_local OwnedWindow window;
  if (!window || !IsWindow(window.Get())) {
    window = OwnedWindow(
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  return window.Get();
}

OpenClipboardScope::OpenClipboardScope(HWND owner) {
  if (owner == nullptr) owner = ClipboardOwnWindow();
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return;
    Sleep(kOpenPauseMs);
  }
  Raise(kClipboardBusy);
}

std::string ReadClipboardAnsi(HWND owner) {
  OpenClipboardScope open(owner);
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return {};
  const Locked<const char> text(data);
  if (text.Data() == nullptr) return {};
  return std::string(text.Data(), strnlen(text.Data(), GlobalSize(data)));
}

void WriteClipboardAnsi(const std::string& bytes, HWND owner) {
  // The memory first: running out of it must not leave the clipboard emptied.
  GlobalMemory mem(GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1));
  if (!mem) throw std::bad_alloc();
  {
    const Locked<char> p(mem.Get());
    std::memcpy(p.Data(), bytes.c_str(), bytes.size() + 1);
  }
  OpenClipboardScope open(owner);
  if (EmptyClipboard() && SetClipboardData(CF_TEXT, mem.Get()) != nullptr) {
    mem.Release();  // the clipboard owns it now
    return;
  }
  Raise(kClipboardBusy);
}

std::optional<std::wstring> ReadClipboardText(HWND owner) {
  OpenClipboardScope open(owner);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const Locked<const wchar_t> text(data);
  if (text.Data() == nullptr) return std::nullopt;
  return std::wstring(text.Data(), wcsnlen(text.Data(), GlobalSize(data) / sizeof(wchar_t)));
}

}  // namespace quorva
