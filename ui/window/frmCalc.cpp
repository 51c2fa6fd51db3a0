#include "ui/window/frmCalc.h"

#include <commctrl.h>

#include <string>

#include "channels/MessageChannel.h"
#include "common/windows/Clipboard.h"
#include "common/text/Ansi.h"
#include "common/windows/UserLocale.h"
#include "common/subTool.h"
#include "engine/Answer.h"
#include "shared/MessageBox.h"
#include "ui/window/Accessibility.h"
#include "ui/form/ControlProperties.h"
#include "ui/window/OneLineBox.h"
#include "ui/window/resource.h"

namespace quorva {

namespace {

constexpr UINT_PTR kReselectAfterClick = 1;  // timer

}  // namespace

frmCalc::frmCalc(clsTeraPad* bridge, EditorTeller tell, History* history, std::function<void()> onUnloaded)
    : bridge_(bridge), tell_(std::move(tell)), history_(history), onUnloaded_(std::move(onUnloaded)) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  locale_ = UserNumberLocale();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  auto icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_QUORVA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  // The caption and the task bar use the 16 x 16 image, drawn for that size, not a shrunk 32 x 32.
  const int small = GetSystemMetrics(SM_CXSMICON);
  auto smallIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_QUORVA), IMAGE_ICON, small, small, LR_SHARED));
  // Created at its final size, centred on the main screen and at that screen's DPI: a window
  // moved or resized after creation costs start-up time.
  const UINT dpi = GetDpiForSystem();
  const RECT place = FormRect(dpi, CW_USEDEFAULT, CW_USEDEFAULT);
  CreateFormWindow(kCaption, kWindowStyle, 0, icon, smallIcon, &place);
  if (!hWnd()) return;  // no window to fill; start-up reports it
  MakeFonts();
  CreateControls();
  LoadPictures();
  GiveAccessibleNames([this](int id) { return Item(id); });
  if (Dpi() != dpi) {
    PlaceWindow(CW_USEDEFAULT, CW_USEDEFAULT);  // it opened on a screen of another DPI
  } else {
    FitClientArea();
  }
  Form_Initialize();
}

frmCalc::~frmCalc() { clsFrm.reset(); }

void frmCalc::Form_Initialize() {
  clsFrm = std::make_unique<clsForm>();
  clsFrm->AtForm(*this);
}

void frmCalc::OnDpiChanged(UINT /*dpi*/, const RECT& suggested) {
  ApplyLayout(suggested.left, suggested.top);
  if (clsFrm) clsFrm->AtForm(*this);  // the inner margins follow the new box sizes
  InvalidateRect(hWnd(), nullptr, TRUE);
}

void frmCalc::Show() {
  ShowWindow(hWnd(), SW_SHOWNORMAL);
  UpdateWindow(hWnd());
  // Tooltips appear only on hovering: created once the window is up, they cost no start-up time.
  if (!tooltip_) CreateTooltips();
}

LRESULT frmCalc::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kReselectAfterClick) {
    // Timer messages come only when no input is waiting, so the click's own messages are done
    // once the button reads up here; until then its caret placement would undo the selection.
    if (GetKeyState(VK_LBUTTON) < 0) return 0;
    KillTimer(hWnd(), kReselectAfterClick);
    if (clsFrm && GetFocus() == Item(IDC_TXTAFTER)) clsFrm->SelText(true);
    return 0;
  }
  if (msg == WM_DRAWITEM) {
    DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return Form::OnMessage(msg, wParam, lParam);
}

void frmCalc::OnCommand(int id, int code, HWND /*control*/) {
  struct EventRow {
    int Id;
    int Code;
    void (frmCalc::*Handler)();
  };
  static constexpr EventRow kEvents[] = {
      {IDC_CMDSUM, BN_CLICKED, &frmCalc::cmdSum_Click},
      {IDC_CMDCLR, BN_CLICKED, &frmCalc::cmdClr_Click},
      {IDC_CMDCOPY, BN_CLICKED, &frmCalc::cmdCopy_Click},
      {IDC_CMDTERAPAD, BN_CLICKED, &frmCalc::cmdTeraPad_Click},
      {IDC_TXTANS, EN_CHANGE, &frmCalc::txtAns_Change},
      {IDC_TXTCALC, EN_CHANGE, &frmCalc::txtCalc_Change},
      {IDC_TXTCALC, EN_SETFOCUS, &frmCalc::txtCalc_GotFocus},
      {IDC_TXTAFTER, EN_SETFOCUS, &frmCalc::txtAfter_GotFocus},
  };
  if (Unloaded()) return;
  // The got-focus rules are for moves inside the window, not for the user coming back to it.
  if (code == EN_SETFOCUS && RestoringFocus()) return;
  for (const EventRow& e : kEvents) {
    if (e.Id == id && e.Code == code) {
      (this->*e.Handler)();
      return;
    }
  }
}

void frmCalc::cmdSum_Click() {
  HWND calc = Item(IDC_TXTCALC);
  std::wstring expression = GetText(calc);
  BlankOutLineBreaks(expression);
  std::u16string text = FromWide(expression);
  const std::u16string typed = text;
  std::u16string answer;
  try {
    const AnswerFormat format{FromWide(GetText(Item(IDC_TXTAFTER))), GetValue(Item(IDC_CHKGROUP)) == BST_CHECKED,
                              GetValue(Item(IDC_CHKWIDE)) == BST_CHECKED, rounding_};
    answer = AnswerOf(text, format, locale_);
  } catch (const RuntimeError& e) {
    // An expression that cannot be evaluated (overflow, invalid argument, type mismatch) gives
    // no answer: the answer box is emptied before the report, so that the copy and editor
    // buttons cannot hand on a figure that belongs to the previous expression.
    ShowAnswer(u"");
    ErrReport(e);
    return;
  }
  if (text != typed) {
    // The display form of a rejected expression, as one step that Ctrl+Z takes back, with the
    // caret at its end and nothing selected, so that the user goes on typing.
    ReplaceUndoably(calc, 0, GetWindowTextLengthW(calc), ToWide(text));
    SendMessageW(calc, EM_SCROLLCARET, 0, 0);
  }
  ShowAnswer(answer);
  if (!answer.empty()) {
    if (history_) history_->Add(FromWide(Trim(expression)));  // blanks around it are not kept
    recall_.Reset();
  }
}

void frmCalc::ShowAnswer(const std::u16string& answer) {
  HWND ans = Item(IDC_TXTANS);
  SetText(ans, ToWide(answer));
  // The box is right-aligned: an answer longer than it shows its right end (the decimals and
  // the last digits), where the caret is put. The edit control would show the left end.
  SetSelStart(ans, GetWindowTextLengthW(ans));
  SendMessageW(ans, EM_SCROLLCARET, 0, 0);
}

void frmCalc::PutAnswer(const std::wstring& answer) { ShowAnswer(FromWide(answer)); }

void frmCalc::PressCalculate() {
  SendMessageW(hWnd(), WM_COMMAND, MAKEWPARAM(IDC_CMDSUM, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_CMDSUM)));
}

void frmCalc::cmdClr_Click() {
  SetText(Item(IDC_TXTCALC), L"");
  SetText(Item(IDC_TXTANS), L"");
  SetText(Item(IDC_TXTAFTER), L"");
  SetValue(Item(IDC_CHKGROUP), BST_UNCHECKED);
  SetValue(Item(IDC_CHKWIDE), BST_UNCHECKED);
  SetFocus(Item(IDC_TXTCALC));
}

void frmCalc::cmdCopy_Click() {
  std::wstring answer = Trim(GetText(Item(IDC_TXTANS)));
  if (answer.empty()) return;
  try {
    WriteClipboardAnsi(ToAnsi(FromWide(answer)), hWnd());
  } catch (const RuntimeError& e) {
    // Another program holds the clipboard: say so and stay open, so the answer is not lost.
    ErrReport(e);
    return;
  } catch (const std::bad_alloc&) {
    ErrReport(MakeError(kOutOfMemory));
    return;
  }
  Unload();
}

void frmCalc::cmdTeraPad_Click() {
  std::wstring answer = Trim(GetText(Item(IDC_TXTANS)));
  if (answer.empty() || !HasEditor()) return;
  // A hand-over that failed (a closed or read-only editor, a partial take) is told; the window
  // stays open with its answer, so that it can still be copied.
  const EditorOutcome put = MessageChannel(*bridge_).ReplaceSelection(answer, false);
  if (!put.ok()) {
    tell_(put);
    return;
  }
  Unload();
}

void frmCalc::txtAns_Change() {
  bool hasAnswer = !Trim(GetText(Item(IDC_TXTANS))).empty();
  EnableWindow(Item(IDC_CMDCOPY), hasAnswer);
  EnableWindow(Item(IDC_CMDTERAPAD), hasAnswer && HasEditor());
}

void frmCalc::txtCalc_Change() {
  HWND calc = Item(IDC_TXTCALC);
  // Once a long expression has scrolled the box sideways, the edit control (Wine's at least)
  // redraws a change only where the change scrolls it: keys typed after Backspace or in the
  // middle would go in unseen. The box is one line, so it is drawn whole after every change.
  InvalidateRect(calc, nullptr, FALSE);
  recall_.Changed();
  // The box stays one line: a pasted line break would scroll the expression out of view.
  KeepOneLine(calc);
}

void frmCalc::txtCalc_GotFocus() {
  if (clsFrm) clsFrm->SelText(false);
}

void frmCalc::txtAfter_GotFocus() {
  if (!clsFrm) return;
  clsFrm->SelText(true);
  // A click goes on to place the caret after the focus arrives; select again once it is over.
  if (GetAsyncKeyState(VK_LBUTTON) < 0) SetTimer(hWnd(), kReselectAfterClick, 10, nullptr);
}

void frmCalc::Form_KeyDown(uint16_t& KeyCode, uint16_t Shift) {
  const Control* active = ActiveControl();
  if (active && active->Id == IDC_TXTCALC && (KeyCode == VK_UP || KeyCode == VK_DOWN)) {
    static const HistoryEntries kNone;
    if (history_) history_->Load();  // an Up quicker than the reading after start-up
    if (recall_.KeyDown(active->hWnd, KeyCode, Shift, history_ ? history_->Entries() : kNone)) KeyCode = 0;
    return;
  }
  if (KeyCode != VK_RETURN || !active) return;
  switch (active->Id) {
    case IDC_TXTCALC: PressCalculate(); break;
    case IDC_TXTAFTER: SetFocus(Item(IDC_TXTCALC)); break;
    case IDC_CHKGROUP:
    case IDC_CHKWIDE:
      SetValue(active->hWnd, GetValue(active->hWnd) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      break;
    default: break;
  }
}

void frmCalc::Form_Unload(int16_t& /*Cancel*/) {
  bridge_ = nullptr;
  clsFrm.reset();  // detaches the helper
  if (onUnloaded_) onUnloaded_();
}

}  // namespace quorva
