// The user's shortcut keys still down when the channel starts: nothing is sent until they are
// released, nothing stray is typed, no key stays down, and a lone Alt opens no menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "channels/ClipboardChannel.h"
#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/TargetProcess.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

// How long the channel is seen to send nothing while the keys are down.
constexpr DWORD kHeldWatchMs = 400;

struct Held {
  const char* name;
  std::vector<WORD> keys;
};

const Held kHeld[] = {{"Ctrl+Alt", {VK_CONTROL, VK_MENU}}, {"Alt alone", {VK_MENU}}, {"Shift", {VK_SHIFT}}};

void Press(const std::vector<WORD>& keys, bool down) {
  std::vector<std::pair<WORD, bool>> strokes;
  for (WORD key : keys) strokes.emplace_back(key, down);
  SendKeys(strokes);
}

TEST(HeldKeys, NothingIsSentUntilTheUserLetsGoAndNoKeyStaysDown) {
  for (const Held& held : kHeld) {
    SCOPED_TRACE(held.name);
    TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2");
    ASSERT_TRUE(target.Found());
    ASSERT_TRUE(target.InFront());
    Press(held.keys, true);
    ASSERT_TRUE(WaitUntil([&] { return (GetAsyncKeyState(held.keys[0]) & 0x8000) != 0; }));
    SelectionRead read;
    EditorStatus replaced = EditorStatus::kGone;
    std::thread run([&] {
      std::unique_ptr<EditorFace> channel = MakeClipboardChannel(target.Main(), target.TextWindow());
      read = channel->ReadSelection();
      if (read.Outcome.ok()) replaced = channel->ReplaceSelection(L"3", true).Status;
    });
    EXPECT_FALSE(WaitUntil([&] { return target.Ask(qtarget::kCopiesMessage) > 0; }, kHeldWatchMs));
    Press(held.keys, false);
    run.join();
    EXPECT_EQ(read.Outcome.Status, EditorStatus::kDone);
    EXPECT_EQ(read.Text, L"1+2");
    EXPECT_EQ(replaced, EditorStatus::kDone);
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == L"3"; }, 3000)) << "nothing stray typed";
    EXPECT_EQ(target.Ask(qtarget::kMenusMessage), 0);
    int key = 0;
    EXPECT_FALSE(AnyKeyDown(key)) << "key " << key << " is down";
  }
}

TEST(HeldKeys, KeysHeldPastTheDeadlineSendNothing) {
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2");
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  SetClipboardBytes("mine");
  Press({VK_CONTROL}, true);
  ClipboardChannelOptions quick;
  quick.KeysReleaseMs = 200;
  const SelectionRead read = MakeClipboardChannel(target.Main(), target.TextWindow(), quick)->ReadSelection();
  Press({VK_CONTROL}, false);
  EXPECT_EQ(read.Outcome.Status, EditorStatus::kKeysHeld);
  EXPECT_EQ(target.Ask(qtarget::kCopiesMessage), 0);
  EXPECT_EQ(target.Text(), L"1+2");
  EXPECT_EQ(ClipboardBytes(), "mine");
}

}  // namespace
}  // namespace quorva::test
