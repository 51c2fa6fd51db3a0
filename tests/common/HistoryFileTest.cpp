// The history file in a temporary folder: made where missing, replaced whole or not at all, read
// as far as it is sound, left alone when it cannot be used, shared by two writers.
#include <gtest/gtest.h>

#include <thread>

#include "common/HistoryFile.h"
#include "tests/support/TempFile.h"

namespace quorva::test {
namespace {

class HistoryFileTest : public ::testing::Test {
 protected:
  TempFolder folder{L"history"};
  const std::wstring path = folder.Path() + L"\\Quorva\\history.txt";
  void Put(const std::string& bytes) {
    CreateDirectoryW((folder.Path() + L"\\Quorva").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(path, bytes));
  }
};

TEST_F(HistoryFileTest, AMissingFolderIsMadeOnTheFirstAdd) {
  HistoryFile file(folder.Path() + L"\\a\\b\\history.txt");
  HistoryEntries entries{u"stale"};
  ASSERT_TRUE(file.Read(entries)) << "a missing file is an empty history";
  EXPECT_TRUE(entries.empty());
  ASSERT_TRUE(file.Add(u"1+2", entries)) << file.LastError();
  ASSERT_TRUE(file.Add(u"１＊３", entries)) << file.LastError();
  EXPECT_EQ(FileBytes(file.Path()), "1+2\r\n\xEF\xBC\x91\xEF\xBC\x8A\xEF\xBC\x93\r\n");
  EXPECT_EQ(entries, (HistoryEntries{u"1+2", u"１＊３"}));
}

TEST_F(HistoryFileTest, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  Put("1\r\n2\r\n");
  HistoryFile file(path);
  // As a full disk would: half the bytes go in, then the write fails.
  file.SetWriter([](HANDLE f, std::string_view bytes) {
    DWORD n = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &n, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return false;
  });
  HistoryEntries merged;
  EXPECT_FALSE(file.Add(u"3", merged));
  EXPECT_EQ(file.LastError(), static_cast<DWORD>(ERROR_DISK_FULL));
  EXPECT_EQ(FileBytes(path), "1\r\n2\r\n");
  EXPECT_EQ(GetFileAttributesW((path + L".new").c_str()), INVALID_FILE_ATTRIBUTES) << "the new file is left behind";
  HistoryFile healthy(path);
  ASSERT_TRUE(healthy.Add(u"3", merged));
  EXPECT_EQ(FileBytes(path), "1\r\n2\r\n3\r\n");
}

TEST_F(HistoryFileTest, ADamagedFileIsReadAsFarAsItIsSoundAndWrittenCleanOnTheNextAdd) {
  std::string megabytes(6 << 20, '\0');
  for (size_t i = 0; i < megabytes.size(); i += 97) megabytes[i] = '\n';
  const struct {
    const char* Kind;
    std::string Bytes;
    HistoryEntries Entries;
  } rows[] = {
      {"not UTF-8", "1+2\r\n\x82\x50\x81\x7B\x82\x51\r\n", {u"1+2"}},
      {"over-long line", "1\r\n" + std::string(5000, '2') + "\r\n", {u"1"}},
      {"zero bytes", std::string("4\0\0\r\n1\r\n", 8), {u"1"}},
      {"many megabytes, entries at its end", megabytes + "\r\n7*7\r\n", {u"7*7"}},
      {"many megabytes, entries at its start", "7*7\r\n" + megabytes, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Kind);
    Put(r.Bytes);
    HistoryFile file(path);
    HistoryEntries entries;
    ASSERT_TRUE(file.Read(entries));
    EXPECT_EQ(entries, r.Entries);
    ASSERT_TRUE(file.Add(u"9", entries));
    HistoryEntries clean = r.Entries;
    clean.push_back(u"9");
    EXPECT_EQ(FileBytes(path), HistoryBytes(clean));
  }
}

TEST_F(HistoryFileTest, AFileThatCannotBeUsedFailsAndIsLeftAsItWas) {
  const struct {
    const char* Kind;
    bool Locked, ReadOnly, Folder;
  } rows[] = {
      {"locked by another program", true, false, false},
      {"read-only", false, true, false},
      {"a folder in its place", false, false, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Kind);
    RemoveTree(path);
    if (r.Folder) {
      CreateDirectoryW((folder.Path() + L"\\Quorva").c_str(), nullptr);
      ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    } else {
      Put("1\r\n");
    }
    if (r.ReadOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE lock = r.Locked ? CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                           : INVALID_HANDLE_VALUE;
    HistoryFile file(path);
    HistoryEntries entries;
    EXPECT_FALSE(file.Add(u"2", entries));
    EXPECT_NE(file.LastError(), 0u);
    if (r.Locked) {
      EXPECT_FALSE(file.Read(entries));
    }
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    if (!r.Folder) {
      EXPECT_EQ(FileBytes(path), "1\r\n");
    }
  }
}

TEST_F(HistoryFileTest, TwoWritersAtOnceKeepEachOthersEntries) {
  constexpr int kEach = 40;
  auto writer = [&](char16_t name, bool& ok) {
    HistoryFile file(path);
    HistoryEntries merged;
    ok = true;
    for (int i = 0; i < kEach; ++i) ok = file.Add(name + std::u16string(u"+") + std::u16string(1, u'0' + i % 10) +
                                                      std::u16string(1, u'0' + i / 10), merged) && ok;
  };
  bool okA = false, okB = false;
  std::thread a(writer, u'1', std::ref(okA)), b(writer, u'2', std::ref(okB));
  a.join();
  b.join();
  EXPECT_TRUE(okA && okB);
  HistoryEntries entries;
  HistoryFile file(path);
  ASSERT_TRUE(file.Read(entries));
  EXPECT_EQ(entries.size(), 2u * kEach) << "entries were lost";
  EXPECT_EQ(FileBytes(path), HistoryBytes(entries)) << "the file is not clean";
}

}  // namespace
}  // namespace quorva::test
