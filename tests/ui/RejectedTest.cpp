// A rejected expression as the user meets it: the real modal message box, closed with the
// keyboard, and then typing goes on at the end of the expression.
#include <atomic>
#include <mutex>
#include <thread>

#include "CalcFixture.h"
#include "common/SystemMessageBox.h"
#include "tests/support/Wait.h"

namespace quorva::test {
namespace {

// For its lifetime every message box of the program is the real one, and each box that comes to
// the front is read and closed with a real Enter key, as a user closes it.
class RealBoxesClosedByEnter {
 public:
  RealBoxesClosedByEnter() : scope_(MessageBoxHandler{}) {
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
  ~RealBoxesClosedByEnter() {
    stop_ = true;
    closer_.join();
  }
  std::vector<std::wstring> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  // A dialog of this process in front: a message box.
  static HWND BoxInFront() {
    HWND front = GetForegroundWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(front, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(front, cls, 16);
    return pid == GetCurrentProcessId() && lstrcmpW(cls, L"#32770") == 0 ? front : nullptr;
  }
  static std::wstring TextsOf(HWND box) {
    std::wstring all;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[512] = {};
      GetWindowTextW(child, text, 512);
      all += text;
      all += L"|";
    }
    return all;
  }

  ScopedMessageBoxHandler scope_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::thread closer_;
};

class Rejected : public CalcFixture {
 protected:
  std::pair<int, int> Selection() {
    DWORD start = 0, end = 0;
    SendMessageW(Item(IDC_TXTCALC), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
};

struct RejectedCase {
  const wchar_t* Typed;
  const wchar_t* Message;  // a part of the box's text
  const wchar_t* Shown;    // the display form, in the box after the message
  const wchar_t* TypedOn;
  const wchar_t* Answer;
};

TEST_F(Rejected, AfterTheMessageTypingGoesOnAtTheEndOfTheExpression) {
  const RejectedCase cases[] = {
      {L"(1+2", L"閉じ括弧が足りません", L"(1+2", L")*3", L"9.00"},
      {L"((1 + 3", L"閉じ括弧が足りません", L"((1+3", L"))/2", L"2.00"},  // shown without the blanks
  };
  Open();
  RealBoxesClosedByEnter boxes;
  for (const RejectedCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Typed));
    const size_t before = boxes.Texts().size();
    SetText(Item(IDC_TXTCALC), L"");
    TypeText(c.Typed);
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == c.Typed; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] {
      return boxes.Texts().size() == before + 1 && GetForegroundWindow() == form->hWnd() && HasFocus(IDC_TXTCALC);
    })) << "no message, or the window did not come back";
    EXPECT_NE(boxes.Texts().back().find(c.Message), std::wstring::npos) << testing::PrintToString(boxes.Texts().back());
    EXPECT_EQ(Text(IDC_TXTCALC), c.Shown);
    const int end = static_cast<int>(std::wstring(c.Shown).size());
    EXPECT_EQ(Selection(), std::make_pair(end, end)) << "the caret at the end, nothing selected";
    TypeText(c.TypedOn);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == c.Answer; }))
        << testing::PrintToString(Text(IDC_TXTCALC)) << " gave " << testing::PrintToString(Text(IDC_TXTANS));
  }
  EXPECT_EQ(boxes.Texts().size(), 2u) << "one message per rejected expression";
}

}  // namespace
}  // namespace quorva::test
