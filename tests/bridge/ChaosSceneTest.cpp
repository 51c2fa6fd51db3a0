// The chaos editor's decisions from a seed: the same seed gives the same scene and the same
// answers, and every scene holds what a round relies on.
#include <gtest/gtest.h>

#include <string>

#include "Chaos.h"
#include "EditorCore.h"

namespace qeditor {
namespace {

// Whether pos falls between two characters of code page 932 bytes.
bool OnBoundary(const std::string& text, size_t pos) {
  size_t i = 0;
  while (i < pos) i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  return i == pos;
}

TEST(ChaosScene, EverySeedGivesAWholeExpressionOnCharacterBoundaries) {
  int nearSixteenBits = 0, withZeros = 0, readOnlySpells = 0, limited = 0;
  for (uint64_t seed = 0; seed < 400; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const ChaosScene scene = MakeChaosScene(seed);
    ASSERT_LE(scene.selEnd, scene.text.size());
    ASSERT_EQ(scene.text.substr(scene.selStart, scene.selEnd - scene.selStart), scene.expression);
    EXPECT_TRUE(OnBoundary(scene.text, scene.selStart));
    EXPECT_TRUE(OnBoundary(scene.text, scene.selEnd));
    const size_t op = scene.expression.find_first_of("*+");
    ASSERT_NE(op, std::string::npos);
    const long long a = std::stoll(scene.expression.substr(0, op)), b = std::stoll(scene.expression.substr(op + 1));
    EXPECT_EQ(scene.value, scene.expression[op] == '*' ? a * b : a + b);
    EXPECT_EQ(MakeChaosScene(seed).text, scene.text) << "the same seed must give the same text";
    nearSixteenBits += scene.selStart >= 65500 && scene.selStart <= 65540;
    withZeros += scene.text.find('\0') != std::string::npos;

    Chaos one(seed), two(seed);
    bool spell = false, limit = false;
    for (int i = 0; i < 200; ++i) {
      const unsigned message = i % 3 == 0 ? 0x0E : 0x0D;  // WM_GETTEXTLENGTH, then WM_GETTEXT
      const ChaosAnswer x = one.Next(message), y = two.Next(message);
      ASSERT_EQ(x.readOnly, y.readOnly);
      ASSERT_EQ(x.giveLimit, y.giveLimit);
      ASSERT_EQ(x.answer, y.answer);
      // The WM_GETTEXT that measures for a WM_GETTEXTLENGTH hands out everything.
      if (i % 3 == 1) {
        EXPECT_EQ(x.giveLimit, 0u);
      }
      spell = spell || x.readOnly;
      limit = limit || x.giveLimit != 0 || x.takeLimit != 0;
    }
    readOnlySpells += spell;
    limited += limit;
  }
  // Each kind of trouble comes up in a fair share of the seeds.
  EXPECT_GT(nearSixteenBits, 100);
  EXPECT_GT(withZeros, 20);
  EXPECT_GT(readOnlySpells, 40);
  EXPECT_GT(limited, 150);
}

}  // namespace
}  // namespace qeditor
