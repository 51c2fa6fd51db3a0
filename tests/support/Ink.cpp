#include "tests/support/Ink.h"

#include <vector>

namespace quorva::test {
namespace {

bool Dark(DWORD bgrx) {
  const int b = bgrx & 0xFF, g = (bgrx >> 8) & 0xFF, r = (bgrx >> 16) & 0xFF;
  return r * 299 + g * 587 + b * 114 < 128 * 1000;
}

}  // namespace

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
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const DWORD*>(bits);
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
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ink;
}

}  // namespace quorva::test
