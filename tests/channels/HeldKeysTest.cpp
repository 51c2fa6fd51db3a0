// The user's shortcut keys still down when the channel starts: nothing is sent until they are
// released, nothing stray is typed, no key stays down, and a lone Alt opens no menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "channels/ClipboardChannel.h"
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
  DWORD releaseDeadlineMs;  // the channel's patience
  bool releasedInTime;      // the keys go up while the channel waits, or only after it has given up
};

const Held kHeld[] = {
    {"Ctrl+Alt", {VK_CONTROL, VK_MENU}, 2000, true},
    {"Alt alone", {VK_MENU}, 2000, true},
    {"Shift", {VK_SHIFT}, 2000, true},
    {"Ctrl past the deadline", {VK_CONTROL}, 200, false},
};

void Press(const std::vector<WORD>& keys, bool down) {
  std::vector<std::pair<WORD, bool>> strokes;
  for (WORD key : keys) strokes.emplace_back(key, down);
  SendKeys(strokes);
}

TEST(HeldKeys, NothingIsSentUntilTheUserLetsGoAndNoKeyStaysDown) {
  // One target for every row (an undo brings its text back): under Wine a window that takes the
  // focus takes the X server's key state too, which would release the keys held here.
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2");
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  for (const Held& held : kHeld) {
    SCOPED_TRACE(held.name);
    const LRESULT copies = target.Ask(qtarget::kCopiesMessage);
    const LRESULT menus = target.Ask(qtarget::kMenusMessage);
    Press(held.keys, true);
    ASSERT_TRUE(WaitUntil([&] { return (GetAsyncKeyState(held.keys[0]) & 0x8000) != 0; }));
    SelectionRead read;
    EditorStatus replaced = EditorStatus::kGone;
    std::thread run([&] {
      ClipboardChannelOptions options;
      options.KeysReleaseMs = held.releaseDeadlineMs;
      std::unique_ptr<EditorFace> channel = MakeClipboardChannel(target.Main(), target.TextWindow(), options);
      read = channel->ReadSelection();
      if (read.Outcome.ok()) replaced = channel->ReplaceSelection(L"3", true).Status;
    });
    if (held.releasedInTime) {
      EXPECT_FALSE(WaitUntil([&] { return target.Ask(qtarget::kCopiesMessage) > copies; }, kHeldWatchMs));
      ASSERT_TRUE(GetAsyncKeyState(held.keys[0]) & 0x8000) << "the system let go of the held key itself";
      Press(held.keys, false);
    }
    run.join();
    if (!held.releasedInTime) Press(held.keys, false);
    const wchar_t* after = held.releasedInTime ? L"3" : L"1+2";
    EXPECT_EQ(read.Outcome.Status, held.releasedInTime ? EditorStatus::kDone : EditorStatus::kKeysHeld);
    EXPECT_EQ(read.Text, held.releasedInTime ? L"1+2" : L"");
    EXPECT_EQ(replaced, held.releasedInTime ? EditorStatus::kDone : EditorStatus::kGone);
    EXPECT_EQ(target.Ask(qtarget::kCopiesMessage), copies + (held.releasedInTime ? 1 : 0));
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == after; }, 3000)) << "nothing stray typed";
    EXPECT_EQ(target.Ask(qtarget::kMenusMessage), menus);
    int key = 0;
    EXPECT_FALSE(AnyKeyDown(key)) << "key " << key << " is down";
    if (held.releasedInTime) SendKeys({{VK_CONTROL, true}, {'Z', true}, {'Z', false}, {VK_CONTROL, false}});
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == L"1+2"; }));
  }
}

}  // namespace
}  // namespace quorva::test
