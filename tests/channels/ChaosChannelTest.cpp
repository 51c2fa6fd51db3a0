// The clipboard channel against targets whose copies and pastes are picked at random from a seed
// (late, written twice, lost, read early, late or twice): nothing lost, nothing wrong, every
// failure told once. QUORVA_CLIPBOARD_CHAOS_ROUNDS=N plays more seeds, QUORVA_CLIPBOARD_CHAOS_SEED=S
// replays one.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "channels/ClipboardChannel.h"
#include "tests/harness/support/ClipboardScene.h"
#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/TargetProcess.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

constexpr unsigned kRounds = 12;

unsigned FromEnvironment(const char* name, unsigned fallback) {
  const char* value = std::getenv(name);
  return value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

void PlayRound(unsigned seed, const NamedScene& clipboard) {
  TargetProcess target(WindowsPath(QUORVA_TARGET_EXE), L"--text 1+2 --chaos " + std::to_wstring(seed));
  ASSERT_TRUE(target.Found());
  ASSERT_TRUE(target.InFront());
  const LRESULT never = target.Ask(qtarget::kNeverMessage);
  FillClipboard(clipboard.Items);
  const std::string before = ClipboardDump();
  std::vector<EditorStatus> outcomes;
  {
    std::unique_ptr<EditorFace> channel = MakeClipboardChannel(target.Main(), target.TextWindow());
    const SelectionRead read = channel->ReadSelection();
    outcomes.push_back(read.Outcome.Status);
    if (read.Outcome.ok()) {
      EXPECT_EQ(read.Text, L"1+2");
      outcomes.push_back(channel->ReplaceSelection(L"=3=", true).Status);
    }
  }
  const bool copies = (never & 1) == 0, pastes = (never & 2) == 0;
  const std::vector<EditorStatus> expected =
      !copies ? std::vector{EditorStatus::kEmpty}
              : std::vector{EditorStatus::kDone, pastes ? EditorStatus::kDone : EditorStatus::kNotPasted};
  EXPECT_EQ(outcomes, expected);
  const bool answered = copies && pastes;
  EXPECT_TRUE(WaitUntil([&] { return target.Text() == (answered ? L"=3=" : L"1+2"); }, 3000)) << "the text is "
      << testing::PrintToString(target.Text());
  if (copies && !pastes) {
    EXPECT_EQ(ClipboardBytes(), "=3=");
  } else {
    EXPECT_EQ(ClipboardDump(), before);
  }
}

TEST(ClipboardChaos, NothingIsLostNothingIsWrongAndEveryFailureIsToldOnce) {
  const std::vector<NamedScene> clipboards = UserClipboardScenes();
  const unsigned only = FromEnvironment("QUORVA_CLIPBOARD_CHAOS_SEED", 0);
  const unsigned rounds = only ? 1 : FromEnvironment("QUORVA_CLIPBOARD_CHAOS_ROUNDS", kRounds);
  for (unsigned i = 0; i < rounds; ++i) {
    const unsigned seed = only ? only : i + 1;
    const NamedScene& clipboard = clipboards[seed % clipboards.size()];
    SCOPED_TRACE(testing::Message() << "seed " << seed << ", clipboard " << clipboard.Name
                                    << " (replay: QUORVA_CLIPBOARD_CHAOS_SEED=" << seed << ")");
    PlayRound(seed, clipboard);
  }
}

}  // namespace
}  // namespace quorva::test
