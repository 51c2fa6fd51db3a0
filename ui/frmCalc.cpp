#include "ui/frmCalc.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <string>

#include "common/Clipboard.h"
#include "common/Ansi.h"
#include "common/UserLocale.h"
#include "common/subTool.h"
#include "engine/FormatAnswer.h"
#include "engine/MessageBox.h"
#include "engine/mainProc.h"
#include "ui/Controls.h"
#include "ui/Main.h"
#include "ui/resource.h"

namespace quorva {

namespace {

constexpr wchar_t kCaption[] = L"Quorva β1";
constexpr int kClientWidth = 4755, kClientHeight = 2730;  // twips
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr UINT kReselectAfterClick = WM_APP + 1;
constexpr uint32_t kMbIconExclamation = 0x0030;

enum class Font { Default, Bold, Fixed };

// One row per control, in TabIndex order. Positions are twips; inside a frame they are relative
// to the frame, as designed.
struct ControlRow {
  int Id;
  const wchar_t* Name;
  const wchar_t* TypeName;
  int Container;  // 0: the window; else the frame's ID
  int Left, Top, Width, Height;
  Font FontKind;
  const wchar_t* Caption;
  const wchar_t* Tooltip;
  const wchar_t* Tag;
  bool Enabled;
};

constexpr wchar_t kPriorityText[] =
    L"1:() カッコ最優先\r\n"
    L"2:^  べき乗\r\n"
    L"3:*/ 積・商\r\n"
    L"4:+- 和・差\r\n"
    L"\r\n"
    L"負の値は()で括って下さい";

constexpr ControlRow kControls[] = {
    {IDC_TXTCALC, L"txtCalc", kTextBox, 0, 60, 60, 4635, 555, Font::Bold, L"", L"半角の数字と記号で式を入力して下さい", L"", true},
    {IDC_CMDSUM, L"cmdSum", kCommandButton, 0, 3240, 720, 375, 315, Font::Default, L"", L"計算", L"", true},
    {IDC_CMDCOPY, L"cmdCopy", kCommandButton, 0, 3600, 720, 375, 315, Font::Default, L"", L"コピー", L"", false},
    {IDC_CMDTERAPAD, L"cmdTeraPad", kCommandButton, 0, 3960, 720, 375, 315, Font::Default, L"", L"TeraPad", L"", false},
    {IDC_TXTANS, L"txtAns", kTextBox, 0, 60, 720, 3075, 315, Font::Bold, L"", L"答え", L"", true},
    // The design-time "0" of the decimal-places box is its Tag: the box starts empty and takes
    // digits only, so the first answer shows the regional default number of places.
    {IDC_TXTAFTER, L"txtAfter", kTextBox, IDC_FRAPARAMETER, 1680, 300, 255, 315, Font::Default, L"", nullptr, L"0", true},
    {IDC_CHKGROUP, L"chkGroup", kCheckBox, IDC_FRAPARAMETER, 120, 720, 1815, 195, Font::Default, L"桁区切り", nullptr, L"", true},
    {IDC_CHKWIDE, L"chkWide", kCheckBox, IDC_FRAPARAMETER, 120, 1080, 1815, 195, Font::Default, L"全角文字 (2 バイト) ", nullptr, L"", true},
    {IDC_FRATIPS, L"fraTips", kFrame, 0, 2220, 1140, 2475, 1515, Font::Default, L"優先順位", nullptr, L"", true},
    {IDC_LBLLABEL1, L"lblLabel", kLabel, IDC_FRATIPS, 180, 300, 2160, 1080, Font::Fixed, kPriorityText, nullptr, L"", true},
    // Half-width katakana, as in the original design.
    {IDC_FRAPARAMETER, L"fraParameter", kFrame, 0, 60, 1140, 2055, 1515, Font::Default, L"\uFF8A\uFF9F\uFF97\uFF92\uFF70\uFF80", nullptr, L"", true},
    {IDC_LBLLABEL0, L"lblLabel", kLabel, IDC_FRAPARAMETER, 120, 360, 1440, 180, Font::Default, L"小数点以下の桁数", nullptr, L"", true},
    {IDC_CMDCLR, L"cmdClr", kCommandButton, 0, 4320, 720, 375, 315, Font::Default, L"", L"クリア", L"", true},
};

const ControlRow* RowOf(int id) {
  for (const ControlRow& s : kControls) {
    if (s.Id == id) return &s;
  }
  return nullptr;
}

// The window-relative position of a control, in twips.
POINT TwipOrigin(const ControlRow& s) {
  POINT p{s.Left, s.Top};
  if (const ControlRow* frame = s.Container ? RowOf(s.Container) : nullptr) {
    p.x += frame->Left;
    p.y += frame->Top;
  }
  return p;
}

void ClassAndStyle(const ControlRow& s, const wchar_t*& cls, DWORD& style, DWORD& exStyle) {
  std::wstring_view type = s.TypeName;
  exStyle = 0;
  style = WS_VISIBLE | (s.Enabled ? 0 : WS_DISABLED);
  if (type == kTextBox) {
    cls = L"EDIT";
    exStyle = WS_EX_CLIENTEDGE;
    style |= WS_TABSTOP;
    // A multi-line box without ES_AUTOVSCROLL refuses text taller than its format rectangle,
    // which a one-line box with a one-pixel margin can be with a substitute font.
    if (s.Id == IDC_TXTCALC) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_HSCROLL;  // no wrapping
    if (s.Id == IDC_TXTANS) style |= ES_RIGHT | ES_AUTOHSCROLL;
    if (s.Id == IDC_TXTAFTER) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_CENTER;
  } else if (type == kCommandButton) {
    cls = L"BUTTON";
    style |= WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP;
  } else if (type == kCheckBox) {
    cls = L"BUTTON";
    style |= WS_TABSTOP | BS_AUTOCHECKBOX;
  } else if (type == kFrame) {
    cls = L"BUTTON";
    style |= BS_GROUPBOX;
  } else {
    cls = L"STATIC";
    style |= SS_LEFT | SS_NOPREFIX;
  }
}

int PictureFor(int id) {
  switch (id) {
    case IDC_CMDSUM: return IDB_SUM;
    case IDC_CMDCOPY: return IDB_COPY;
    case IDC_CMDTERAPAD: return IDB_TERAPAD;
    case IDC_CMDCLR: return IDB_CLEAR;
    default: return 0;
  }
}

HFONT MakeFont(const wchar_t* face, bool bold, UINT dpi) {
  LOGFONTW lf = {};
  lf.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

}  // namespace

frmCalc::frmCalc(std::function<void()> onUnloaded) : onUnloaded_(std::move(onUnloaded)) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  locale_ = UserNumberLocale();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  auto icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_QUORVA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  CreateFormWindow(kCaption, kWindowStyle, 0, icon);
  // The caption and the task bar use the 16 x 16 image, drawn for that size, not a shrunk 32 x 32.
  const int small = GetSystemMetrics(SM_CXSMICON);
  if (HANDLE smallIcon = LoadImageW(inst, MAKEINTRESOURCEW(IDI_QUORVA), IMAGE_ICON, small, small, LR_SHARED)) {
    SendMessageW(hWnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  }
  CreateControls();
  ApplyLayout(CW_USEDEFAULT, CW_USEDEFAULT);
  Form_Initialize();
}

frmCalc::~frmCalc() {
  clsFrm.reset();
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  for (HFONT f : {fontDefault_, fontBold_, fontFixed_}) {
    if (f) DeleteObject(f);
  }
  for (HBITMAP b : pictures_) {
    if (b) DeleteObject(b);
  }
}

void frmCalc::Form_Initialize() {
  clsFrm = std::make_unique<clsForm>();
  clsFrm->AtForm(*this);
}

void frmCalc::CreateControls() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  int picture = 0;
  for (const ControlRow& s : kControls) {
    const wchar_t* cls = nullptr;
    DWORD style = 0, exStyle = 0;
    ClassAndStyle(s, cls, style, exStyle);
    HWND h = AddControl(cls, style, exStyle, s.Id, s.Name, s.TypeName, s.Caption, s.Tag);
    if (int id = PictureFor(s.Id)) {
      // Light grey in the pictures becomes the user's button face colour.
      auto bmp = static_cast<HBITMAP>(LoadImageW(inst, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
      pictures_[picture++] = bmp;
      SendMessageW(h, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
    }
  }
  HWND calc = Item(IDC_TXTCALC), after = Item(IDC_TXTAFTER);
  SendMessageW(after, EM_SETLIMITTEXT, 1, 0);
  // No cut-off for a pasted expression: a shortened one would be silently another calculation.
  SendMessageW(calc, EM_SETLIMITTEXT, 0, 0);
  // Expressions are typed in plain characters: no input method in the two input boxes.
  ImmAssociateContext(calc, nullptr);
  ImmAssociateContext(after, nullptr);
  // Frames go to the bottom of the drawing order so that they never paint over their contents;
  // the Tab order stays the collection order.
  SetWindowPos(Item(IDC_FRATIPS), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(Item(IDC_FRAPARAMETER), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void frmCalc::CreateTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!tooltip_) return;
  for (const ControlRow& s : kControls) {
    if (!s.Tooltip) continue;
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hWnd();
    ti.uId = reinterpret_cast<UINT_PTR>(Item(s.Id));
    ti.lpszText = const_cast<wchar_t*>(s.Tooltip);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void frmCalc::ApplyLayout(int left, int top) {
  const UINT dpi = Dpi();
  // The controls hold the old fonts until they are given the new ones.
  const HFONT oldFonts[] = {fontDefault_, fontBold_, fontFixed_};
  fontDefault_ = MakeFont(L"ＭＳ Ｐゴシック", false, dpi);
  fontBold_ = MakeFont(L"ＭＳ Ｐゴシック", true, dpi);
  fontFixed_ = MakeFont(L"ＭＳ ゴシック", false, dpi);
  SendMessageW(hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fontDefault_), FALSE);

  for (const ControlRow& s : kControls) {
    HWND h = Item(s.Id);
    HFONT font = s.FontKind == Font::Bold ? fontBold_ : s.FontKind == Font::Fixed ? fontFixed_ : fontDefault_;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(hWnd()));  // hidden: drawn at show
    POINT origin = TwipOrigin(s);
    int width = Pixels(s.Width), height = Pixels(s.Height);
    if (s.TypeName == std::wstring_view(kLabel)) {
      // Labels are sized to their text; the designed size is what the text needs in the
      // designed font, so a wider substitute font grows the label instead of cutting it.
      HDC hdc = GetDC(h);
      HGDIOBJ old = SelectObject(hdc, font);
      RECT rc{0, 0, 0, 0};
      DrawTextW(hdc, s.Caption, -1, &rc, DT_CALCRECT | DT_NOPREFIX);
      SelectObject(hdc, old);
      ReleaseDC(h, hdc);
      width = std::max(width, static_cast<int>(rc.right));
      height = std::max(height, static_cast<int>(rc.bottom));
    }
    SetWindowPos(h, nullptr, Pixels(origin.x), Pixels(origin.y), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (HFONT f : oldFonts) {
    if (f) DeleteObject(f);
  }

  RECT frame{0, 0, Pixels(kClientWidth), Pixels(kClientHeight)};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (left == CW_USEDEFAULT) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  SetWindowPos(hWnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame may differ from the computed one (a window not yet moved to the new DPI, themes):
  // the client area is what must have the designed size.
  RECT client;
  GetClientRect(hWnd(), &client);
  int dx = Pixels(kClientWidth) - client.right, dy = Pixels(kClientHeight) - client.bottom;
  if (dx != 0 || dy != 0) {
    SetWindowPos(hWnd(), nullptr, 0, 0, width + dx, height + dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
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
  if (msg == kReselectAfterClick) {
    if (clsFrm && GetFocus() == Item(IDC_TXTAFTER)) clsFrm->SelText(true);
    return 0;
  }
  return Form::OnMessage(msg, wParam, lParam);
}

void frmCalc::OnCommand(int id, int code, HWND /*control*/) {
  if (Unloaded()) return;
  switch (id) {
    case IDC_CMDSUM: if (code == BN_CLICKED) cmdSum_Click(); break;
    case IDC_CMDCLR: if (code == BN_CLICKED) cmdClr_Click(); break;
    case IDC_CMDCOPY: if (code == BN_CLICKED) cmdCopy_Click(); break;
    case IDC_CMDTERAPAD: if (code == BN_CLICKED) cmdTeraPad_Click(); break;
    case IDC_TXTANS: if (code == EN_CHANGE) txtAns_Change(); break;
    case IDC_TXTCALC: if (code == EN_SETFOCUS) txtCalc_GotFocus(); break;
    case IDC_TXTAFTER: if (code == EN_SETFOCUS) txtAfter_GotFocus(); break;
    default: break;
  }
}

void frmCalc::cmdSum_Click() {
  HWND calc = Item(IDC_TXTCALC);
  std::u16string text = FromWide(GetText(calc));
  const std::u16string typed = text;
  std::u16string answer;
  try {
    std::u16string result = Calculate(text, locale_);
    answer = FormatAnswer(result, FromWide(GetText(Item(IDC_TXTAFTER))), GetValue(Item(IDC_CHKGROUP)) == BST_CHECKED,
                          GetValue(Item(IDC_CHKWIDE)) == BST_CHECKED, locale_);
  } catch (const RuntimeError& e) {
    // An expression that cannot be evaluated (overflow, invalid argument, type mismatch) is
    // reported; the window stays open and the previous answer stays in place.
    ErrReport(e);
    return;
  }
  if (text != typed) SetText(calc, ToWide(text));  // the display form of a rejected expression
  SetText(Item(IDC_TXTANS), ToWide(answer));
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
  if (answer.empty() || !gTeraPad || !gTeraPad->hEdit()) return;
  if (!IsWindow(gTeraPad->hEdit())) {
    // The editor was closed after Quorva started: nothing can take the answer. Say so and stay
    // open, so that the answer can still be copied.
    MessageBoxRequest box;
    box.Text = kEditorClosedNotice;
    box.Caption = kAppTitle;
    box.Style = kMbIconExclamation;
    ShowMessageBox(box);
    return;
  }
  // A hand-over that the bridge reported (a read-only editor, a partial take, an editor closed
  // meanwhile) keeps the window open with its answer, so that it can still be copied.
  const int32_t reported = gTeraPad->Reports();
  gTeraPad->SelText(answer);
  if (gTeraPad->Reports() != reported) return;
  Unload();
}

void frmCalc::txtAns_Change() {
  bool hasAnswer = !Trim(GetText(Item(IDC_TXTANS))).empty();
  EnableWindow(Item(IDC_CMDCOPY), hasAnswer);
  EnableWindow(Item(IDC_CMDTERAPAD), hasAnswer && gTeraPad && gTeraPad->hEdit());
}

void frmCalc::txtCalc_GotFocus() {
  if (clsFrm) clsFrm->SelText(false);
}

void frmCalc::txtAfter_GotFocus() {
  if (!clsFrm) return;
  clsFrm->SelText(true);
  // A click goes on to place the caret after the focus arrives; select again once it has.
  if (GetAsyncKeyState(VK_LBUTTON) < 0) PostMessageW(hWnd(), kReselectAfterClick, 0, 0);
}

void frmCalc::Form_KeyDown(uint16_t& KeyCode, uint16_t /*Shift*/) {
  const Control* active = ActiveControl();
  if (KeyCode != VK_RETURN || !active) return;
  const std::wstring& name = active->Name;
  if (name == L"txtCalc") {
    SendMessageW(hWnd(), WM_COMMAND, MAKEWPARAM(IDC_CMDSUM, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_CMDSUM)));
  } else if (name == L"txtAfter") {
    SetFocus(Item(IDC_TXTCALC));
  } else if (name == L"chkGroup" || name == L"chkWide") {
    SetValue(active->hWnd, GetValue(active->hWnd) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  }
}

void frmCalc::Form_Unload(int16_t& /*Cancel*/) {
  gTeraPad.reset();
  clsFrm.reset();  // detaches the helper
  if (onUnloaded_) onUnloaded_();
}

}  // namespace quorva
