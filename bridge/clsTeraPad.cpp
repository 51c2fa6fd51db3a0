#include "bridge/clsTeraPad.h"

#include <climits>
#include <cmath>

#include "bridge/CallDepth.h"
#include "bridge/EditorMessages.h"
#include "bridge/Files.h"
#include "bridge/FindEditor.h"
#include "bridge/RetryTrap.h"
#include "common/text/Ansi.h"
#include "common/windows/Clipboard.h"
#include "common/subTool.h"
#include "engine/NumberText.h"

namespace quorva {
namespace {

int32_t AsInteger(const clsTeraPad::Any& v) {
  if (const auto* n = std::get_if<int32_t>(&v)) return *n;
  const double d = std::nearbyint(TextToNumber(FromWide(std::get<std::wstring>(v))));
  if (!(d >= INT32_MIN && d <= INT32_MAX)) Raise(kOverflow);
  return static_cast<int32_t>(d);
}

std::wstring AsText(const clsTeraPad::Any& v) {
  if (const auto* s = std::get_if<std::wstring>(&v)) return *s;
  return std::to_wstring(std::get<int32_t>(v));
}

}  // namespace

clsTeraPad::clsTeraPad() {
  HWND fg = GetForegroundWindow();
  // With no foreground window there is no editor to take: a search over the top-level windows
  // could pick some unrelated "TEditor".
  if (fg == nullptr) return;
  if (FindWindowA(nullptr, "Program Manager") == fg) return;
  if (FindWindowA("Shell_TrayWnd", nullptr) == fg) return;
  hWin_ = fg;
  hEdit_ = FindEditControl(fg);
  control_ = EditorControl(hEdit_);
  // Known before any position is used; a call finds out again where this could not.
  control_.Settle();
  nowLineTop_ = static_cast<int32_t>(control_.Send(EM_GETFIRSTVISIBLELINE));
  nowLine_ = static_cast<int32_t>(control_.Send(EM_LINEFROMCHAR, -1));
}

HWND clsTeraPad::hWin() const { return hWin_; }
void clsTeraPad::hWin(HWND value) { hWin_ = value; }
HWND clsTeraPad::hEdit() const { return hEdit_; }
void clsTeraPad::hEdit(HWND value) {
  hEdit_ = value;
  control_ = EditorControl(value);
  control_.Settle();
}

EditorControl& clsTeraPad::Control() {
  if (control_.Hwnd() != hEdit()) control_ = EditorControl(hEdit());
  return control_;
}

bool clsTeraPad::Ready(RetryTrap& trap, EditorFault fault) {
  if (depth_ > 1 || Control().Settled()) return true;
  bool settled = false;
  if (!trap([&] { settled = Control().Settle(); })) return false;
  if (!settled) trap.Report(MakeEditorError(fault));
  return settled;
}
std::wstring clsTeraPad::Path() const { return Untrapped([&] { return path_; }); }
void clsTeraPad::Path(const std::wstring& value) {
  Untrapped([&] { path_ = value; });
}
int32_t clsTeraPad::NowLineTop() const { return nowLineTop_; }
void clsTeraPad::NowLineTop(int32_t value) { nowLineTop_ = value; }
int32_t clsTeraPad::NowLine() const { return nowLine_; }
void clsTeraPad::NowLine(int32_t value) { nowLine_ = value; }

void clsTeraPad::Edit(int32_t lMode, const Any& vAny) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    switch (lMode) {
      case EM_UNDO:
      case WM_CUT:
      case WM_COPY:
      case WM_PASTE:
      case WM_CLEAR:
        trap([&] { Control().Send(static_cast<UINT>(lMode)); });
        return;
      case EM_SETSEL: {
        int32_t n = 0;
        if (!trap([&] { n = AsInteger(vAny); })) return;
        if (n <= 0) {
          trap([&] { Control().Send(EM_SETSEL, 0, -1); });
          return;
        }
        int32_t s = 0, e = 0;
        if (!trap([&] { s = static_cast<int32_t>(Control().Send(EM_LINEINDEX, n)); })) return;
        if (!trap([&] { e = static_cast<int32_t>(Control().Send(EM_LINEINDEX, Add(n, 1))); })) return;
        trap([&] { Control().Send(EM_SETSEL, s, Sub(e, 1)); });
        return;
      }
      case EM_REPLACESEL: {
        Units units;
        if (!trap([&] { units = Control().Encode(FromWide(AsText(vAny))); })) return;
        // wParam 0: the replacement is not undoable.
        trap([&] { Control().Replace(units, false); });
        return;
      }
      default:
        return;
    }
  });
}

int32_t clsTeraPad::Length() { return Control().Length(); }

int32_t clsTeraPad::SelStart() {
  const Selection sel = ReadSelection(hEdit());
  selFull_ = sel.full;
  lastSel_ = sel;
  return sel.start;
}

void clsTeraPad::SelStart(int32_t lSel) {
  Control().Send(EM_SETSEL, lSel, lSel);
}

int32_t clsTeraPad::SelLength() {
  return Untrapped([&] {
    const Selection sel = ReadSelection(hEdit());
    const int32_t start = SelStart();
    selFull_ = selFull_ && sel.full;
    return Sub(sel.end, start);
  });
}

void clsTeraPad::SelLength(int32_t lSel) {
  Untrapped([&] {
    const int32_t start = SelStart();
    Control().Send(EM_SETSEL, start, Add(start, lSel));
  });
}

void clsTeraPad::SelText(const std::wstring& sText) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    if (!Ready(trap, EditorFault::kCannotWrite)) return;
    ReplaceSelection(trap, sText, [&] { Edit(EM_REPLACESEL, sText); });
  });
}

void clsTeraPad::SelTextUndoable(const std::wstring& sText) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    if (!Ready(trap, EditorFault::kCannotWrite)) return;
    Units units;
    if (!trap([&] { units = Control().Encode(FromWide(sText)); })) return;
    ReplaceSelection(trap, sText, [&] { Control().Replace(units, true); });
  });
}

std::wstring clsTeraPad::Clip() {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  return Trapped(trap, [&]() -> std::wstring {
    std::string bytes;
    if (!trap([&] { Edit(WM_COPY, -1); })) return {};
    if (!trap([&] { bytes = ReadClipboardAnsi(); })) return {};
    return ToWide(FromAnsi(bytes));
  });
}

void clsTeraPad::Clip(const std::wstring& sText) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    std::string bytes;
    if (!trap([&] { bytes = ToAnsi(FromWide(sText)); })) return;
    if (!trap([&] { WriteClipboardAnsi(bytes); })) return;
    // Without an editor the text is only put on the clipboard, as before.
    if (hEdit() == nullptr || !Ready(trap, EditorFault::kCannotWrite)) return;
    // The paste is checked like a replacement: an editor that pastes only part gets the rest.
    ReplaceSelection(trap, sText, [&] { Edit(WM_PASTE, -1); });
  });
}

std::wstring clsTeraPad::File() {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  return Trapped(trap, [&]() -> std::wstring {
    std::string bytes;
    if (!trap([&] { bytes = ReadWholeFile(Path()); })) return {};
    return ToWide(FromAnsi(bytes));
  });
}

void clsTeraPad::File(const std::wstring& sText) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    std::string bytes;
    if (!trap([&] { bytes = ToAnsi(FromWide(sText)); })) return;
    if (!trap([&] { WriteWholeFile(Path(), bytes); })) return;
    // Only a file that was written whole is worth a reload.
    if (!trap([&] { PostMessageA(hWin(), WM_KEYDOWN, VK_F5, 1); })) return;
    trap([&] { PostMessageA(hWin(), WM_KEYUP, VK_F5, 1); });
  });
}

int32_t clsTeraPad::Line() {
  return static_cast<int32_t>(Control().Send(EM_LINEFROMCHAR, -1));
}

void clsTeraPad::Line(int32_t lLine) {
  const auto lineIndex = [this](int32_t line) {
    return static_cast<int32_t>(Control().Send(EM_LINEINDEX, line));
  };
  Untrapped([&] {
    if (lLine >= 0) {
      SelStart(lineIndex(lLine));
      return;
    }
    SelStart(lineIndex(NowLineTop()));
    SelStart(lineIndex(NowLine()));
  });
}

}  // namespace quorva
