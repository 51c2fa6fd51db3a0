#pragma once
// The real calculator window, created in the test process and brought to the front.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>

#include "UiTest.h"
#include "tests/harness/support/RealMessageBoxes.h"
#include "ui/form/ControlProperties.h"
#include "ui/app/Main.h"
#include "ui/app/Notices.h"
#include "ui/window/frmCalc.h"
#include "ui/window/resource.h"

namespace quorva::test {

// A stand-in for the editor inside the test process: a window in front with a "TEditor" child
// (an edit control under that class name), so that the bridge finds an editor.
class FakeEditor {
 public:
  FakeEditor();
  ~FakeEditor();
  HWND Main() const { return main_; }
  HWND Edit() const { return edit_; }

 private:
  HWND main_ = nullptr, edit_ = nullptr;
};

class CalcFixture : public ::testing::Test {
 protected:
  // withEditor: the bridge is created while a fake editor is in front, as at a real start.
  void Open(bool withEditor = false);
  void SetUp() override {}
  void TearDown() override;

  HWND Item(int id) const { return GetDlgItem(form->hWnd(), id); }
  std::wstring Text(int id) const { return GetText(Item(id)); }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool HasFocus(int id) const { return GetFocus() == Item(id); }
  void Click(int id) {
    SendMessageW(Item(id), BM_CLICK, 0, 0);
    Pump();
  }
  // Types an expression and the options, then presses the calculate button.
  std::wstring Calculate(const std::wstring& expr, const std::wstring& after = L"", bool group = false,
                         bool wide = false);
  // Types the expression with real keys into the emptied expression box and presses Enter.
  void TypeAndEnter(const std::wstring& expr);
  // The same for an expression that brings a message box: waits until real has closed one more
  // box and the window is back in front with the focus in the expression box.
  void TypeAndEnterToBox(RealBoxesClosedByEnter& real, const std::wstring& expr);

  MessageBoxRecorder boxes;
  std::optional<FakeEditor> editor;
  std::unique_ptr<clsTeraPad> bridge;  // the run's reference, which the window clears on unload
  std::unique_ptr<History> history;    // none unless a test puts one
  std::unique_ptr<frmCalc> form;
  bool unloaded = false;
};

}  // namespace quorva::test
