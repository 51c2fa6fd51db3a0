#include "ui/Clipboard.h"

#include <cstring>

namespace quorva {

namespace {

// Clipboard viewers and managers hold it for a few milliseconds at a time; a program that keeps
// it open longer than this is reported to the user instead of waited for.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

bool OpenWithRetry(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenPauseMs);
  }
  return false;
}

}  // namespace

bool PutClipboardText(HWND owner, const std::string& ansi) {
  if (!OpenWithRetry(owner)) return false;
  bool ok = false;
  if (EmptyClipboard()) {
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1)) {
      if (void* p = GlobalLock(mem)) {
        std::memcpy(p, ansi.c_str(), ansi.size() + 1);
        GlobalUnlock(mem);
        ok = SetClipboardData(CF_TEXT, mem) != nullptr;
      }
      if (!ok) GlobalFree(mem);  // the clipboard owns it only after success
    }
  }
  CloseClipboard();
  return ok;
}

}  // namespace quorva
