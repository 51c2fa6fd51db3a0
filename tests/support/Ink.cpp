#include "tests/support/Ink.h"

#include <vector>

namespace quorva::test {
namespace {

bool Dark(DWORD bgrx) {
  const int b = bgrx & 0xFF, g = (bgrx >> 8) & 0xFF, r = (bgrx >> 16) & 0xFF;
  return r * 299 + g * 587 + b * 114 < 128 * 1000;
}

// A memory DC holding a top-down 32-bit picture of the window's client size.
class Canvas {
 public:
  explicit Canvas(HWND window) {
    RECT rc;
    GetClientRect(window, &rc);
    width_ = rc.right;
    height_ = rc.bottom;
    if (width_ <= 0 || height_ <= 0) return;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width_;
    bi.bmiHeader.biHeight = -height_;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::vector<DWORD> Pixels() const {
    if (!bits_) return {};
    GdiFlush();
    const auto* px = static_cast<const DWORD*>(bits_);
    std::vector<DWORD> pixels(px, px + static_cast<size_t>(width_) * height_);
    for (DWORD& p : pixels) p &= 0x00FFFFFF;  // drawing may leave alpha bits
    return pixels;
  }

 private:
  int width_ = 0, height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

std::vector<DWORD> ScreenPixels(HWND window) {
  Canvas canvas(window);
  if (!canvas.Dc()) return {};
  // From the screen, not from the window's own DC: what the user sees.
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Pixels();
}

std::vector<DWORD> PaintedPixels(HWND window) {
  Canvas canvas(window);
  if (!canvas.Dc()) return {};
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
  return canvas.Pixels();
}

bool ShowsWhatItPaints(HWND window) {
  const std::vector<DWORD> painted = PaintedPixels(window);
  return !painted.empty() && ScreenPixels(window) == painted;
}

Ink InkOf(HWND window) {
  Ink ink;
  RECT rc;
  GetClientRect(window, &rc);
  const int w = rc.right, h = rc.bottom;
  ink.Width = w;
  ink.Height = h;
  const std::vector<DWORD> px = ScreenPixels(window);
  if (px.empty()) return ink;
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
