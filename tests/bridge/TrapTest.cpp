// The retry trap: a failing statement runs at most seven times, the seventh failure is reported
// once and the member ends normally; untrapped members pass errors on.
#include "EditorFixture.h"

#include "engine/RuntimeError.h"

namespace quorva::test {
namespace {

// Fails the chosen member a given number of times (-1: every time) with overflow.
class FailingBridge : public clsTeraPad {
 public:
  enum Target { kLength, kSelStart, kClearEdit };
  Target target = kLength;
  int failures = 0;
  int calls = 0;

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
    Raise(kOverflow);
  }
};

class TrapTest : public EditorFixture {
 protected:
  std::unique_ptr<clsTeraPad> MakeBridge() override { return std::make_unique<FailingBridge>(); }
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
      {"Text write", FailingBridge::kLength, 0, [](clsTeraPad& b) { b.Text(L"xyz"); }, "xyz"},
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
