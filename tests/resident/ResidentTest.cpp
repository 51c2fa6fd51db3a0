// quorva.exe /hotkey: registers its key and stays; a press answers the selection of the program in
// front; a second instance says so and leaves; Quit ends it; a key that another program holds is
// reported with the key, and Quorva does not stay.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "tests/harness/support/ClipboardScene.h"
#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TargetProcess.h"
#include "tests/harness/support/Wait.h"
#include "ui/app/Resident.h"
#include "ui/app/ResidentNotices.h"

namespace quorva::test {
namespace {

constexpr wchar_t kArguments[] = L"/hotkey:Ctrl+Alt+Q /places:0 /nohistory";

// The resident's hidden window in that process, or nullptr.
HWND ResidentWindowOf(const Process& process) {
  for (HWND w = FindWindowW(kResidentClass, nullptr); w; w = FindWindowExW(nullptr, w, kResidentClass, nullptr)) {
    DWORD id = 0;
    GetWindowThreadProcessId(w, &id);
    if (id == process.Id()) return w;
  }
  return nullptr;
}

// The one notice the process shows, its text read and the box closed.
std::wstring TakeNotice(Process& process) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = process.FindMessageBox()) != nullptr; }, 20000)) return L"<no notice>";
  std::wstring text;
  WaitUntil([&] { return !(text = MessageBoxText(box)).empty(); }, 5000);
  PostMessageW(box, WM_CLOSE, 0, 0);
  return text;
}

class Resident : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(resident_.Start(WindowsPath(QUORVA_EXE), kArguments));
    ASSERT_TRUE(WaitUntil([&] { return (window_ = ResidentWindowOf(resident_)) != nullptr; }, 30000));
  }
  void TearDown() override {
    if (window_) PostMessageW(window_, WM_COMMAND, kQuitCommand, 0);
    resident_.WaitForExit(15000);
  }
  Process resident_;
  HWND window_ = nullptr;
};

TEST_F(Resident, APressAnswersTheSelectionOfTheProgramInFront) {
  const std::vector<NamedScene> clipboards = UserClipboardScenes();
  FillClipboard(clipboards[4].Items);  // everything at once
  const std::string before = ClipboardDump();
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text \"a (1+2)*3 b\" --sel 2,9");
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  const ULONGLONG pressed = GetTickCount64();
  SendKeys({{VK_CONTROL, true}, {VK_MENU, true}, {'Q', true}, {'Q', false}, {VK_MENU, false}, {VK_CONTROL, false}});
  EXPECT_TRUE(WaitUntil([&] { return target.Text() == L"a 9 b"; }, 20000)) << "the text is " << testing::PrintToString(target.Text());
  // A figure for the record, not a limit: the key to the changed text.
  RecordProperty("key_to_text_ms", static_cast<int>(GetTickCount64() - pressed));
  std::printf("key to changed text: %llu ms\n", GetTickCount64() - pressed);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardDump() == before; }, 10000));
  int key = 0;
  EXPECT_FALSE(AnyKeyDown(key)) << "key " << key << " is down";
  EXPECT_EQ(target.Ask(qtarget::kMenusMessage), 0);
  EXPECT_TRUE(resident_.Running());
}

TEST_F(Resident, APressInAnEditControlGoesThroughItsMessages) {
  SetClipboardBytes("mine");
  EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE), L"--text \"x (1+2)*3 y\" --sel 2,9");
  ASSERT_TRUE(editor.Found());
  ASSERT_TRUE(editor.InFront());
  SendKeys({{VK_CONTROL, true}, {VK_MENU, true}, {'Q', true}, {'Q', false}, {VK_MENU, false}, {VK_CONTROL, false}});
  EXPECT_TRUE(WaitUntil([&] { return editor.TrueText() == "x 9 y"; }, 20000)) << editor.TrueText();
  EXPECT_EQ(editor.Send(kEditorReceived, WM_COPY), 0) << "the message channel copies nothing";
  EXPECT_EQ(ClipboardBytes(), "mine");
}

TEST_F(Resident, ASecondInstanceSaysSoAndLeaves) {
  Process second;
  ASSERT_TRUE(second.Start(WindowsPath(QUORVA_EXE), kArguments));
  EXPECT_EQ(TakeNotice(second), std::wstring(kResidentRunningNotice, kResidentRunningNotice + std::size(kResidentRunningNotice) - 1));
  EXPECT_TRUE(second.WaitForExit(15000));
  EXPECT_TRUE(resident_.Running());
}

TEST_F(Resident, QuitEndsIt) {
  PostMessageW(window_, WM_COMMAND, kQuitCommand, 0);
  EXPECT_TRUE(resident_.WaitForExit(15000));
  EXPECT_EQ(resident_.ExitCode(), 0u);
  window_ = nullptr;
}

// The Startup folder is the Wine prefix's own (Wine takes it from the registry, not from
// USERPROFILE): the shortcut is made there and removed again, and one that was there is left alone.
TEST(ResidentStartup, StartWithWindowsMakesTheShortcutAndRemovesItAgain) {
  PWSTR folder = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder)));
  const std::wstring shortcut = folder + std::wstring(L"\\Quorva.lnk");
  CoTaskMemFree(folder);
  auto exists = [&] { return GetFileAttributesW(shortcut.c_str()) != INVALID_FILE_ATTRIBUTES; };
  if (exists()) GTEST_SKIP() << "a Quorva shortcut is in the Startup folder already";
  Process quorva;
  ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), kArguments));
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (window = ResidentWindowOf(quorva)) != nullptr; }, 30000));
  PostMessageW(window, WM_COMMAND, kStartWithWindowsCommand, 0);
  EXPECT_TRUE(WaitUntil(exists, 10000)) << "no " << testing::PrintToString(shortcut);
  PostMessageW(window, WM_COMMAND, kStartWithWindowsCommand, 0);
  EXPECT_TRUE(WaitUntil([&] { return !exists(); }, 10000));
  PostMessageW(window, WM_COMMAND, kQuitCommand, 0);
  EXPECT_TRUE(quorva.WaitForExit(15000));
  DeleteFileW(shortcut.c_str());
}

TEST(ResidentKey, TakenByAnotherProgramIsReportedWithTheKeyAndQuorvaDoesNotStay) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'W'));
  Process quorva;
  ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), L"/hotkey:Ctrl+Alt+W"));
  const std::wstring notice = TakeNotice(quorva);
  EXPECT_NE(notice.find(L"Ctrl+Alt+W"), std::wstring::npos) << testing::PrintToString(notice);
  EXPECT_EQ(notice.find(reinterpret_cast<const wchar_t*>(kHotKeyTakenNotice)), 0u);
  EXPECT_TRUE(quorva.WaitForExit(15000));
  EXPECT_EQ(ResidentWindowOf(quorva), nullptr);
  UnregisterHotKey(nullptr, 7);
}

}  // namespace
}  // namespace quorva::test
