// The owners of Windows objects give each object back exactly once, and only what they still own.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>
#include <utility>

#include "common/windows/Handles.h"

namespace quorva {
namespace {

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }

TEST(Handles, AHandleIsClosedOnceWhoeverOwnsItLast) {
  HANDLE raw = NewEvent();
  {
    Handle first(raw);
    Handle second(std::move(first));
    EXPECT_FALSE(first);
    Handle third;
    third = std::move(second);
    EXPECT_EQ(third.Get(), raw);
    EXPECT_TRUE(IsOpen(raw));
  }
  EXPECT_FALSE(IsOpen(raw));
}

TEST(Handles, ResetClosesTheOldAndReleaseHandsOver) {
  HANDLE a = NewEvent(), b = NewEvent();
  Handle owner(a);
  owner.Reset(b);
  EXPECT_FALSE(IsOpen(a));
  EXPECT_EQ(owner.Release(), b);
  EXPECT_FALSE(owner);
  owner.Reset();
  EXPECT_TRUE(IsOpen(b)) << "a released handle is the caller's";
  CloseHandle(b);
}

TEST(Handles, AFailedOpenIsNothing) {
  const Handle file(CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(file);
  EXPECT_EQ(file.Get(), nullptr);
}

TEST(Handles, GdiObjectsAndDcsAreDeletedAndSelectionsUndone) {
  HBITMAP raw = CreateBitmap(4, 4, 1, 1, nullptr);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_BITMAP);
  {
    const Bitmap bitmap(raw);
    const Selected selected(dc.Get(), bitmap.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), raw);
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), before);
  EXPECT_EQ(GetObjectType(raw), 0u) << "the bitmap was not deleted";
}

TEST(Handles, GlobalMemoryIsUnlockedAndFreed) {
  HGLOBAL raw = GlobalAlloc(GMEM_MOVEABLE, 8);
  {
    const GlobalMemory mem(raw);
    {
      const Locked<char> bytes(mem.Get());
      ASSERT_NE(bytes.Data(), nullptr);
      EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 0u);
  }
  EXPECT_EQ(GlobalSize(raw), 0u) << "the memory was not freed";
}

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, code, wParam, lParam); }

TEST(Handles, WindowsHooksAndMutexesAreGivenBackWhenTheirOwnerGoes) {
  HWND raw = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  { const OwnedWindow window(raw); }
  EXPECT_FALSE(IsWindow(raw)) << "the window was not destroyed";

  HHOOK hook = SetWindowsHookExW(WH_CBT, PassOn, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  { const Hook owner(hook); }
  EXPECT_FALSE(UnhookWindowsHookEx(hook)) << "the hook was still there";

  const Handle mutex(CreateMutexW(nullptr, FALSE, nullptr));
  auto freeElsewhere = [&] {
    DWORD wait = WAIT_FAILED;
    std::thread other([&] {
      wait = WaitForSingleObject(mutex.Get(), 0);
      if (wait == WAIT_OBJECT_0) ReleaseMutex(mutex.Get());
    });
    other.join();
    return wait == WAIT_OBJECT_0;
  };
  {
    const MutexLock lock(mutex.Get(), 0);
    ASSERT_TRUE(lock.Held());
    EXPECT_FALSE(freeElsewhere()) << "held, yet another thread had it";
  }
  EXPECT_TRUE(freeElsewhere()) << "the lock was not given back";
}

TEST(Handles, LibrariesAndIconsAreGivenBackWhenTheirOwnerGoes) {
  constexpr wchar_t kUnused[] = L"msimg32.dll";  // loaded by nothing else of this program
  if (GetModuleHandleW(kUnused) != nullptr) GTEST_SKIP() << "already loaded";
  {
    const Library library(LoadLibraryW(kUnused));
    ASSERT_TRUE(library);
    EXPECT_NE(GetModuleHandleW(kUnused), nullptr);
  }
  EXPECT_EQ(GetModuleHandleW(kUnused), nullptr) << "the library was not freed";

  HICON raw = CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
  ASSERT_NE(raw, nullptr);
  { const Icon icon(raw); }
  ICONINFO info;
  EXPECT_FALSE(GetIconInfo(raw, &info)) << "the icon was not destroyed";
}

// Whether this thread is out of COM: only then can it enter another apartment model.
bool OutOfCom() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr == S_OK;
}

TEST(Handles, ComIsLeftAsOftenAsItWasEnteredAndNotWhenEnteringFailed) {
  std::thread([] {  // a thread of its own, outside COM
    {
      const ComScope outer(COINIT_APARTMENTTHREADED);
      EXPECT_TRUE(outer.Entered());
      {
        const ComScope again(COINIT_APARTMENTTHREADED);  // S_FALSE: entered once more
        EXPECT_TRUE(again.Entered());
        const ComScope otherModel(COINIT_MULTITHREADED);  // refused: must not leave
        EXPECT_FALSE(otherModel.Entered());
      }
      EXPECT_FALSE(OutOfCom()) << "left more often than entered";
    }
    EXPECT_TRUE(OutOfCom()) << "COM was not left";
  }).join();
}

}  // namespace
}  // namespace quorva
