// The version information that Explorer's Properties show for quorva.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

class VersionInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe = WindowsPath(QUORVA_EXE);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "quorva.exe has no version information";
    data.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
  }

  // A string of the Japanese Unicode block, or "(none)".
  std::wstring String(const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) {
      return L"(none)";
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
  }

  std::vector<char> data;
};

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

TEST_F(VersionInfo, NamesTheProductAndTheProjectsVersionInJapanese) {
  struct Row {
    const wchar_t* Name;
    std::wstring Expected;
  };
  const Row rows[] = {
      {L"ProductName", L"Quorva"},
      {L"FileDescription", L"Quorva - TeraPad と使う電卓"},
      {L"FileVersion", Widen(QUORVA_VERSION_DOTS)},
      {L"ProductVersion", Widen(QUORVA_PROJECT_VERSION)},
      {L"OriginalFilename", L"quorva.exe"},
      {L"LegalCopyright", L"Copyright (C) 2026 Quorva 開発チーム"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(String(r.Name), r.Expected) << testing::PrintToString(std::wstring(r.Name));
  }

  // Explorer picks the block by the translation table: Japanese, Unicode.
  struct Translation {
    WORD Language, CodePage;
  }* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(Translation));
  EXPECT_EQ(translation->Language, 0x0411);
  EXPECT_EQ(translation->CodePage, 1200);
}

TEST_F(VersionInfo, NumericVersionMatchesTheText) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const std::wstring numeric = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numeric, Widen(QUORVA_VERSION_DOTS));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
}  // namespace quorva::test
