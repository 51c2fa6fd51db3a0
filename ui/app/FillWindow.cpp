#include "ui/app/FillWindow.h"

#include <commctrl.h>

#include "channels/MessageChannel.h"
#include "common/windows/Boundary.h"
#include "ui/app/Notices.h"
#include "ui/app/WindowStart.h"
#include "ui/form/ControlProperties.h"
#include "ui/window/resource.h"

namespace quorva {

namespace {

constexpr UINT kCaretToEnd = WM_APP + 0x51;
constexpr UINT_PTR kCaretSubclass = 0x51;

// The window's focus handling selects the whole text of a box that gains the focus; a text
// taken from the editor is to be completed, not replaced, so the first time the focus arrives
// the caret goes after the text once that handling is done.
LRESULT CaretToEnd(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR);
constexpr auto CaretToEndOnFirstFocus = GuardedSubclass<CaretToEnd>;

LRESULT CaretToEnd(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  if (msg == WM_SETFOCUS) {
    PostMessageW(box, kCaretToEnd, 0, 0);
  } else if (msg == kCaretToEnd) {
    RemoveWindowSubclass(box, CaretToEndOnFirstFocus, id);
    if (GetFocus() == box) SetSelStart(box, GetWindowTextLengthW(box));
    return 0;
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(box, CaretToEndOnFirstFocus, id);
  }
  return DefSubclassProc(box, msg, wParam, lParam);
}

}  // namespace

void ApplyStartOptions(frmCalc& form, clsTeraPad* bridge, const StartOptions& options) {
  if (options.Places) SetText(form.Item(IDC_TXTAFTER), std::wstring(1, *options.Places));
  if (options.Group) SetValue(form.Item(IDC_CHKGROUP), BST_CHECKED);
  if (options.Wide) SetValue(form.Item(IDC_CHKWIDE), BST_CHECKED);
  form.SetRounding(options.Round);
  if (!options.Selection || !bridge || !bridge->hEdit()) return;
  // A read that fails is told once, and the window opens as it would without the option.
  const SelectionRead read = MessageChannel(*bridge).ReadSelection();
  TellEditorOutcome(read.Outcome);
  PutExpression(form, ExpressionFromSelection(read.Text));
}

void PutExpression(frmCalc& form, const std::wstring& expression) {
  if (expression.empty()) return;
  HWND calc = form.Item(IDC_TXTCALC);
  SetText(calc, expression);
  SetWindowSubclass(calc, CaretToEndOnFirstFocus, kCaretSubclass, 0);
}

}  // namespace quorva
