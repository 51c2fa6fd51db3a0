// The shortcut key as the user writes it after /hotkey:.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <windows.h>

#include "common/text/Utf8.h"

#include "ui/app/CommandLine.h"
#include "ui/app/HotKey.h"
#include "ui/app/ResidentNotices.h"

namespace quorva {
namespace {

struct Row {
  const wchar_t* text;
  bool valid;
  UINT modifiers;
  UINT key;
};

const Row kRows[] = {
    {L"Ctrl+Alt+Q", true, MOD_CONTROL | MOD_ALT, 'Q'},
    {L"ctrl+alt+q", true, MOD_CONTROL | MOD_ALT, 'Q'},
    {L"Control+Shift+9", true, MOD_CONTROL | MOD_SHIFT, '9'},
    {L"Win+Shift+C", true, MOD_WIN | MOD_SHIFT, 'C'},
    {L"Alt+F12", true, MOD_ALT, VK_F12},
    {L"F9", true, 0, VK_F9},
    {L"Shift+F24", true, MOD_SHIFT, VK_F24},
    {L"Ctrl+PageDown", true, MOD_CONTROL, VK_NEXT},
    {L"Ctrl+Space", true, MOD_CONTROL, VK_SPACE},
    {L"Q", false, 0, 0},              // would take a typed letter
    {L"Shift+Q", false, 0, 0},        // likewise
    {L"Ctrl+Ctrl+Q", false, 0, 0},    // a modifier twice
    {L"Ctrl+Alt", false, 0, 0},       // no key
    {L"Ctrl+Alt+", false, 0, 0},
    {L"Ctrl+Alt+QQ", false, 0, 0},
    {L"Ctrl+F25", false, 0, 0},
    {L"Ctrl+F0", false, 0, 0},
    {L"Ctrl+F01", false, 0, 0},
    {L"Hyper+Q", false, 0, 0},
    {L"", false, 0, 0},
};

TEST(HotKey, ReadsTheKeysAsTheUserWritesThem) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
    const std::optional<HotKey> key = ParseHotKey(row.text);
    ASSERT_EQ(key.has_value(), row.valid);
    if (!key) continue;
    EXPECT_EQ(key->Modifiers, row.modifiers);
    EXPECT_EQ(key->Key, row.key);
    EXPECT_EQ(key->Text, row.text);
  }
}

TEST(HotKey, IsAStartOptionBesideTheOthersAndABadOneIsRejected) {
  const StartOptions options = ParseStartOptions({L"/hotkey:Ctrl+Alt+Q", L"/append", L"/places:0"});
  ASSERT_TRUE(options.Resident.has_value());
  EXPECT_EQ(options.Resident->Key, 'Q');
  EXPECT_TRUE(options.Append);  // /append works at each press, without /now
  EXPECT_TRUE(options.Rejected.empty());
  const StartOptions bad = ParseStartOptions({L"/hotkey:Q"});
  EXPECT_FALSE(bad.Resident.has_value());
  EXPECT_EQ(bad.Rejected, std::vector<std::wstring>{L"/hotkey:Q"});
}

// The guide's table of these notices names each of them word for word.
TEST(HotKey, TheGuideNamesEveryNoticeOfTheResidentAndTheClipboard) {
  std::ifstream in(QUORVA_GUIDE, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  const std::string guide = all.str();
  for (const char16_t* notice : {kResidentRunningNotice, kHotKeyTakenNotice, kNoSelectionNotice, kClipboardPartLostNotice}) {
    const std::string text = Utf16ToUtf8(notice);
    SCOPED_TRACE(text);
    EXPECT_NE(guide.find("| " + text + " |"), std::string::npos);
  }
}

}  // namespace
}  // namespace quorva
