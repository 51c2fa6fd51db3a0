// Every kind of place where the system calls into Quorva, with a failure put in: one report with
// the catalogue's number and text, and the program goes on (or ends cleanly where it cannot).
#include <windows.h>
#include <commctrl.h>

#include <new>
#include <optional>
#include <stdexcept>

#include "CalcFixture.h"
#include "common/text/Ansi.h"
#include "common/windows/Boundary.h"
#include "shared/RuntimeError.h"
#include "ui/form/Form.h"
#include "ui/form/MessageLoop.h"

namespace quorva::test {
namespace {

enum class Fault { kRuntime, kMemory, kOther };

std::optional<Fault> gFault;  // what the injected code throws; nothing when empty

void ThrowIfAsked() {
  if (!gFault) return;
  switch (*gFault) {
    case Fault::kRuntime: Raise(kOverflow);
    case Fault::kMemory: throw std::bad_alloc();
    case Fault::kOther: throw std::logic_error("injected");
  }
}

class InjectedForm : public Form {
 public:
  InjectedForm() {
    CreateFormWindow(L"boundary", WS_OVERLAPPEDWINDOW, 0, nullptr);
    box = AddControl(L"EDIT", WS_VISIBLE | WS_TABSTOP, 0, 1, L"txtBox", Kind::TextBox, L"abc", L"", RECT{0, 0, 80, 20});
  }
  HWND box = nullptr;
  int commands = 0;

 protected:
  void OnCommand(int, int, HWND) override {
    ThrowIfAsked();
    ++commands;
  }
  void Form_KeyDown(uint16_t&, uint16_t) override { ThrowIfAsked(); }
};

LRESULT InjectedSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETTEXTLENGTH) ThrowIfAsked();
  return DefSubclassProc(window, msg, wParam, lParam);
}

struct Boundary {
  const char* name;
  // Runs the boundary with the fault armed; true when the program can go on afterwards as it
  // should (the window answers, or the run ended cleanly).
  bool (*run)(InjectedForm& form);
};

const Boundary kBoundaries[] = {
    {"window procedure",
     [](InjectedForm& form) {
       SendMessageW(form.hWnd(), WM_COMMAND, 1, 0);
       gFault.reset();
       SendMessageW(form.hWnd(), WM_COMMAND, 1, 0);
       return form.commands == 1;
     }},
    {"message loop (key preview)",
     [](InjectedForm& form) {
       MSG msg{form.box, WM_KEYDOWN, 'A', 0, 0, {}};
       PumpMessage(msg);
       return IsWindow(form.hWnd()) != FALSE;
     }},
    {"subclass procedure",
     [](InjectedForm& form) {
       SetWindowSubclass(form.box, GuardedSubclass<InjectedSubclass>, 1, 0);
       // The control's own procedure answers in its place.
       const LRESULT length = SendMessageW(form.box, WM_GETTEXTLENGTH, 0, 0);
       RemoveWindowSubclass(form.box, GuardedSubclass<InjectedSubclass>, 1);
       return length == 3;
     }},
    {"WinMain",
     [](InjectedForm&) {
       HWND window = nullptr;
       const int code = RunAtBoundary([&] {
         QuorvaRun run;
         Main(run);
         window = run.gCalc->hWnd();
         ThrowIfAsked();
         return 0;
       });
       // The run ended on the way out: its window is gone.
       return code == 1 && window != nullptr && !IsWindow(window);
     }},
};

TEST(Boundary, EveryKindReportsOnceFromTheCatalogueAndGoesOn) {
  const struct {
    Fault fault;
    const char16_t* number;
    const char16_t* text;
  } faults[] = {
      {Fault::kRuntime, u"Error #6 ", u"オーバーフローしました。"},
      {Fault::kMemory, u"Error #7 ", u"メモリが不足しています。"},
      {Fault::kOther, u"Error #51 ", u"内部エラーです。"},
  };
  for (const Boundary& b : kBoundaries) {
    for (const auto& f : faults) {
      SCOPED_TRACE(std::string(b.name) + ", " + ToAnsi(f.text));
      MessageBoxRecorder boxes;
      InjectedForm form;
      ASSERT_NE(form.hWnd(), nullptr);
      gFault = f.fault;
      EXPECT_TRUE(b.run(form)) << "the program did not go on";
      gFault.reset();
      ASSERT_EQ(boxes.Boxes.size(), 1u);
      EXPECT_EQ(boxes.Boxes[0].Caption, u"警告");
      EXPECT_NE(boxes.Boxes[0].Text.find(f.number), std::u16string::npos) << ToAnsi(boxes.Boxes[0].Text);
      EXPECT_NE(boxes.Boxes[0].Text.find(f.text), std::u16string::npos) << ToAnsi(boxes.Boxes[0].Text);
    }
  }
}

}  // namespace
}  // namespace quorva::test
