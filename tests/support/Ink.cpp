#include "tests/support/Ink.h"

#include <vector>

#include "tests/support/Screens.h"

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

}  // namespace quorva::test
