// The calculator window's controls: created, given pictures and tooltips, and laid out from the
// control table.
#include "ui/window/frmCalc.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <utility>

#include "ui/window/ControlTable.h"
#include "ui/window/Pictures.h"

namespace quorva {

namespace {

// What every control of a kind has.
struct KindRow {
  Kind ControlKind;
  const wchar_t* ClassName;
  DWORD Style;
  DWORD ExStyle;
  HWND InsertAfter;  // drawing order: frames go to the bottom so that they never paint over their contents
};

const KindRow kKinds[] = {
    {Kind::TextBox, L"EDIT", WS_TABSTOP, WS_EX_CLIENTEDGE, HWND_TOP},
    // Drawn by the window: the system shows a disabled picture as an embossed grey tile.
    {Kind::CommandButton, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW | BS_BITMAP, 0, HWND_TOP},
    {Kind::CheckBox, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, HWND_TOP},
    {Kind::Frame, L"BUTTON", BS_GROUPBOX, 0, HWND_BOTTOM},
    {Kind::Label, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, HWND_TOP},
};

const KindRow& KindOf(const ControlRow& row) {
  for (const KindRow& k : kKinds) {
    if (k.ControlKind == row.ControlKind) return k;
  }
  return kKinds[0];
}

// The window-relative position of a control, in twips.
POINT TwipOrigin(const ControlRow& row) {
  POINT p{row.Left, row.Top};
  if (const ControlRow* frame = row.Container ? RowOf(row.Container) : nullptr) {
    p.x += frame->Left;
    p.y += frame->Top;
  }
  return p;
}

HFONT MakeFont(const wchar_t* face, bool bold, UINT dpi) {
  LOGFONTW lf = {};
  lf.lfHeight = -MulDiv(kFontPoints, static_cast<int>(dpi), kPointsPerInch);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

}  // namespace

void frmCalc::CreateControls() {
  // Each control is created where it goes, in its font: moving and resizing them afterwards is
  // start-up time (a round trip to the window manager each).
  const MemoryDc measure(CreateCompatibleDC(nullptr));
  for (const ControlRow& row : kControls) {
    const KindRow& kind = KindOf(row);
    DWORD style = WS_VISIBLE | kind.Style | row.Style | (row.Enabled ? 0 : WS_DISABLED);
    HWND h = AddControl(kind.ClassName, style, kind.ExStyle, row.Id, row.Name, row.ControlKind, row.Caption, row.Tag,
                        ControlRect(row, measure.Get()));
    GiveFont(row, h);
    if (row.ControlKind == Kind::TextBox) SendMessageW(h, EM_SETLIMITTEXT, static_cast<WPARAM>(row.MaxLength), 0);
    if (!row.InputMethod) ImmAssociateContext(h, nullptr);
  }
  // Once all exist: a control created later would otherwise go below a frame moved down earlier.
  // Only the drawing order changes; the Tab order stays the collection order.
  for (const ControlRow& row : kControls) {
    const KindRow& kind = KindOf(row);
    if (kind.InsertAfter != HWND_TOP) {
      SetWindowPos(Item(row.Id), kind.InsertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// Each button gets its picture drawn for the window's DPI, and its greyed form for when it is
// disabled.
void frmCalc::LoadPictures() {
  size_t next = 0;
  for (const ControlRow& row : kControls) {
    if (!row.Picture) continue;
    // The old pictures go once the button holds the new one.
    const Bitmap old = std::exchange(pictures_[next], LoadPicture(row.Picture, Dpi()));
    const Bitmap oldGreyed = std::exchange(greyed_[next], GreyedPicture(pictures_[next].Get()));
    SendMessageW(Item(row.Id), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_[next++].Get()));
  }
}

void frmCalc::DrawButton(const DRAWITEMSTRUCT& item) {
  size_t next = 0;
  for (const ControlRow& row : kControls) {
    if (!row.Picture) continue;
    if (row.Id == static_cast<int>(item.CtlID)) {
      DrawPictureButton(item, pictures_[next].Get(), greyed_[next].Get());
      return;
    }
    ++next;
  }
}

void frmCalc::CreateTooltips() {
  tooltip_ = OwnedWindow(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd(), nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) return;
  for (const ControlRow& row : kControls) {
    if (!row.Tooltip) continue;
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hWnd();
    ti.uId = reinterpret_cast<UINT_PTR>(Item(row.Id));
    ti.lpszText = const_cast<wchar_t*>(row.Tooltip);
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

HFONT frmCalc::FontOf(FontKind kind) const {
  switch (kind) {
    case FontKind::Bold: return fontBold_.Get();
    case FontKind::Fixed: return fontFixed_.Get();
    default: return fontDefault_.Get();
  }
}

void frmCalc::MakeFonts() {
  const UINT dpi = Dpi();
  fontDefault_ = Font(MakeFont(L"ＭＳ Ｐゴシック", false, dpi));
  fontBold_ = Font(MakeFont(L"ＭＳ Ｐゴシック", true, dpi));
  fontFixed_ = Font(MakeFont(L"ＭＳ ゴシック", false, dpi));
  SendMessageW(hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fontDefault_.Get()), FALSE);
}

void frmCalc::GiveFont(const ControlRow& row, HWND h) {
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.Font)), IsWindowVisible(hWnd()));  // hidden: drawn at show
  if (row.ControlKind == Kind::TextBox && (row.Style & ES_CENTER)) {
    // A centred box of one character needs all of its narrow width: with the font's margins
    // the character would not fit and would wrap to a line of its own. (A new font brings
    // the margins back, so they go after it.)
    SendMessageW(h, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  }
}

RECT frmCalc::ControlRect(const ControlRow& row, HDC measure) const {
  POINT origin = TwipOrigin(row);
  int width = Pixels(row.Width), height = Pixels(row.Height);
  if (row.ControlKind == Kind::Label) {
    // Labels are sized to their text; the designed size is what the text needs in the
    // designed font, so a wider substitute font grows the label instead of cutting it.
    const Selected font(measure, FontOf(row.Font));
    RECT rc{0, 0, 0, 0};
    DrawTextW(measure, row.Caption, -1, &rc, DT_CALCRECT | DT_NOPREFIX);
    width = std::max(width, static_cast<int>(rc.right));
    height = std::max(height, static_cast<int>(rc.bottom));
  }
  const int left = Pixels(origin.x), top = Pixels(origin.y);
  return RECT{left, top, left + width, top + height};
}

RECT frmCalc::FormRect(UINT dpi, int left, int top) {
  RECT frame{0, 0, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (left == CW_USEDEFAULT) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  return RECT{left, top, left + width, top + height};
}

void frmCalc::FitClientArea() {
  // The frame may differ from the computed one (a window not yet moved to the new DPI, themes):
  // the client area is what must have the designed size.
  RECT client, window;
  GetClientRect(hWnd(), &client);
  int dx = Pixels(kClientWidth) - client.right, dy = Pixels(kClientHeight) - client.bottom;
  if (dx == 0 && dy == 0) return;
  GetWindowRect(hWnd(), &window);
  SetWindowPos(hWnd(), nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void frmCalc::ApplyLayout(int left, int top) {
  LoadPictures();
  // The controls hold the old fonts until they are given the new ones.
  {
    const Font oldFonts[] = {std::move(fontDefault_), std::move(fontBold_), std::move(fontFixed_)};
    MakeFonts();
    const MemoryDc measure(CreateCompatibleDC(nullptr));
    for (const ControlRow& row : kControls) {
      HWND h = Item(row.Id);
      GiveFont(row, h);
      const RECT r = ControlRect(row, measure.Get());
      SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  PlaceWindow(left, top);
}

void frmCalc::PlaceWindow(int left, int top) {
  const RECT r = FormRect(Dpi(), left, top);
  SetWindowPos(hWnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
}

}  // namespace quorva
