// The one clipboard module: it waits for a program that holds the clipboard for a moment, and the
// clipboard it fills always has an owner window of this program.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/windows/Clipboard.h"
#include "common/windows/Handles.h"
#include "tests/harness/support/ClipboardText.h"

namespace quorva::test {
namespace {

TEST(Clipboard, WaitsForAProgramThatHoldsItForAMoment) {
  ClipboardHold hold(60);  // a clipboard viewer reading it
  EXPECT_NO_THROW(WriteClipboardAnsi("abc"));
  EXPECT_EQ(ClipboardBytes(), "abc");
}

TEST(Clipboard, IsFilledWithAnOwnerWindowOfThisProgram) {
  const OwnedWindow own(
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(own);
  for (HWND owner : {own.Get(), static_cast<HWND>(nullptr)}) {
    SCOPED_TRACE(owner ? "owner given" : "no owner given");
    WriteClipboardAnsi("x", owner);
    const HWND now = GetClipboardOwner();
    ASSERT_NE(now, nullptr) << "a clipboard without an owner";
    if (owner) {
      EXPECT_EQ(now, owner);
    }
    DWORD process = 0;
    GetWindowThreadProcessId(now, &process);
    EXPECT_EQ(process, GetCurrentProcessId());
  }
}

}  // namespace
}  // namespace quorva::test
