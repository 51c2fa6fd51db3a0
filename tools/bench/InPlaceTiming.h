#pragma once
// Time from launching `quorva.exe /now` to the editor's text changed, against the stand-in editor.
#include <windows.h>

#include <functional>
#include <string>

#include "common/windows/Handles.h"

// Starts `exe arguments` and returns the milliseconds until done(process id) holds, polled every
// millisecond for at most 20 s; -1 when it did not start or done() never held. The process is
// the caller's through started.
double TimeUntil(const std::wstring& exe, const std::wstring& arguments, const std::function<bool(DWORD)>& done,
                 quorva::StartedProcess& started);
// Waits up to 10 s for a started process to end (then ends it) and gives its handles back.
void EndProcess(quorva::StartedProcess& started);

class InPlaceTimer {
 public:
  // Starts the stand-in editor with an expression to select; Ready() says whether it opened.
  explicit InPlaceTimer(const std::wstring& editorExe);
  ~InPlaceTimer();
  InPlaceTimer(const InPlaceTimer&) = delete;
  InPlaceTimer& operator=(const InPlaceTimer&) = delete;
  bool Ready() const { return edit_ != nullptr; }

  // Milliseconds from CreateProcess to the editor holding the answer; -1 on failure. The
  // selection is one expression, or with memoLines a memo of that many lines (labels, amounts,
  // a subtotal every ten lines and a total) in code page 932.
  double Measure(const std::wstring& quorvaExe, int memoLines = 0);

 private:
  quorva::StartedProcess editor_;
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};
