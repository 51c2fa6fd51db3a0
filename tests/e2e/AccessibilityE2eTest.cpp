// A screen reader is another process: it asks quorva.exe's controls for their names through
// MSAA, across the process boundary.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <optional>

#include "common/windows/Handles.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption

namespace quorva::test {
namespace {

std::wstring NameOf(HWND control) {
  ComPtr<IAccessible> acc;
  // MinGW's IID_IAccessible, linked statically, is not the interface's GUID.
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(acc.GetAddressOf())))) {
    return L"(no object)";
  }
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text = L"(no name)";
  if (SUCCEEDED(acc->get_accName(self, &name)) && name) {
    text.assign(name, SysStringLen(name));
    SysFreeString(name);
  }
  return text;
}

TEST(AccessibleNamesFromAnotherProcess, ButtonsAndBoxesAreNamed) {
  const ComScope com(COINIT_APARTMENTTHREADED);
  ASSERT_TRUE(com.Entered());
  {
    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), L""));
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; }));
    const struct {
      int Id;
      const wchar_t* Name;
    } rows[] = {
        {IDC_TXTCALC, L"式"}, {IDC_CMDSUM, L"計算"}, {IDC_CMDTERAPAD, L"TeraPad"}, {IDC_TXTAFTER, L"小数点以下の桁数"},
    };
    for (const auto& r : rows) EXPECT_EQ(NameOf(GetDlgItem(window, r.Id)), r.Name) << "control " << r.Id;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quorva.WaitForExit(10000));
  }
}

}  // namespace
}  // namespace quorva::test
