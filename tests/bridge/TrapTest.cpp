// The retry trap: a failing statement runs at most seven times, the seventh failure is reported
// once and the member ends normally; untrapped members pass errors on.
#include "EditorFixture.h"

#include "shared/RuntimeError.h"

namespace quorva::test {
namespace {

// Fails the chosen member a given number of times (-1: every time) with overflow.
class FailingBridge : public clsTeraPad {
 public:
  enum Target { kLength, kSelStart, kClearEdit };
  Target target = kLength;
  int failures = 0;
  int calls = 0;
  bool outOfMemory = false;  // fail with std::bad_alloc instead of overflow

  int32_t Length() override {
    if (target == kLength) Hit();
    return clsTeraPad::Length();
  }
  int32_t SelStart() override {
    if (target == kSelStart) Hit();
    return clsTeraPad::SelStart();
  }
  using clsTeraPad::SelStart;
  void Edit(int32_t lMode, const Any& vAny) override {
    if (target == kClearEdit && lMode == WM_CLEAR) Hit();
    clsTeraPad::Edit(lMode, vAny);
  }

 private:
  void Hit() {
    ++calls;
    if (failures == 0) return;
    if (failures > 0) --failures;
    if (outOfMemory) throw std::bad_alloc();
    Raise(kOverflow);
  }
};

class TrapTest : public EditorFixture {
 protected:
  std::unique_ptr<clsTeraPad> MakeBridge() override { return std::make_unique<Telling<FailingBridge>>(reports); }
  FailingBridge& failing() { return static_cast<FailingBridge&>(*bridge); }
};

TEST_F(TrapTest, AStatementThatAlwaysFailsRunsSevenTimesAndIsReportedOnce) {
  const struct {
    const char* name;
    FailingBridge::Target target;
    size_t limit;
    std::function<void(clsTeraPad&)> call;
    std::string textAfter;
  } cases[] = {
      {"Text read", FailingBridge::kLength, 0, [](clsTeraPad& b) { EXPECT_EQ(b.Text(), L""); }, "abcdef"},
      // The length is read before anything is sent that changes the text.
      {"Text write", FailingBridge::kLength, 0, [](clsTeraPad& b) { b.Text(L"xyz"); }, "abcdef"},
      {"SelText write", FailingBridge::kLength, 0, [](clsTeraPad& b) { b.SelText(L"xyz"); }, "abcdef"},
      {"SelText write, its SelStart", FailingBridge::kSelStart, 0, [](clsTeraPad& b) { b.SelText(L"xyz"); },
       "abcdef"},
      {"piecewise Text read, its clear", FailingBridge::kClearEdit, 3,
       [](clsTeraPad& b) { EXPECT_EQ(b.Text(), L""); }, "abcdef"},
  };
  for (const auto& c : cases) {
    Open(u"abcdef", c.limit, 2, 4);
    failing().target = c.target;
    failing().failures = -1;
    c.call(*bridge);
    EXPECT_EQ(failing().calls, 7) << c.name;
    ASSERT_EQ(reports.size(), 1u) << c.name;
    EXPECT_NE(reports[0].Text.find(u"Error #6    (Source: Quorva)\r\r    オーバーフローしました。"), std::u16string::npos)
        << c.name;
    EXPECT_EQ(Bytes(), c.textAfter) << c.name;
  }
}

TEST_F(TrapTest, SixFailuresAreRetriedSilentlyAndTheMemberCompletes) {
  Open(u"abcdef", 0, 2, 4);
  failing().failures = 6;
  EXPECT_EQ(bridge->Text(), L"abcdef");
  EXPECT_EQ(failing().calls, 7);
  EXPECT_TRUE(reports.empty());

  failing().failures = 6;
  failing().calls = 0;
  bridge->SelText(L"XY");
  EXPECT_EQ(Bytes(), "abXYef");
  EXPECT_TRUE(reports.empty());
}

TEST_F(TrapTest, TheCountStartsAgainWithEachCall) {
  Open(u"abc", 0);
  for (int call = 0; call < 3; ++call) {
    failing().failures = 4;
    EXPECT_EQ(bridge->Text(), L"abc");
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(TrapTest, UntrappedMembersPassTheErrorToTheirCaller) {
  Open(u"abcdef", 0, 2, 4);
  failing().target = FailingBridge::kSelStart;
  failing().failures = -1;
  for (const auto& call : std::vector<std::function<void()>>{
           [&] { bridge->SelLength(); }, [&] { bridge->SelLength(1); }, [&] { bridge->SelText(); }}) {
    try {
      call();
      ADD_FAILURE() << "no error passed on";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number, kOverflow);
    }
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(TrapTest, OutOfMemoryIsErrorSevenInEveryMember) {
  const struct {
    const char* name;
    bool trapped;
    std::function<void(clsTeraPad&)> call;
  } cases[] = {
      {"Text read", true, [](clsTeraPad& b) { EXPECT_EQ(b.Text(), L""); }},
      {"Text write", true, [](clsTeraPad& b) { b.Text(L"xyz"); }},
      {"SelText write", true, [](clsTeraPad& b) { b.SelText(L"xyz"); }},
      {"SelText read", false, [](clsTeraPad& b) { b.SelText(); }},
      {"SelLength read", false, [](clsTeraPad& b) { b.SelLength(); }},
      {"SelLength write", false, [](clsTeraPad& b) { b.SelLength(1); }},
  };
  for (const auto& c : cases) {
    Open(u"abcdef", 0, 2, 4);
    failing().target = c.name[0] == 'T' ? FailingBridge::kLength : FailingBridge::kSelStart;
    failing().failures = -1;
    failing().outOfMemory = true;
    int passedOn = 0;
    try {
      c.call(*bridge);
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number, kOutOfMemory) << c.name;
      ++passedOn;
    } catch (...) {
      ADD_FAILURE() << c.name << ": something other than a run-time error escaped";
    }
    if (c.trapped) {
      EXPECT_EQ(passedOn, 0) << c.name;
      ASSERT_EQ(reports.size(), 1u) << c.name;
      EXPECT_NE(reports[0].Text.find(u"Error #7"), std::u16string::npos) << c.name;
      EXPECT_NE(reports[0].Text.find(u"メモリが不足しています。"), std::u16string::npos) << c.name;
    } else {
      EXPECT_EQ(passedOn, 1) << c.name;
      EXPECT_TRUE(reports.empty()) << c.name;
    }
    EXPECT_EQ(Bytes(), "abcdef") << c.name;
  }
}

TEST_F(TrapTest, PositionOverflowInAnUntrappedMemberRaisesOverflow) {
  Open(u"abc", 0, 1, 1);
  try {
    bridge->SelLength(INT32_MAX);
    ADD_FAILURE() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number, kOverflow);
  }
}

}  // namespace
}  // namespace quorva::test
