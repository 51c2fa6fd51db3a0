#pragma once
// The one rule at every place where the system calls into the program (WinMain, window and
// subclass procedures, hooks, callbacks): nothing crosses back into the system. A run-time error
// is reported as it is, running out of memory as error 7, anything else as an internal error
// (51); then the system gets the boundary's fallback answer and the program goes on.
#include <utility>

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>
#endif

namespace quorva {

// Reports the exception being handled; call it only inside a catch. Never throws. A failure that
// arrives while a boundary's report is showing is not shown again: it is the same failure coming
// back through the report box's own message loop.
void ReportEscaped() noexcept;

// Runs body; if anything escapes it, reports it and answers with fallback() instead.
template <class Body, class Fallback>
auto AtBoundary(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    ReportEscaped();
  }
  try {
    return std::forward<Fallback>(fallback)();
  } catch (...) {
    ReportEscaped();
  }
  return decltype(body())();
}

#ifdef _WIN32
// A SetWindowSubclass procedure at the boundary: when Body fails, the message goes on to the next
// procedure of the control as if Body had not been there.
template <LRESULT (*Body)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR)>
LRESULT CALLBACK GuardedSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  return AtBoundary([&] { return Body(window, msg, wParam, lParam, id, data); },
                    [&] { return DefSubclassProc(window, msg, wParam, lParam); });
}
#endif

}  // namespace quorva
