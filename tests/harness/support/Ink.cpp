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

namespace {

// The text alone, black on white, in the font, cut to the bounds of its ink; empty when it
// leaves none.
struct Drawn {
  std::vector<DWORD> pixels;
  int stride = 0;
  RECT ink{};  // in pixels
};

Drawn TextAlone(HFONT font, const std::wstring& text) {
  SIZE extent{0, 0};
  {
    const MemoryDc measure(CreateCompatibleDC(nullptr));
    const Selected inFont(measure.Get(), font);
    GetTextExtentPoint32W(measure.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const int w = extent.cx + 4, h = extent.cy + 4;
  Drawn d;
  d.stride = w;
  d.pixels = DrawnPixels(w, h, [&](HDC dc) {
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const Selected inFont(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
  });
  d.ink = {w, h, -1, -1};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!Dark(d.pixels[static_cast<size_t>(y) * w + x])) continue;
      d.ink.left = std::min<LONG>(d.ink.left, x), d.ink.right = std::max<LONG>(d.ink.right, x);
      d.ink.top = std::min<LONG>(d.ink.top, y), d.ink.bottom = std::max<LONG>(d.ink.bottom, y);
    }
  }
  return d;
}

// Whether the ink lies at ox, oy of what is shown, dark for dark and light for light.
bool InkAt(const Drawn& d, const std::vector<DWORD>& shown, int shownStride, int ox, int oy) {
  for (int y = 0; y <= d.ink.bottom - d.ink.top; ++y) {
    for (int x = 0; x <= d.ink.right - d.ink.left; ++x) {
      if (Dark(d.pixels[static_cast<size_t>(d.ink.top + y) * d.stride + d.ink.left + x]) !=
          Dark(shown[static_cast<size_t>(oy + y) * shownStride + ox + x])) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool ShowsText(HWND window, const std::wstring& text) {
  const Drawn d = TextAlone(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), text);
  if (d.ink.right < 0) return false;
  const int tw = d.ink.right - d.ink.left + 1, th = d.ink.bottom - d.ink.top + 1;
  const RECT client = ClientOnScreen(window);
  const int cw = client.right - client.left, ch = client.bottom - client.top;
  const std::vector<DWORD> shown = ScreenPixels(client);
  for (int oy = 0; oy + th <= ch; ++oy) {
    for (int ox = 0; ox + tw <= cw; ++ox) {
      if (InkAt(d, shown, cw, ox, oy)) return true;
    }
  }
  return false;
}

}  // namespace quorva::test
