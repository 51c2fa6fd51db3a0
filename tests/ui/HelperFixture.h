#pragma once
// The form helper attached to a small form of its own, with one control of each kind.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "UiTest.h"
#include "ui/form/ControlProperties.h"
#include "ui/form/Form.h"
#include "ui/form/clsForm.h"

namespace quorva::test {

enum { kUpper = 1, kLower, kDigits, kSpaceZero, kTwoChars, kOtherLetter, kNoTag, kMultiLine, kCombo, kCheck, kOption,
       kButton };

class HelperForm : public Form {
 public:
  HelperForm() {
    CreateFormWindow(L"helper", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, nullptr);
    const DWORD edit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    Add(L"EDIT", edit, kUpper, L"txtUpper", Kind::TextBox, L"A");
    Add(L"EDIT", edit, kLower, L"txtLower", Kind::TextBox, L"a");
    Add(L"EDIT", edit, kDigits, L"txtDigits", Kind::TextBox, L"0");
    Add(L"EDIT", edit, kSpaceZero, L"txtSpaceZero", Kind::TextBox, L" 0");
    Add(L"EDIT", edit, kTwoChars, L"txtTwo", Kind::TextBox, L"AA");
    Add(L"EDIT", edit, kOtherLetter, L"txtOther", Kind::TextBox, L"b");
    Add(L"EDIT", edit, kNoTag, L"txtPlain", Kind::TextBox, L"");
    Add(L"EDIT", edit | ES_MULTILINE, kMultiLine, L"txtMulti", Kind::TextBox, L"");
    Add(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, kCombo, L"cboCombo", Kind::ComboBox, L"A");
    Add(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kCheck, L"chkCheck", Kind::CheckBox, L"A");
    Add(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON, kOption, L"optOption", Kind::OptionButton, L"");
    Add(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kButton, L"cmdButton", Kind::CommandButton, L"0");
    SetWindowPos(hWnd(), nullptr, 50, 50, 400, 500, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HWND Item(int id) const { return GetDlgItem(hWnd(), id); }
  int keyDowns = 0;

 protected:
  void Form_KeyDown(uint16_t&, uint16_t) override { ++keyDowns; }

 private:
  void Add(const wchar_t* cls, DWORD style, int id, const wchar_t* name, Kind kind, const wchar_t* tag) {
    HWND h = AddControl(cls, style, WS_EX_CLIENTEDGE, id, name, kind, L"", tag);
    SetWindowPos(h, nullptr, 10, 10 + 35 * (id - 1), 200, id == kCombo ? 120 : 30, SWP_NOZORDER);
  }
};

class Helper : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<HelperForm>();
    helper = std::make_unique<clsForm>();
    helper->AtForm(*form);
    // In front from the start: a hidden form that a test focuses would be activated then, and
    // the Tab that it synthesises would arrive in the middle of the test.
    ShowInFront();
    form->keyDowns = 0;
  }
  void TearDown() override {
    helper.reset();
    form.reset();
    Pump();
  }
  void ShowInFront() {
    ShowWindow(form->hWnd(), SW_SHOW);
    SetForegroundWindow(form->hWnd());
    // The form passes its focus on by a synthesised Tab; wait until it has arrived, or it would
    // arrive in the middle of the test (or the next one) and move the focus.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == form->hWnd() && form->ActiveControl() != nullptr; }));
  }
  LONG Style(int id) { return GetWindowLongW(form->Item(id), GWL_STYLE); }

  // The control holds the text with the given selection and has the focus; returns the control.
  HWND Prepare(int id, const wchar_t* text, int selStart, int selEnd) {
    HWND h = form->Item(id);
    SetText(h, text);
    SetFocus(h);
    if (id == kCombo) {
      SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(selStart, selEnd));
    } else {
      SendMessageW(h, EM_SETSEL, selStart, selEnd);
    }
    return h;
  }
  std::unique_ptr<HelperForm> form;
  std::unique_ptr<clsForm> helper;
};

}  // namespace quorva::test
