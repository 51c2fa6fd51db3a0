// The bridge and quorva-editor.exe in two processes, as the calculator and the editor are.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "bridge/clsTeraPad.h"
#include "common/Ansi.h"
#include "engine/MessageBox.h"

namespace quorva {
namespace {

constexpr UINT kSetLimit = WM_APP + 1;  // the stand-in editor's switch for its byte limit

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(15)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

// The editor's path (a Unix path of the build folder, or a first argument that is not one of
// GoogleTest's --gtest_ options), as a Windows path.
std::wstring EditorPath() {
  std::string path = __argc > 1 && __argv[1][0] != '-' ? __argv[1] : QUORVA_EDITOR_EXE;
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) c = c == '/' ? '\\' : c;
    path = "Z:" + path;
  }
  return std::wstring(path.begin(), path.end());
}

std::string EditorBytes(HWND edit) {
  SendMessageA(edit, kSetLimit, 0, 0);
  const auto len = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  std::string buffer(static_cast<size_t>(len) + 1, '\0');
  const auto got = SendMessageA(edit, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(got));
  return buffer;
}

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousBox_ = SetMessageBoxHandler([this](const MessageBoxRequest&) {
      ++reports_;
      return kIdOk;
    });
  }

  void TearDown() override {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (process_.hProcess) {
      if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the editor did not end after WM_CLOSE";
        TerminateProcess(process_.hProcess, 1);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    SetMessageBoxHandler(previousBox_);
  }

  // Starts the editor and waits until its window is the foreground window.
  void Start(const std::wstring& arguments, const std::wstring& title) {
    std::wstring command = L"\"" + EditorPath() + L"\" --title \"" + title + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_))
        << "cannot start " << ToAnsi(FromWide(command));
    ASSERT_TRUE(WaitFor([&] {
      main_ = FindWindowW(L"QuorvaStandInEditor", title.c_str());
      return main_ != nullptr && GetForegroundWindow() == main_;
    })) << "the editor did not come to the foreground";
    edit_ = FindWindowExW(main_, nullptr, L"TEditor", nullptr);
    ASSERT_NE(edit_, nullptr);
  }

  std::wstring Title(const wchar_t* name) const { return std::wstring(name) + L" " + std::to_wstring(GetCurrentProcessId()); }

  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
  int reports_ = 0;
  MessageBoxHandler previousBox_;
};

TEST_F(ProcessTest, FindsTheEditorAndWritesTheAnswerInPieces) {
  // Lines start at 0, 8, 16 and 24; "?" of line 3 is at 33.
  // "１２３．４５" is 12 bytes: it replaces "?" at 33, so the caret ends at 45.
  ASSERT_NO_FATAL_FAILURE(Start(L"--text \"一行目\\n二行目\\n三行目\\n四行目 x=?\" --sel 33,34 --top 1 --take-limit 5", Title(L"editor")));
  clsTeraPad bridge;
  EXPECT_EQ(bridge.hWin(), main_);
  EXPECT_EQ(bridge.hEdit(), edit_);
  EXPECT_EQ(bridge.NowLineTop(), 1);
  EXPECT_EQ(bridge.NowLine(), 3);

  bridge.SelText(L"１２３．４５");  // through an editor that takes 5 bytes per message
  const std::string expected = ToAnsi(u"一行目\r\n二行目\r\n三行目\r\n四行目 x=１２３．４５");
  EXPECT_EQ(EditorBytes(edit_), expected);
  EXPECT_EQ(bridge.SelStart(), 45) << "the caret stays after the answer";

  // Whole reads only: across processes Wine measures WM_GETTEXTLENGTH through WM_GETTEXT, so an
  // editor that hands out less would also report less (the piecewise read is tested in-process).
  EXPECT_EQ(ToAnsi(FromWide(bridge.Text())), expected);
  EXPECT_EQ(bridge.SelText(), L"");
  EXPECT_EQ(bridge.Line(), 3);
  EXPECT_EQ(reports_, 0);
}

TEST_F(ProcessTest, FileWriteMakesTheEditorReloadIt) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"quorva-process-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(f, "old old old", 11, &n, nullptr);
  CloseHandle(f);

  ASSERT_NO_FATAL_FAILURE(Start(L"--file \"" + path + L"\"", Title(L"file")));
  EXPECT_EQ(EditorBytes(edit_), "old old old");
  clsTeraPad bridge;
  ASSERT_EQ(bridge.hWin(), main_);
  bridge.Path(path);
  bridge.File(L"新しい内容");
  EXPECT_TRUE(WaitFor([&] { return EditorBytes(edit_) == ToAnsi(u"新しい内容"); })) << EditorBytes(edit_);
  EXPECT_EQ(reports_, 0);
  DeleteFileW(path.c_str());
}

TEST_F(ProcessTest, SelectionPastTheSixteenBitRangeReadsBackWhole) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"quorva-long-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  const std::string text = std::string(70000, 'a') + "xyz";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  CloseHandle(f);

  ASSERT_NO_FATAL_FAILURE(Start(L"--file \"" + path + L"\" --sel 70001,70002", Title(L"long")));
  clsTeraPad bridge;
  EXPECT_EQ(bridge.SelStart(), 70001);
  EXPECT_EQ(bridge.SelLength(), 1);
  bridge.SelText(L"＝");
  EXPECT_EQ(EditorBytes(edit_).substr(69999), "ax" + ToAnsi(u"＝") + "z");
  EXPECT_EQ(reports_, 0);
  DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace quorva
