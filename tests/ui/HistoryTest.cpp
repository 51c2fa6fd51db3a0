// The history file at start-up: read once the window shows, written with each answer, untouched
// with /nohistory, and a file that cannot be used told once while calculations go on.
#include "CalcFixture.h"
#include "common/text/Ansi.h"
#include "ui/app/Notices.h"
#include "ui/app/CommandLine.h"
#include "tests/harness/support/TempFile.h"

namespace quorva::test {
namespace {

class HistoryAtStart : public ::testing::Test {
 protected:
  void Start(const std::wstring& commandLine) {
    Main(run, ParseStartOptions(SplitArguments(L"quorva.exe " + commandLine)));
    ASSERT_TRUE(run.gCalc);
    SetForegroundWindow(run.gCalc->hWnd());
    ASSERT_TRUE(WaitFor([&] { return GetFocus() == run.gCalc->Item(IDC_TXTCALC); })) << "focus did not reach txtCalc";
  }
  void TearDown() override {
    run.End();
    Pump();
  }
  std::wstring Calculate(const std::wstring& expression) {
    SetText(run.gCalc->Item(IDC_TXTCALC), expression);
    SendMessageW(run.gCalc->Item(IDC_CMDSUM), BM_CLICK, 0, 0);
    return GetText(run.gCalc->Item(IDC_TXTANS));
  }
  void Put(const std::string& bytes) {
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(file, bytes));
  }

  TempFolder appData{L"appdata-start"};
  ScopedEnvironment variable{L"APPDATA", appData.Path()};
  const std::wstring folder = appData.Path() + L"\\Quorva", file = folder + L"\\history.txt";
  MessageBoxRecorder boxes;
  QuorvaRun run;
};

TEST_F(HistoryAtStart, TheFileIsReadOnceTheWindowShowsAndWrittenWithEachAnswer) {
  Put("1+1\r\n");
  Start(L"");
  EXPECT_TRUE(WaitFor([&] { return run.history->Entries() == HistoryEntries{u"1+1"}; })) << "not read";
  EXPECT_EQ(Calculate(L" 2*2 "), L"4.00");
  EXPECT_EQ(Calculate(L"abc"), L"");
  EXPECT_EQ(FileBytes(file), "1+1\r\n2*2\r\n") << "blanks around it are not kept, nor an expression without answer";
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(HistoryAtStart, NoHistoryNeitherReadsNorWritesTheFile) {
  {
    SCOPED_TRACE("a file there");
    Put("1+1\r\n");
    Start(L"/nohistory");
    EXPECT_EQ(Calculate(L"2*2"), L"4.00");
    EXPECT_EQ(run.history->Entries(), HistoryEntries{u"2*2"}) << "the file was read";
    EXPECT_EQ(FileBytes(file), "1+1\r\n");
    TearDown();
  }
  {
    SCOPED_TRACE("no folder");
    RemoveTree(folder);
    Start(L"-NoHistory");
    EXPECT_EQ(Calculate(L"2*2"), L"4.00");
    EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << "the folder was made";
  }
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(HistoryAtStart, AFileThatCannotBeUsedIsToldOnceAndCalculationsGoOn) {
  const struct {
    const char* Kind;
    bool Locked;
  } rows[] = {{"a file where the folder should be", false}, {"locked by another program", true}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Kind);
    RemoveTree(folder);
    Handle lock;
    if (r.Locked) {
      Put("1+1\r\n");
      lock = Handle(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    } else {
      ASSERT_TRUE(WriteFileBytes(folder, "not a folder"));
    }
    boxes.Boxes.clear();
    Start(L"");
    EXPECT_EQ(Calculate(L"2*2"), L"4.00");
    EXPECT_EQ(Calculate(L"3*3"), L"9.00");
    lock.Reset();
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Text.find(kHistoryUnusableNotice), 0u);
    EXPECT_NE(boxes.Boxes[0].Text.find(FromWide(file)), std::u16string::npos) << "the box names the file";
    EXPECT_EQ(run.history->Entries(), (HistoryEntries{u"2*2", u"3*3"})) << "the run's list goes on";
    TearDown();
  }
}

}  // namespace
}  // namespace quorva::test
