#include "tests/harness/support/ClipboardText.h"

#include <cstring>

namespace quorva::test {

std::string ClipboardBytes() {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      bytes = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return bytes;
}

void SetClipboardBytes(const std::string& bytes) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  std::memcpy(GlobalLock(mem), bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(mem);
  SetClipboardData(CF_TEXT, mem);
  CloseClipboard();
}

ClipboardHold::ClipboardHold(DWORD forMs)
    : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  holder_ = std::thread([this, forMs] {
    const bool open = OpenClipboard(nullptr) != FALSE;
    SetEvent(opened_);
    WaitForSingleObject(release_, forMs);
    if (open) CloseClipboard();
  });
  WaitForSingleObject(opened_, INFINITE);
}

ClipboardHold::~ClipboardHold() {
  SetEvent(release_);
  holder_.join();
  CloseHandle(opened_);
  CloseHandle(release_);
}

}  // namespace quorva::test
