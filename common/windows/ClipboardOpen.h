#pragma once
// The clipboard opened by an owner window for one scope: shared by the clipboard module's files.
// Without an owner, SetClipboardData after EmptyClipboard fails on Windows, so a caller without a
// window gets a hidden one of this thread. A clipboard that another program holds is tried again
// with short pauses; one that stays busy raises 521.
#include <windows.h>

namespace quorva {

// A message-only window of this thread that owns the clipboard for callers without a window;
// destroyed when the thread ends.
HWND ClipboardOwnWindow();

class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner);
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

}  // namespace quorva
