// The regional number conventions as Quorva reads them, under the Japanese Windows of the tests.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/windows/UserLocale.h"
#include "common/subTool.h"

namespace quorva {
namespace {

TEST(UserLocale, JapaneseWindowsGivesPointCommaAndTwoPlaces) {
  ASSERT_EQ(GetACP(), 932u) << "the tests run as a Japanese Windows";
  NumberLocale locale = UserNumberLocale();
  EXPECT_EQ(locale.Decimal, u'.');
  EXPECT_EQ(locale.Group, u',');
  EXPECT_EQ(locale.DefaultDigits, 2);
}

}  // namespace
}  // namespace quorva
