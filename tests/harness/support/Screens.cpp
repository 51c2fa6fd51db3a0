#include "tests/harness/support/Screens.h"

#include "common/windows/Handles.h"
#include "tests/harness/support/Processes.h"

namespace quorva::test {

std::vector<DWORD> DrawnPixels(int w, int h, const std::function<void(HDC)>& draw) {
  std::vector<DWORD> pixels;
  if (w <= 0 || h <= 0) return pixels;
  const MemoryDc mem(CreateCompatibleDC(WindowDc(nullptr).Get()));
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const Bitmap bmp(CreateDIBSection(mem.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp) return pixels;
  const Selected into(mem.Get(), bmp.Get());
  draw(mem.Get());
  GdiFlush();
  const auto* px = static_cast<const DWORD*>(bits);
  pixels.assign(px, px + static_cast<size_t>(w) * h);
  return pixels;
}

std::vector<DWORD> ScreenPixels(const RECT& rc) {
  return DrawnPixels(rc.right - rc.left, rc.bottom - rc.top, [&](HDC dc) {
    const WindowDc screen(nullptr);
    BitBlt(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, screen.Get(), rc.left, rc.top, SRCCOPY);
  });
}

// A 24-bit BMP: a 32-bit one reads as transparent in viewers that take its fourth byte for alpha.
bool SaveScreen(const RECT& rc, const std::wstring& file) {
  const std::vector<DWORD> pixels = ScreenPixels(rc);
  if (pixels.empty()) return false;
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
  std::vector<BYTE> rows(stride * h, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const DWORD p = pixels[static_cast<size_t>(y) * w + x];
      BYTE* out = &rows[stride * (h - 1 - y) + static_cast<size_t>(x) * 3];  // bottom row first
      out[0] = p & 0xFF, out[1] = (p >> 8) & 0xFF, out[2] = (p >> 16) & 0xFF;
    }
  }
  BITMAPINFOHEADER ih = {};
  ih.biSize = sizeof(ih);
  ih.biWidth = w;
  ih.biHeight = h;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  BITMAPFILEHEADER fh = {};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = static_cast<DWORD>(fh.bfOffBits + rows.size());
  const Handle f(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!f) return false;
  DWORD written = 0;
  return WriteFile(f.Get(), &fh, sizeof(fh), &written, nullptr) && WriteFile(f.Get(), &ih, sizeof(ih), &written, nullptr) &&
         WriteFile(f.Get(), rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr);
}

std::wstring ShotPath(const std::wstring& name) {
  const std::wstring dir = WindowsPath(QUORVA_SHOT_DIR);
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir + L"\\" + name;
}

bool SaveWindowShot(HWND window, const std::wstring& file) {
  RECT rc;
  return GetWindowRect(window, &rc) && SaveScreen(rc, file);
}

void ShotOncePainted(HWND window, const std::wstring& name) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored;  // answered after the paint requests: the window has drawn itself
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  SaveWindowShot(window, ShotPath(name));
}

}  // namespace quorva::test
