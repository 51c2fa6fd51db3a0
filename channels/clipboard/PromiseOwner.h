#pragma once
// The window that owns the answer on the clipboard: it promises the text (delayed rendering) and
// hands it out when a program reads it, counting the reads, so that the channel knows when the
// target has taken the paste.
#include <windows.h>

#include <string>

#include "common/windows/Handles.h"

namespace quorva {

class PromiseOwner {
 public:
  // A message-only window of this thread. Only reads from a window of process (the target's) are
  // served and counted, and those of a program that opened the clipboard without a window, which
  // cannot be told apart.
  explicit PromiseOwner(DWORD process);
  ~PromiseOwner();
  PromiseOwner(const PromiseOwner&) = delete;
  PromiseOwner& operator=(const PromiseOwner&) = delete;

  HWND Window() const { return window_.Get(); }
  bool OwnsClipboard() const { return window_ && GetClipboardOwner() == window_.Get(); }
  // Empties the clipboard and promises text on it (raises 521 when it stays busy).
  void Promise(const std::wstring& text);
  // Puts every promised format on the clipboard for good, while it is still ours: for an answer
  // left there when this window goes.
  void RenderAll();
  // The promise is over (the clipboard goes back to the user): nothing more is rendered, not even
  // when this window goes.
  void Withdraw() { promised_ = false; }
  int Reads() const { return reads_; }  // the target's reads since the promise

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  OwnedWindow window_;
  DWORD process_;
  std::wstring text_;
  int reads_ = 0;
  bool promised_ = false;
};

}  // namespace quorva
