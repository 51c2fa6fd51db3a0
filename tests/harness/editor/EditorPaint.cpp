// Drawing the stand-in editor's text, so that screenshots show what arrived.
#include <algorithm>

#include "EditorState.h"
#include "common/windows/Handles.h"

namespace qeditor {
namespace {

void KeepCaretVisible(EditorState& s) {
  RECT rc{};
  GetClientRect(s.edit, &rc);
  const size_t rows = std::max<size_t>(1, static_cast<size_t>((rc.bottom - rc.top) / s.lineHeight));
  const size_t line = static_cast<size_t>(s.core.LineFromChar(static_cast<int64_t>(s.core.Caret())));
  if (line < s.core.TopLine()) s.core.SetTopLine(line);
  if (line >= s.core.TopLine() + rows) s.core.SetTopLine(line - rows + 1);
}

// One line of text with its selected part highlighted; the caret as a bar when nothing is selected.
void PaintLine(HDC dc, const EditorState& s, size_t begin, size_t end, int y) {
  const std::string& t = s.core.Text();
  size_t shown = end;
  while (shown > begin && (t[shown - 1] == '\r' || t[shown - 1] == '\n')) --shown;
  const size_t selA = std::clamp(s.core.SelStart(), begin, shown);
  const size_t selB = std::clamp(s.core.SelEnd(), begin, shown);
  int x = 4;
  const auto draw = [&](size_t a, size_t b, bool selected) {
    if (b <= a) return;
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    TextOutA(dc, x, y, t.data() + a, static_cast<int>(b - a));
    SIZE size{};
    GetTextExtentPoint32A(dc, t.data() + a, static_cast<int>(b - a), &size);
    x += size.cx;
  };
  draw(begin, selA, false);
  const int caretX = x;
  draw(selA, selB, true);
  draw(selB, shown, false);
  const size_t caret = s.core.Caret();
  if (s.core.SelStart() == s.core.SelEnd() && caret >= begin && caret <= shown && (caret < end || end == t.size())) {
    RECT bar{caretX, y, caretX + 2, y + s.lineHeight};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
  }
}

}  // namespace

void Changed(EditorState& s) {
  KeepCaretVisible(s);
  InvalidateRect(s.edit, nullptr, TRUE);
}

void Paint(HWND window, EditorState& s) {
  const quorva::PaintDc paint(window);
  HDC dc = paint.Get();
  const quorva::Selected font(dc, s.font.Get());
  const std::string& t = s.core.Text();
  size_t line = 0;
  size_t begin = 0;
  int y = 2;
  while (true) {
    const size_t nl = t.find('\n', begin);
    const size_t end = nl == std::string::npos ? t.size() : nl + 1;
    if (line >= s.core.TopLine()) {
      PaintLine(dc, s, begin, end, y);
      y += s.lineHeight;
      if (y > paint.Dirty().bottom) break;
    }
    if (nl == std::string::npos) break;
    begin = end;
    ++line;
  }
}

}  // namespace qeditor
