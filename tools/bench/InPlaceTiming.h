#pragma once
// Time from launching `quorva.exe /now` to the editor's text changed, against the stand-in editor.
#include <windows.h>

#include <string>

class InPlaceTimer {
 public:
  // Starts the stand-in editor with an expression to select; Ready() says whether it opened.
  explicit InPlaceTimer(const std::wstring& editorExe);
  ~InPlaceTimer();
  InPlaceTimer(const InPlaceTimer&) = delete;
  InPlaceTimer& operator=(const InPlaceTimer&) = delete;
  bool Ready() const { return edit_ != nullptr; }

  // Milliseconds from CreateProcess to the editor holding the answer; -1 on failure.
  double Measure(const std::wstring& quorvaExe);

 private:
  PROCESS_INFORMATION editor_ = {};
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};
