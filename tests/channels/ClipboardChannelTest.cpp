// The clipboard channel against every stand-in program: the right answer goes in, or the text is
// untouched with one outcome, and the user's clipboard comes back byte for byte in every scene.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <windows.h>

#include "channels/ClipboardChannel.h"
#include "tests/harness/support/ClipboardMonitor.h"
#include "tests/harness/support/ClipboardScene.h"
#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/TargetProcess.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

constexpr wchar_t kAnswer[] = L"=3=";  // what a calculation would give, found nowhere else

struct Scene {
  const wchar_t* switches;
  const wchar_t* selection;  // what ReadSelection gives
  EditorStatus read;
  EditorStatus replace;      // when the read succeeds
  const wchar_t* after;      // the target's text at the end
};

const Scene kScenes[] = {
    {L"--text 1+2", L"1+2", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text \"a 1+2 b\" --sel 2,5", L"1+2", EditorStatus::kDone, EditorStatus::kDone, L"a =3= b"},
    {L"--text １＋２円 --copy late", L"１＋２円", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text 1+2\\n3 --copy twice", L"1+2\r\n3", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text 1+2 --copy newline", L"1+2", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text 1+2 --copy on-release", L"1+2", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text 1+2 --paste late-twice", L"1+2", EditorStatus::kDone, EditorStatus::kDone, kAnswer},
    {L"--text 1+2 --copy never", L"", EditorStatus::kEmpty, EditorStatus::kDone, L"1+2"},
    {L"--text 1+2 --paste never", L"1+2", EditorStatus::kDone, EditorStatus::kNotPasted, L"1+2"},
};

// One scene, start to end, with the user's clipboard holding scene clipboard; the target's text
// afterwards.
std::wstring Play(const Scene& scene, const ClipboardScene& clipboard, TargetProcess& target) {
  FillClipboard(clipboard);
  const std::string before = ClipboardDump();
  EditorStatus replaced = EditorStatus::kDone;
  {
    std::unique_ptr<EditorFace> channel = MakeClipboardChannel(target.Main(), target.TextWindow());
    const SelectionRead read = channel->ReadSelection();
    EXPECT_EQ(read.Outcome.Status, scene.read);
    EXPECT_EQ(read.Text, scene.selection);
    EXPECT_EQ(read.Outcome.Detail, L"");
    if (read.Outcome.ok()) replaced = channel->ReplaceSelection(kAnswer, true).Status;
    EXPECT_EQ(replaced, scene.replace);
  }
  if (replaced == EditorStatus::kNotPasted) {
    EXPECT_EQ(ClipboardBytes(), "=3=");  // left to paste by hand, also after the channel has gone
  } else {
    EXPECT_EQ(ClipboardDump(), before);
  }
  WaitUntil([&] { return target.Text() == scene.after; }, 3000);
  return target.Text();
}

TEST(ClipboardChannel, EveryTargetGetsItsAnswerOrKeepsItsTextAndTheClipboardComesBack) {
  const std::vector<NamedScene> clipboards = UserClipboardScenes();
  for (size_t i = 0; i < std::size(kScenes); ++i) {
    const Scene& scene = kScenes[i];
    const NamedScene& clipboard = clipboards[i % clipboards.size()];
    SCOPED_TRACE(testing::Message() << "target " << testing::PrintToString(std::wstring(scene.switches))
                                    << ", clipboard " << clipboard.Name);
    TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), scene.switches);
    ASSERT_TRUE(target.Found());
    ASSERT_TRUE(target.InFront());
    EXPECT_EQ(Play(scene, clipboard.Items, target), scene.after);
    int key = 0;
    EXPECT_FALSE(AnyKeyDown(key)) << "key " << key << " is down";
    EXPECT_EQ(target.Ask(qtarget::kMenusMessage), 0);
  }
}

TEST(ClipboardChannel, OneUndoInTheTargetGivesItsTextBack) {
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text \"x 1+2 y\" --sel 2,5");
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  EXPECT_EQ(Play(kScenes[1], {}, target), L"x =3= y");
  SendKeys({{VK_CONTROL, true}, {'Z', true}, {'Z', false}, {VK_CONTROL, false}});
  EXPECT_TRUE(WaitUntil([&] { return target.Text() == L"x 1+2 y"; }));
}

// A format that another program promised and never renders cannot be kept: the outcome names it,
// and everything else comes back.
TEST(ClipboardChannel, NamesWhatCouldNotBeKept) {
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2");
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  const SceneItem own = UserClipboardScenes()[1].Items[0];  // a private format
  FillClipboard({own});
  const std::string kept = ClipboardDump();
  HWND promiser = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return OpenClipboard(promiser) != FALSE; }));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, own.Bytes.size());
  memcpy(GlobalLock(mem), own.Bytes.data(), own.Bytes.size());
  GlobalUnlock(mem);
  SetClipboardData(own.Format, mem);
  SetClipboardData(RegisterClipboardFormatW(L"Quorva Test Broken Promise"), nullptr);
  CloseClipboard();
  {
    std::unique_ptr<EditorFace> channel = MakeClipboardChannel(target.Main(), target.TextWindow());
    const SelectionRead read = channel->ReadSelection();
    EXPECT_EQ(read.Outcome.Detail, L"Quorva Test Broken Promise");
    EXPECT_EQ(channel->ReplaceSelection(kAnswer, true).Detail, L"Quorva Test Broken Promise");
  }
  EXPECT_TRUE(WaitUntil([&] { return target.Text() == kAnswer; }, 3000));
  EXPECT_EQ(ClipboardDump(), kept);
  DestroyWindow(promiser);
}

// A polite monitor leaves the marked answer alone; a naive one is not served it.
TEST(ClipboardChannel, NoHistoryMonitorSeesTheAnswer) {
  for (bool polite : {true, false}) {
    SCOPED_TRACE(polite ? "polite monitor" : "naive monitor");
    ClipboardMonitor monitor(polite);
    TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2");
    ASSERT_TRUE(target.Found());
    ASSERT_TRUE(target.InFront());
    EXPECT_EQ(Play(kScenes[0], UserClipboardScenes()[0].Items, target), kAnswer);
    // The monitor has seen at least the user's clipboard come back.
    WaitUntil([&] { return monitor.Seen().size() >= 2; }, 3000);
    const std::vector<std::wstring> seen = monitor.Seen();
    const bool sawAnswer = std::find(seen.begin(), seen.end(), kAnswer) != seen.end();
    EXPECT_FALSE(sawAnswer);
  }
}

}  // namespace
}  // namespace quorva::test
