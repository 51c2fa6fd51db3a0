#include "tests/harness/support/ClipboardText.h"

#include "common/windows/Clipboard.h"
#include "shared/RuntimeError.h"

namespace quorva::test {

// Through the program's own clipboard module: a test reads what the program wrote the way the
// program reads it, and a busy clipboard shows as a value the test can compare.
std::string ClipboardBytes() {
  try {
    return ReadClipboardAnsi();
  } catch (const RuntimeError&) {
    return "<clipboard busy>";
  }
}

// A clipboard that cannot be filled fails the test that wanted it filled (the error escapes).
void SetClipboardBytes(const std::string& bytes) { WriteClipboardAnsi(bytes); }

ClipboardHold::ClipboardHold(DWORD forMs)
    : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  holder_ = std::thread([this, forMs] {
    const bool open = OpenClipboard(nullptr) != FALSE;
    SetEvent(opened_.Get());
    WaitForSingleObject(release_.Get(), forMs);
    if (open) CloseClipboard();
  });
  WaitForSingleObject(opened_.Get(), INFINITE);
}

ClipboardHold::~ClipboardHold() {
  SetEvent(release_.Get());
  holder_.join();
}

}  // namespace quorva::test
