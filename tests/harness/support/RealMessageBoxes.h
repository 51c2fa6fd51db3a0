#pragma once
// The program's real message boxes, as the user meets them: modal, in front, closed with the
// keyboard.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/harness/support/MessageBoxes.h"

namespace quorva::test {

// For its lifetime every message box of the program is the real one, and each box that comes to
// the front is read and closed with a real Enter key, as a user closes it.
class RealBoxesClosedByEnter {
 public:
  RealBoxesClosedByEnter();
  ~RealBoxesClosedByEnter();
  RealBoxesClosedByEnter(const RealBoxesClosedByEnter&) = delete;
  RealBoxesClosedByEnter& operator=(const RealBoxesClosedByEnter&) = delete;
  // The texts of the boxes closed so far, each its controls' texts joined by "|".
  std::vector<std::wstring> Texts();

 private:
  ScopedMessageBoxHandler scope_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::thread closer_;
};

}  // namespace quorva::test
