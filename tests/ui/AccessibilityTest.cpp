// What a screen reader reads: the accessible name and role of every control a user can reach,
// through IAccessible as MSAA clients (and UI Automation's bridge) ask for them.
#include <oleacc.h>

#include <optional>

#include "CalcFixture.h"
#include "common/windows/Handles.h"
#include "ui/window/Accessibility.h"

namespace quorva::test {
namespace {

using Accessible = ComPtr<IAccessible>;

class AccessibleNames : public CalcFixture {
 protected:
  void SetUp() override { com_.emplace(COINIT_APARTMENTTHREADED); }
  void TearDown() override {
    CalcFixture::TearDown();
    com_.reset();
  }

  static Accessible Of(HWND control, LONG object = OBJID_CLIENT) {
    Accessible acc;
    // MinGW's IID_IAccessible, linked statically, is not the interface's GUID.
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(object), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(acc.GetAddressOf())))) {
      return {};
    }
    return acc;
  }

  static std::wstring Name(IAccessible* acc) {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (FAILED(acc->get_accName(self, &name)) || !name) return L"(none)";
    std::wstring text(name, SysStringLen(name));
    SysFreeString(name);
    return text;
  }

  static LONG Role(IAccessible* acc) {
    VARIANT self, role;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VariantInit(&role);
    if (FAILED(acc->get_accRole(self, &role)) || role.vt != VT_I4) return -1;
    return role.lVal;
  }

 private:
  std::optional<ComScope> com_;
};

TEST_F(AccessibleNames, EveryControlAUserReachesIsNamedAndKeepsItsRole) {
  Open();
  const struct {
    int Id;
    const wchar_t* Name;
  } rows[] = {
      {IDC_TXTCALC, L"式"},      {IDC_CMDSUM, L"計算"}, {IDC_CMDCOPY, L"コピー"},
      {IDC_CMDTERAPAD, L"TeraPad"}, {IDC_TXTANS, L"答え"}, {IDC_TXTAFTER, L"小数点以下の桁数"},
      {IDC_CHKGROUP, L"桁区切り"}, {IDC_CMDCLR, L"クリア"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << "control " << r.Id);
    Accessible acc = Of(Item(r.Id));
    ASSERT_NE(acc.Get(), nullptr);
    EXPECT_EQ(Name(acc.Get()), r.Name);
    // The role is the system's own: a reader still says "button" or "text".
    Accessible system;
    ASSERT_TRUE(SUCCEEDED(CreateStdAccessibleObject(Item(r.Id), OBJID_CLIENT, __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(system.GetAddressOf()))));
    EXPECT_EQ(Role(acc.Get()), Role(system.Get()));
    // A reader that starts from the control's window object hears the same name.
    if (!AccessibleName(r.Id).empty()) {
      Accessible window = Of(Item(r.Id), OBJID_WINDOW);
      ASSERT_NE(window.Get(), nullptr);
      EXPECT_EQ(Name(window.Get()), r.Name) << "window object";
    }
  }
  // The wide check box is named by its caption too (the trailing blank aside).
  Accessible wide = Of(Item(IDC_CHKWIDE));
  ASSERT_NE(wide.Get(), nullptr);
  EXPECT_EQ(Trim(Name(wide.Get())), L"全角文字 (2 バイト)");
}

TEST_F(AccessibleNames, NothingDrawnChangesAndTheBoxesStillReportTheirText) {
  Open();
  for (int button : {IDC_CMDSUM, IDC_CMDCOPY, IDC_CMDTERAPAD, IDC_CMDCLR}) {
    EXPECT_EQ(Text(button), L"") << "button " << button << " shows a picture only";
  }
  SetText(Item(IDC_TXTCALC), L"(1+2)*3");
  Accessible calc = Of(Item(IDC_TXTCALC));
  ASSERT_NE(calc.Get(), nullptr);
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR value = nullptr;
  ASSERT_TRUE(SUCCEEDED(calc->get_accValue(self, &value)) && value);
  EXPECT_EQ(std::wstring(value, SysStringLen(value)), L"(1+2)*3");
  SysFreeString(value);
}

}  // namespace
}  // namespace quorva::test
