// The whole clipboard saved and put back: every scene comes back byte for byte, in its order, and
// what cannot be kept is named instead of lost silently.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "common/windows/Clipboard.h"
#include "tests/harness/support/ClipboardScene.h"
#include "tests/harness/support/ClipboardText.h"

namespace quorva::test {
namespace {

TEST(ClipboardSave, EveryUserClipboardComesBackByteForByte) {
  for (const NamedScene& scene : UserClipboardScenes()) {
    SCOPED_TRACE(scene.Name);
    FillClipboard(scene.Items);
    const std::string before = ClipboardDump();
    const SavedClipboard saved = SaveClipboard();
    EXPECT_TRUE(saved.Lost.empty());
    SetClipboardBytes("something else");
    EXPECT_TRUE(RestoreClipboard(saved).empty());
    EXPECT_EQ(ClipboardDump(), before);
  }
}

TEST(ClipboardSave, LeavesOutWhatTheSystemMakesFromAnotherFormat) {
  FillClipboard(UserClipboardScenes()[4].Items);  // all at once
  const SavedClipboard saved = SaveClipboard();
  std::vector<UINT> formats;
  for (const ClipboardItem& item : saved.Items) formats.push_back(item.Format);
  for (UINT made : {CF_TEXT, CF_OEMTEXT, CF_BITMAP, CF_DIBV5, CF_METAFILEPICT}) {
    SCOPED_TRACE(made);
    EXPECT_EQ(std::count(formats.begin(), formats.end(), made), 0);
  }
}

TEST(ClipboardSave, NamesAPromiseItsProgramDoesNotKeep) {
  // A window that promises a format and never renders it, as a program that has hung or ended.
  HWND promiser = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const UINT promised = RegisterClipboardFormatW(L"Quorva Test Broken Promise");
  ASSERT_TRUE(OpenClipboard(promiser));
  EmptyClipboard();
  SetClipboardData(promised, nullptr);
  CloseClipboard();
  const SavedClipboard saved = SaveClipboard();
  EXPECT_EQ(saved.Lost, std::vector<std::wstring>{L"Quorva Test Broken Promise"});
  DestroyWindow(promiser);
}

TEST(ClipboardSave, WaitsForAProgramThatKeepsTheClipboardOpenForAMoment) {
  FillClipboard(UserClipboardScenes()[0].Items);
  const std::string before = ClipboardDump();
  SavedClipboard saved;
  {
    ClipboardHold hold(60);
    saved = SaveClipboard();
  }
  SetClipboardBytes("other");
  {
    ClipboardHold hold(60);
    EXPECT_NO_THROW(RestoreClipboard(saved));
  }
  EXPECT_EQ(ClipboardDump(), before);
}

}  // namespace
}  // namespace quorva::test
