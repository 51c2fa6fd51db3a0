#include "CalcFixture.h"


namespace quorva::test {

FakeEditor::FakeEditor() {
  static bool registered = false;
  if (!registered) {
    // "TEditor" behaves as an edit control: the bridge's messages work on it in-process.
    WNDCLASSEXA wc = {};
    GetClassInfoExA(nullptr, "EDIT", &wc);
    wc.cbSize = sizeof(wc);
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TEditor";
    registered = RegisterClassExA(&wc) != 0;
  }
  main_ = CreateWindowExW(0, L"STATIC", L"fake editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  edit_ = CreateWindowExA(0, "TEditor", "abc XYZ def", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 280, 150, main_,
                          nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit_, EM_SETSEL, 4, 7);
  SetForegroundWindow(main_);
  WaitFor([&] { return GetForegroundWindow() == main_; });
}

FakeEditor::~FakeEditor() {
  if (IsWindow(main_)) DestroyWindow(main_);
}

void CalcFixture::Open(bool withEditor) {
  if (withEditor) editor.emplace();
  bridge = std::make_unique<clsTeraPad>();
  form = std::make_unique<frmCalc>(bridge.get(), TellEditorOutcome, history.get(), [this] { unloaded = true; });
  form->Show();
  SetForegroundWindow(form->hWnd());
  // The window passes its own focus on to the first control by a synthesised Tab.
  ASSERT_TRUE(WaitFor([&] { return HasFocus(IDC_TXTCALC); })) << "focus did not reach txtCalc";
}

void CalcFixture::TearDown() {
  form.reset();
  bridge.reset();
  history.reset();
  editor.reset();
  Pump();
}

std::wstring CalcFixture::Calculate(const std::wstring& expr, const std::wstring& after, bool group, bool wide) {
  SetText(Item(IDC_TXTCALC), expr);
  SetText(Item(IDC_TXTAFTER), after);
  SetValue(Item(IDC_CHKGROUP), group ? BST_CHECKED : BST_UNCHECKED);
  SetValue(Item(IDC_CHKWIDE), wide ? BST_CHECKED : BST_UNCHECKED);
  Click(IDC_CMDSUM);
  return Text(IDC_TXTANS);
}

void CalcFixture::TypeAndEnter(const std::wstring& expr) {
  SetText(Item(IDC_TXTCALC), L"");
  TypeText(expr);
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == expr; })) << testing::PrintToString(Text(IDC_TXTCALC));
  PressKey(VK_RETURN);
}

void CalcFixture::TypeAndEnterToBox(RealBoxesClosedByEnter& real, const std::wstring& expr) {
  const size_t before = real.Texts().size();
  ASSERT_NO_FATAL_FAILURE(TypeAndEnter(expr));
  ASSERT_TRUE(WaitFor([&] {
    return real.Texts().size() == before + 1 && GetForegroundWindow() == form->hWnd() && HasFocus(IDC_TXTCALC);
  })) << "no message, or the window did not come back";
}

}  // namespace quorva::test
