#pragma once
// The clipboard's plain text (CF_TEXT bytes) as a test sets and reads it, and a hold on the
// clipboard from another thread, as another program keeps it open.
#include <windows.h>

#include <string>
#include <thread>

#include "common/windows/Handles.h"

namespace quorva::test {

std::string ClipboardBytes();  // "" when it holds no text, "<clipboard busy>" when it cannot be opened
void SetClipboardBytes(const std::string& bytes);

class ClipboardHold {
 public:
  // Returns once the clipboard is open on the other thread; it stays open until the object goes
  // or, as a clipboard viewer holds it, for forMs milliseconds.
  explicit ClipboardHold(DWORD forMs = INFINITE);
  ~ClipboardHold();  // closes it again
  ClipboardHold(const ClipboardHold&) = delete;
  ClipboardHold& operator=(const ClipboardHold&) = delete;

 private:
  Handle opened_;
  Handle release_;
  std::thread holder_;
};

}  // namespace quorva::test
