// The history file in a temporary folder: made where missing, replaced whole or not at all, read
// as far as it is sound, left alone when it cannot be used, shared by two writers.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <system_error>
#include <thread>

#include "common/history/HistoryFile.h"
#include "common/windows/Handles.h"
#include "tests/harness/support/TempFile.h"

namespace quorva::test {
namespace {

// The system's error code that what threw, 0 when it did not throw.
int ErrorOf(const std::function<void()>& what) {
  try {
    what();
  } catch (const std::system_error& e) {
    return e.code().value();
  }
  return 0;
}

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
  EXPECT_TRUE(file.Read().empty()) << "a missing file is an empty history";
  HistoryEntries entries;
  ASSERT_NO_THROW(entries = file.Add(u"1+2"));
  ASSERT_NO_THROW(entries = file.Add(u"１＊３"));
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
    throw std::system_error(ERROR_DISK_FULL, std::system_category());
  });
  EXPECT_EQ(ErrorOf([&] { file.Add(u"3"); }), ERROR_DISK_FULL);
  EXPECT_EQ(FileBytes(path), "1\r\n2\r\n");
  EXPECT_EQ(GetFileAttributesW((path + L".new").c_str()), INVALID_FILE_ATTRIBUTES) << "the new file is left behind";
  HistoryFile healthy(path);
  ASSERT_NO_THROW(healthy.Add(u"3"));
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
    EXPECT_EQ(file.Read(), r.Entries);
    ASSERT_NO_THROW(file.Add(u"9"));
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
    Handle lock(r.Locked ? CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr);
    HistoryFile file(path);
    EXPECT_NE(ErrorOf([&] { file.Add(u"2"); }), 0) << "no failure";
    if (r.Locked) {
      EXPECT_NE(ErrorOf([&] { file.Read(); }), 0) << "no failure";
    }
    lock.Reset();
    if (!r.Folder) {
      EXPECT_EQ(FileBytes(path), "1\r\n");
    }
  }
}

TEST_F(HistoryFileTest, AReadThatThrowsGivesBackTheLockAndTheFile) {
  Put("1\r\n");
  const struct {
    const char* Kind;
    std::function<void(HistoryFile&)> Use;
  } rows[] = {
      {"read", [](HistoryFile& file) { file.Read(); }},
      {"add", [](HistoryFile& file) { file.Add(u"2"); }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Kind);
    HistoryFile failing(path);
    failing.SetReader([](HANDLE, size_t) -> std::string { throw std::bad_alloc(); });
    EXPECT_THROW(r.Use(failing), std::bad_alloc);
    // Held by this thread, the lock would keep another one waiting until it gave up.
    int error = -1;
    HistoryEntries read;
    std::thread other([&] { error = ErrorOf([&] { read = HistoryFile(path).Read(); }); });
    other.join();
    EXPECT_EQ(error, 0) << "another Quorva did not get the lock";
    EXPECT_EQ(read, HistoryEntries{u"1"});
    const Handle alone(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(alone) << "the file is still open";
  }
}

TEST_F(HistoryFileTest, TwoWritersAtOnceKeepEachOthersEntries) {
  constexpr int kEach = 40;
  auto writer = [&](char16_t name, bool& ok) {
    HistoryFile file(path);
    ok = true;
    for (int i = 0; i < kEach; ++i) {
      const std::u16string expression =
          name + std::u16string(u"+") + std::u16string(1, u'0' + i % 10) + std::u16string(1, u'0' + i / 10);
      ok = ErrorOf([&] { file.Add(expression); }) == 0 && ok;
    }
  };
  bool okA = false, okB = false;
  std::thread a(writer, u'1', std::ref(okA)), b(writer, u'2', std::ref(okB));
  a.join();
  b.join();
  EXPECT_TRUE(okA && okB);
  const HistoryEntries entries = HistoryFile(path).Read();
  EXPECT_EQ(entries.size(), 2u * kEach) << "entries were lost";
  EXPECT_EQ(FileBytes(path), HistoryBytes(entries)) << "the file is not clean";
}

}  // namespace
}  // namespace quorva::test
