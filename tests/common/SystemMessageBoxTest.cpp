// The real report box under Wine: its title, buttons, and Help/F1 asking for the right topic.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "tests/harness/support/Wait.h"
#include "common/windows/SystemMessageBox.h"
#include "common/subTool.h"
#include "shared/MessageBox.h"

namespace quorva {
namespace {

using test::WaitUntil;

struct HelpRequests {
  std::mutex lock;
  std::wstring file;
  uint32_t topic = 0;
  int count = 0;
};

class SystemMessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSystemMessageBox();
    previousOpener_ = SetHelpOpener([this](const std::wstring& file, uint32_t topic) {
      std::lock_guard<std::mutex> guard(help_.lock);
      help_.file = file;
      help_.topic = topic;
      ++help_.count;
    });
  }
  void TearDown() override {
    SetHelpOpener(previousOpener_);
    SetMessageBoxHandler(nullptr);
  }

  // Shows the report on its own thread (the box is modal) and returns the box's window.
  HWND ShowReport(const RuntimeError& error) {
    answer_ = 0;
    boxThread_ = 0;
    worker_ = std::thread([this, error] {
      boxThread_ = GetCurrentThreadId();
      ErrReport(error);
      answer_ = 1;
    });
    // The box of this thread only: other tests may show boxes with the same title meanwhile.
    HWND box = nullptr;
    WaitUntil([&] {
      EnumThreadWindows(
          boxThread_,
          [](HWND w, LPARAM found) {
            wchar_t title[16];
            GetWindowTextW(w, title, 16);
            if (wcscmp(title, L"警告") == 0 && IsWindowVisible(w)) *reinterpret_cast<HWND*>(found) = w;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&box));
      return box != nullptr;
    });
    return box;
  }

  void CloseWithOk(HWND box) {
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    worker_.join();
    EXPECT_EQ(answer_.load(), 1);
    EXPECT_FALSE(IsWindow(box));
  }

  HelpRequests help_;
  HelpOpener previousOpener_;
  std::thread worker_;
  std::atomic<int> answer_{0};
  std::atomic<DWORD> boxThread_{0};
};

RuntimeError WithHelp() {
  RuntimeError e = MakeError(6);
  e.HelpFile = u"C:\\help\\quorva.chm";
  e.HelpContext = 1000006;
  return e;
}

TEST_F(SystemMessageBoxTest, ReportWithoutHelpFileHasOnlyOk) {
  HWND box = ShowReport(MakeError(13));
  if (box == nullptr) worker_.detach();
  ASSERT_NE(box, nullptr) << "the report box did not appear";
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDHELP), nullptr);
  std::wstring shown;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM found) {
        wchar_t text[512];
        GetWindowTextW(child, text, 512);
        if (wcsstr(text, L"Error #13") != nullptr) *reinterpret_cast<std::wstring*>(found) = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown, L"<<< このエラーが再現できる場合、開発者に連絡してください。 >>>\r\rError #13    (Source: Quorva)\r\r    型が一致しません。");
  CloseWithOk(box);
}

TEST_F(SystemMessageBoxTest, HelpButtonAndF1AskForTheTopicAndKeepTheBoxOpen) {
  HWND box = ShowReport(WithHelp());
  if (box == nullptr) worker_.detach();
  ASSERT_NE(box, nullptr) << "the report box did not appear";
  HWND helpButton = GetDlgItem(box, IDHELP);
  EXPECT_NE(helpButton, nullptr) << "no Help button";
  const auto helpCount = [this] {
    std::lock_guard<std::mutex> guard(help_.lock);
    return help_.count;
  };

  SendMessageW(helpButton, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return helpCount() == 1; })) << "Help asked for nothing";

  // F1 reaches the box as WM_HELP.
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = box;
  SendMessageW(box, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_TRUE(WaitUntil([&] { return helpCount() == 2; })) << "F1 asked for nothing";
  {
    std::lock_guard<std::mutex> guard(help_.lock);
    EXPECT_EQ(help_.file, L"C:\\help\\quorva.chm");
    EXPECT_EQ(help_.topic, 1000006u);
  }
  EXPECT_TRUE(IsWindow(box)) << "help must not close the box";
  CloseWithOk(box);
}

}  // namespace
}  // namespace quorva
