// How the bridge tells a control's unit from its answers: one row per way a control may answer.
#include <gtest/gtest.h>

#include "bridge/EditorControl.h"

namespace quorva::test {
namespace {

constexpr auto kBytes = PositionUnit::kBytes;
constexpr auto kChars = PositionUnit::kChars;

TEST(ControlKind, TheUnitIsWhatTheControlsAnswersAgreeOn) {
  struct Row {
    const char* name;
    UnitEvidence e;  // unicode, contractBytes, length, whole, bytes, chars, charsBreakOne, end
    UnitVerdict want;  // settled, provisional, unit, breakIsOne
  };
  const Row rows[] = {
      {"no telling character", {false, true, 11, true, 11, 11, 11, 11}, {true, true, kBytes, false}},
      {"bytes, as TeraPad counts", {false, true, 9, true, 9, 7, 7, 9}, {true, false, kBytes, false}},
      {"characters, as the system's EDIT under Wine", {false, true, 9, true, 9, 7, 7, 7}, {true, false, kChars, false}},
      {"a line break as one, as RichEdit", {false, false, 9, true, 9, 7, 6, 6}, {true, false, kChars, true}},
      {"a TEditor without line answers keeps its bytes", {false, true, 9, true, 9, 7, 7, 4},
       {true, true, kBytes, false}},
      {"another control without them is not used", {false, false, 9, true, 9, 7, 7, 4}, {}},
      {"lines past the length: a short read, however whole it looks", {false, true, 2, true, 2, 2, 2, 7}, {}},
      {"handed out short, the lines end at the length", {false, true, 20, false, -1, -1, -1, 20},
       {true, true, kBytes, false}},
      {"handed out short, the lines end before the length", {false, true, 20, false, -1, -1, -1, 15}, {}},
      {"a length that understates a text handed out whole", {false, false, 2, true, 4, 2, 2, 2},
       {true, false, kChars, false}},
      {"Unicode, nothing telling", {true, false, 5, true, 5, 5, 5, 5}, {true, true, kChars, false}},
      {"Unicode counting UTF-16 units", {true, false, 4, true, 6, 4, 4, 4}, {true, false, kChars, false}},
      {"Unicode that claims to count bytes is not used", {true, false, 6, true, 6, 4, 4, 6}, {}},
      {"no length at all", {false, true, -1, false, -1, -1, -1, -1}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const UnitVerdict v = JudgeUnit(r.e);
    EXPECT_EQ(v.settled, r.want.settled);
    if (!r.want.settled) continue;
    EXPECT_EQ(v.provisional, r.want.provisional);
    EXPECT_EQ(v.unit, r.want.unit);
    EXPECT_EQ(v.breakIsOne, r.want.breakIsOne);
  }
}

}  // namespace
}  // namespace quorva::test
