// quorva.exe as a user meets it: started while the editor is in front, driven by real keyboard
// and mouse input, handing its answer to the editor (another process) or the clipboard.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "tests/harness/support/ClipboardText.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/Wait.h"
#include "common/text/Ansi.h"
#include "common/windows/Handles.h"
#include "ui/window/ControlTable.h"  // kCaption

namespace quorva::test {
namespace {

const std::wstring kQuorva = WindowsPath(QUORVA_EXE);
const std::wstring kEditor = WindowsPath(QUORVA_EDITOR_EXE);

class EndToEnd : public ::testing::Test {
 protected:
  // The stand-in editor with "abc XYZ def", "XYZ" selected, in front.
  void StartEditor() {
    editor.emplace();
    ASSERT_TRUE(editor->Start(kEditor, L"--text \"abc XYZ def\" --sel 4,7 --pos 0,0,360,240 --title editor"));
    ASSERT_TRUE(WaitUntil([&] { return (editorWindow = editor->FindWindowOf()) != nullptr; }));
    editorEdit = FindWindowExW(editorWindow, nullptr, L"TEditor", nullptr);
    ASSERT_NE(editorEdit, nullptr);
    // A program that is still starting may yet move the front (a late SetForegroundWindow after
    // its window shows, say): only once the editor waits for input is the front the test's.
    ASSERT_TRUE(editor->WaitForInputIdle(10000)) << "editor still starting";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editorWindow; })) << "editor not in front";
  }

  // quorva.exe, shown, in front, with the focus in the expression box.
  void StartQuorva() {
    quorva.emplace();
    ASSERT_TRUE(quorva->Start(kQuorva, L""));
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva->FindWindowOf(kCaption)) != nullptr; })) << "no window";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window && FocusOf(window) == Item(IDC_TXTCALC); }))
        << "focus did not reach txtCalc";
  }

  HWND Item(int id) const { return GetDlgItem(window, id); }

  // Clicks a control and waits until it has the focus (a button or box takes it on the press).
  void Click(int id) {
    ASSERT_TRUE(ClickWindow(Item(id), [&] { return FocusOf(window) == Item(id); })) << "click on " << id;
  }

  // Types the expression and presses Enter; returns the answer box's text once it has one.
  std::wstring CalculateByKeyboard(const std::wstring& expr) {
    TypeText(expr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTCALC)) == expr; }))
        << "typed: " << testing::PrintToString(WindowText(Item(IDC_TXTCALC)));
    PressKey(VK_RETURN);
    WaitUntil([&] { return !WindowText(Item(IDC_TXTANS)).empty(); });
    return WindowText(Item(IDC_TXTANS));
  }

  std::optional<Process> editor, quorva;
  HWND editorWindow = nullptr, editorEdit = nullptr, window = nullptr;
};

struct ExchangeCase {
  const char* Name;
  const wchar_t* DecimalPlaces;  // typed into txtAfter first, unless empty
  bool Wide;
  const wchar_t* Answer;
};

TEST_F(EndToEnd, AnswerReplacesTheEditorsSelectionAndQuorvaEnds) {
  const ExchangeCase cases[] = {
      {"regional default of two places", L"", false, L"9.00"},
      {"no decimal places", L"0", false, L"9"},
      {"full-width output", L"", true, L"９．００"},
  };
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartEditor();
    StartQuorva();
    if (*c.DecimalPlaces) {
      Click(IDC_TXTAFTER);
      TypeText(c.DecimalPlaces);
      ASSERT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTAFTER)) == c.DecimalPlaces; }));
      PressKey(VK_RETURN);  // back to the expression
      ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == Item(IDC_TXTCALC); }));
    }
    if (c.Wide) {
      Click(IDC_CHKWIDE);
      ASSERT_TRUE(WaitUntil([&] { return SendMessageW(Item(IDC_CHKWIDE), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
      Click(IDC_TXTCALC);
    }
    EXPECT_EQ(CalculateByKeyboard(L"(1+2)*3"), c.Answer);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Item(IDC_CMDTERAPAD)) != FALSE; })) << "exchange disabled";
    const std::wstring shot = L"e2e-" + std::to_wstring(&c - cases) + L"-";
    SaveWindowShot(window, ShotPath(shot + L"quorva.bmp"));

    Click(IDC_CMDTERAPAD);
    EXPECT_TRUE(quorva->WaitForExit(10000)) << "Quorva did not end";
    EXPECT_EQ(quorva->ExitCode(), 0u);
    EXPECT_EQ(AnsiWindowText(editorEdit), ToAnsi(u"abc " + FromWide(c.Answer) + u" def"));
    RedrawWindow(editorWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveWindowShot(editorWindow, ShotPath(shot + L"editor.bmp"));

    quorva.reset();
    editor.reset();
  }
}

TEST_F(EndToEnd, WithoutAnEditorInFrontTheExchangeButtonStaysDisabled) {
  // An editor runs, but another window is in front when Quorva starts: it is not the editor.
  StartEditor();
  HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
  const OwnedWindow ownsOther(other);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
  StartQuorva();
  EXPECT_EQ(CalculateByKeyboard(L"2^10"), L"1024.00");
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_CMDCOPY)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_CMDTERAPAD)));

  // Closing the window ends the program and leaves the editor alone.
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quorva->WaitForExit(10000));
  EXPECT_EQ(AnsiWindowText(editorEdit), "abc XYZ def");
}

TEST_F(EndToEnd, LookingSomethingUpInTheEditorAndComingBackTheExpressionGoesOn) {
  StartEditor();
  StartQuorva();
  TypeText(L"12+");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TXTCALC)) == L"12+"; }));
  // Over to the editor and back, with clicks: back on a spot of the window that is no control.
  ASSERT_TRUE(ClickWindow(editorEdit, [&] { return GetForegroundWindow() == editorWindow; })) << "editor not in front";
  // A round trip through the editor's queue: its thread has taken in everything that the click
  // brought (Wine hands a window system's focus news to the thread that owns the window), so
  // none of it can arrive once Quorva is back in front.
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(editorWindow) == editorEdit; }));
  ASSERT_TRUE(SendMessageTimeoutW(editorWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr));
  // Under Wine without a window manager the editor can take in the system's focus news late and
  // hand the foreground to the desktop just after Quorva took it, even after both programs have
  // answered a round trip; a key typed then reaches no window. Another click brings Quorva back
  // as the first would have, and the key is typed again. What is checked is what Quorva does
  // while it is in front: each key acts on the expression, and none goes to the editor.
  auto inFront = [&] { return GetForegroundWindow() == window && FocusOf(window) == Item(IDC_TXTCALC); };
  auto roundTrips = [&] {
    return SendMessageTimeoutW(editorWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr) &&
           SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  };
  auto step = [&](const std::function<void()>& keys, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!inFront()) {
        // Back on a spot of the window that is no control; in front once both programs have
        // taken in what the click brought.
        SendMouseDown(window, POINT{160, 2});
        SendMouseUp();
        if (!WaitUntil(inFront) || !roundTrips() || !inFront()) continue;
      }
      keys();
      if (WaitUntil(done)) return true;
      if (AnsiWindowText(editorEdit) != "abc XYZ def") {
        ADD_FAILURE() << "the key went to the editor";
        return false;
      }
      if (GetForegroundWindow() == window) {
        ADD_FAILURE() << "Quorva in front, yet the key did not act on the expression";
        return false;
      }
    }
    return false;
  };
  ASSERT_TRUE(step([] { TypeText(L"5"); }, [&] { return WindowText(Item(IDC_TXTCALC)) == L"12+5"; }))
      << "Quorva did not come back with the focus in the expression: "
      << testing::PrintToString(WindowText(Item(IDC_TXTCALC)));
  EXPECT_TRUE(step([] { PressKey(VK_RETURN); }, [&] { return WindowText(Item(IDC_TXTANS)) == L"17.00"; }))
      << testing::PrintToString(WindowText(Item(IDC_TXTANS))) << " from "
      << testing::PrintToString(WindowText(Item(IDC_TXTCALC))) << ", focus on " << GetDlgCtrlID(FocusOf(window))
      << ", front " << (GetForegroundWindow() == window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quorva->WaitForExit(10000));
}

TEST_F(EndToEnd, CopyPutsTheAnswerOnTheClipboardAndQuorvaEnds) {
  StartEditor();
  StartQuorva();
  EXPECT_EQ(CalculateByKeyboard(L"1234.5*2"), L"2469.00");
  Click(IDC_CMDCOPY);
  EXPECT_TRUE(quorva->WaitForExit(10000));
  EXPECT_EQ(ClipboardBytes(), "2469.00");
  EXPECT_EQ(AnsiWindowText(editorEdit), "abc XYZ def") << "the editor is not touched";
}

}  // namespace
}  // namespace quorva::test
