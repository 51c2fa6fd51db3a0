#include "tests/harness/support/Ink.h"

#include <algorithm>
#include <vector>

#include "common/windows/Handles.h"
#include "tests/harness/support/Screens.h"

namespace quorva::test {
namespace {

bool Dark(DWORD bgrx) {
  const int b = bgrx & 0xFF, g = (bgrx >> 8) & 0xFF, r = (bgrx >> 16) & 0xFF;
  return r * 299 + g * 587 + b * 114 < 128 * 1000;
}

// The client area's rectangle in screen coordinates.
RECT ClientOnScreen(HWND window) {
  RECT rc;
  GetClientRect(window, &rc);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{origin.x, origin.y, origin.x + rc.right, origin.y + rc.bottom};
}

}  // namespace

std::vector<DWORD> PaintedPixels(HWND window) {
  RECT rc;
  GetClientRect(window, &rc);
  const int w = rc.right, h = rc.bottom;
  return DrawnPixels(w, h, [&](HDC dc) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  });
}

bool ShowsWhatItPaints(HWND window) {
  std::vector<DWORD> painted = PaintedPixels(window);
  std::vector<DWORD> shown = ScreenPixels(ClientOnScreen(window));
  if (painted.empty() || painted.size() != shown.size()) return false;
  // Drawing may leave bits in the fourth byte; only the colour counts.
  for (size_t i = 0; i < painted.size(); ++i) {
    if ((painted[i] & 0xFFFFFF) != (shown[i] & 0xFFFFFF)) return false;
  }
  return true;
}

Ink InkOf(HWND window) {
  Ink ink;
  RECT rc;
  GetClientRect(window, &rc);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int w = rc.right, h = rc.bottom;
  ink.Width = w;
  ink.Height = h;
  if (w <= 0 || h <= 0) return ink;
  // From the screen, not from the window's own DC: what the user sees.
  const std::vector<DWORD> px = ScreenPixels(RECT{origin.x, origin.y, origin.x + w, origin.y + h});
  for (int x = 0; x < w; ++x) {
    bool column = false;
    for (int y = 0; y < h; ++y) {
      if (!Dark(px[static_cast<size_t>(y) * w + x])) continue;
      column = true;
      if (ink.Top < 0 || y < ink.Top) ink.Top = y;
      if (y > ink.Bottom) ink.Bottom = y;
    }
    if (!column) continue;
    ++ink.Columns;
    if (ink.Left < 0) ink.Left = x;
    ink.Right = x;
  }
  return ink;
}

bool ShowsText(HWND window, const std::wstring& text) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  SIZE extent{0, 0};
  {
    const MemoryDc measure(CreateCompatibleDC(nullptr));
    const Selected inFont(measure.Get(), font);
    GetTextExtentPoint32W(measure.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  // The text alone, black on white, in the window's font.
  const int w = extent.cx + 4, h = extent.cy + 4;
  const std::vector<DWORD> drawn = DrawnPixels(w, h, [&](HDC dc) {
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const Selected inFont(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
  });
  // The bounds of its ink.
  int left = w, right = -1, top = h, bottom = -1;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!Dark(drawn[static_cast<size_t>(y) * w + x])) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return false;
  const int tw = right - left + 1, th = bottom - top + 1;
  const RECT client = ClientOnScreen(window);
  const int cw = client.right - client.left, ch = client.bottom - client.top;
  const std::vector<DWORD> shown = ScreenPixels(client);
  for (int oy = 0; oy + th <= ch; ++oy) {
    for (int ox = 0; ox + tw <= cw; ++ox) {
      bool same = true;
      for (int y = 0; y < th && same; ++y) {
        for (int x = 0; x < tw && same; ++x) {
          same = Dark(drawn[static_cast<size_t>(top + y) * w + left + x]) ==
                 Dark(shown[static_cast<size_t>(oy + y) * cw + ox + x]);
        }
      }
      if (same) return true;
    }
  }
  return false;
}

}  // namespace quorva::test
