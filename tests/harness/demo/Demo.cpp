// quorva-demo: opens the stand-in editor with a sample text and a selection, then Quorva in front
// of it, as a user starts it from the editor's tool menu.
//   quorva-demo                 the user works; when Quorva ends, prints what the editor holds
//   quorva-demo --scripted DIR  types an expression, hands the answer over, saves screenshots
//                               (BMP) in DIR and prints what the editor received
//   quorva-demo --shot FILE     a calculation on show; saves the calculator window as BMP
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption

using namespace quorva::test;

namespace {

using quorva::kCaption;
constexpr wchar_t kSample[] = L"合計: XYZ 円";  // "XYZ" is selected: the answer goes there

RECT Union(HWND a, HWND b) {
  RECT ra, rb, u;
  GetWindowRect(a, &ra);
  GetWindowRect(b, &rb);
  UnionRect(&u, &ra, &rb);
  return u;
}

// Lets a window finish painting before a screenshot: it has answered a message sent after the
// paint requests, so its queue has been worked through.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

void PrintEditorText(HWND edit) {
  std::string bytes = AnsiWindowText(edit);  // the console shows the ANSI code page
  std::printf("editor received: %s\n", bytes.c_str());
  std::fflush(stdout);
}

int Fail(const char* what) {
  std::fprintf(stderr, "quorva-demo: %s\n", what);
  return 1;
}

constexpr DWORD kEndDeadlineMs = 10000;   // for a program asked to close
constexpr DWORD kByHandWaitMs = 60000;    // one round of waiting while a person uses the programs

// The stand-in editor with a sample selected, in front; its edit control through edit.
bool StartEditor(Process& editor, HWND& editorWindow, HWND& edit) {
  const std::wstring args = std::wstring(L"--text \"") + kSample + L"\" --sel 6,9 --pos 40,40,520,300";
  if (!editor.Start(WindowsPath(QUORVA_EDITOR_EXE), args)) return false;
  if (!WaitUntil([&] {
        editorWindow = editor.FindWindowOf();
        return editorWindow && GetForegroundWindow() == editorWindow;
      })) {
    return false;
  }
  edit = FindWindowExW(editorWindow, nullptr, L"TEditor", nullptr);
  return true;
}

// A person uses both programs; the demo ends with them.
int ByHand(Process& quorva, Process& editor, HWND edit) {
  while (quorva.Running()) WaitUntil([&] { return !quorva.Running(); }, kByHandWaitMs);
  PrintEditorText(edit);
  while (editor.Running()) WaitUntil([&] { return !editor.Running(); }, kByHandWaitMs);
  return 0;
}

// Types the expression (with digit grouping switched on for the screenshot) and presses Enter.
bool Calculate(HWND window, bool shot) {
  WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, IDC_TXTCALC); });
  TypeText(shot ? L"1234.5*2" : L"(1+2)*3");
  if (shot) {
    ClickWindow(GetDlgItem(window, IDC_CHKGROUP), [&] { return FocusOf(window) == GetDlgItem(window, IDC_CHKGROUP); });
    ClickWindow(GetDlgItem(window, IDC_TXTCALC), [&] { return FocusOf(window) == GetDlgItem(window, IDC_TXTCALC); });
  }
  PressKey(VK_RETURN);
  if (!WaitUntil([&] { return !WindowText(GetDlgItem(window, IDC_TXTANS)).empty(); })) return false;
  Settle(window);
  return true;
}

int SaveShot(Process& quorva, HWND window, const std::wstring& file) {
  RECT rc;
  GetWindowRect(window, &rc);
  const bool ok = SaveScreen(rc, file);
  PostMessageW(window, WM_CLOSE, 0, 0);
  quorva.WaitForExit(kEndDeadlineMs);
  return ok ? 0 : Fail("cannot save the screenshot");
}

// The answer handed to the editor with its button, a screenshot before and after.
int PlayScripted(Process& quorva, HWND window, Process& editor, HWND editorWindow, HWND edit, const std::wstring& out) {
  SaveScreen(Union(editorWindow, window), out + L"\\1-calculated.bmp");
  HWND button = GetDlgItem(window, IDC_CMDTERAPAD);
  ClickWindow(button, [&] { return FocusOf(window) == button; });
  if (!quorva.WaitForExit(kEndDeadlineMs)) return Fail("Quorva did not end");
  Settle(editorWindow);
  SaveScreen(Union(editorWindow, editorWindow), out + L"\\2-editor.bmp");
  PrintEditorText(edit);
  PostMessageW(editorWindow, WM_CLOSE, 0, 0);
  editor.WaitForExit(kEndDeadlineMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  const bool shot = mode == "--shot";
  std::wstring out;
  if (argc > 2) {
    std::string a = argv[2];
    out.assign(a.begin(), a.end());
  }
  Process editor;
  HWND editorWindow = nullptr, edit = nullptr;
  if (!shot && !StartEditor(editor, editorWindow, edit)) return Fail("the editor did not come to the front");
  Process quorva;
  if (!quorva.Start(WindowsPath(QUORVA_EXE), L"")) return Fail("cannot start quorva.exe");
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; })) return Fail("no window");
  if (mode.empty()) return ByHand(quorva, editor, edit);
  if (!Calculate(window, shot)) return Fail("no answer");
  if (shot) return SaveShot(quorva, window, out);
  return PlayScripted(quorva, window, editor, editorWindow, edit, out);
}
