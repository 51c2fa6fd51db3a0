#pragma once
// The one rule at every place where the system calls into the program (WinMain, window and
// subclass procedures, hooks, callbacks): nothing crosses back into the system. A run-time error
// is reported as it is, running out of memory as error 7, anything else as an internal error
// (51); then the system gets the boundary's fallback answer and the program goes on.
#include <utility>

namespace quorva {

// Reports the exception being handled; call it only inside a catch. Never throws. A failure that
// arrives while a boundary's report is showing is counted but not shown again: it is the same
// failure coming back through the report box's own message loop.
void ReportEscaped() noexcept;

// How many failures the boundaries of this thread have caught.
int EscapedCount() noexcept;

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

}  // namespace quorva
