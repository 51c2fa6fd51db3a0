#include "tests/harness/support/RealMessageBoxes.h"

#include "common/windows/SystemMessageBox.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

// A dialog of this process in front: a message box.
HWND BoxInFront() {
  HWND front = GetForegroundWindow();
  DWORD pid = 0;
  GetWindowThreadProcessId(front, &pid);
  wchar_t cls[16] = {};
  GetClassNameW(front, cls, 16);
  return pid == GetCurrentProcessId() && lstrcmpW(cls, L"#32770") == 0 ? front : nullptr;
}

std::wstring TextsOf(HWND box) {
  std::wstring all;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    all += text;
    all += L"|";
  }
  return all;
}

}  // namespace

RealBoxesClosedByEnter::RealBoxesClosedByEnter() : scope_(MessageBoxHandler{}) {
  InstallSystemMessageBox();
  closer_ = std::thread([this] {
    while (!stop_) {
      HWND box = nullptr;
      WaitUntil([&] { return stop_ || (box = BoxInFront()) != nullptr; }, 60000);
      if (!box) continue;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.push_back(TextsOf(box));
      }
      PressKey(VK_RETURN);
      WaitUntil([&] { return stop_ || !IsWindow(box); });
    }
  });
}

RealBoxesClosedByEnter::~RealBoxesClosedByEnter() {
  stop_ = true;
  closer_.join();
}

std::vector<std::wstring> RealBoxesClosedByEnter::Texts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

}  // namespace quorva::test
