#include "ui/window/Pictures.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <iterator>
#include <vector>

#include "ui/form/Form.h"  // kBaseDpi
#include "ui/window/resource.h"

namespace quorva {

namespace {

struct Drawn {
  int Size;
  int IdOffset;  // from the 16-pixel picture's ID (see resource.h)
};

constexpr Drawn kSizes[] = {{16, 0}, {20, 10}, {24, 20}, {32, 30}};

// Each picture is numbered in resource.h at these offsets from its 16-pixel ID.
constexpr bool NumberedBySize(int id16, int id20, int id24, int id32) {
  const int ids[] = {id16, id20, id24, id32};
  for (size_t i = 0; i < std::size(kSizes); ++i) {
    if (ids[i] != id16 + kSizes[i].IdOffset) return false;
  }
  return true;
}
static_assert(NumberedBySize(IDB_SUM, IDB_SUM_20, IDB_SUM_24, IDB_SUM_32));
static_assert(NumberedBySize(IDB_COPY, IDB_COPY_20, IDB_COPY_24, IDB_COPY_32));
static_assert(NumberedBySize(IDB_TERAPAD, IDB_TERAPAD_20, IDB_TERAPAD_24, IDB_TERAPAD_32));
static_assert(NumberedBySize(IDB_CLEAR, IDB_CLEAR_20, IDB_CLEAR_24, IDB_CLEAR_32));

const Drawn& DrawnFor(UINT dpi) {
  const Drawn* best = &kSizes[0];
  for (const Drawn& d : kSizes) {
    if (d.Size * static_cast<int>(kBaseDpi) <= kSizes[0].Size * static_cast<int>(dpi)) best = &d;
  }
  return *best;
}

}  // namespace

int PictureSize(UINT dpi) { return DrawnFor(dpi).Size; }

int PictureResource(int picture, UINT dpi) { return picture + DrawnFor(dpi).IdOffset; }

// Kept as a DIB section: converting each picture to the display's format is start-up time spent
// on 16 colours that draw the same either way.
Bitmap LoadPicture(int picture, UINT dpi) {
  return Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PictureResource(picture, dpi)),
                                                IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS | LR_CREATEDIBSECTION)));
}

Bitmap GreyedPicture(HBITMAP picture) {
  BITMAP info = {};
  if (!picture || !GetObjectW(picture, sizeof(info), &info)) return {};
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = info.bmWidth;
  bi.bmiHeader.biHeight = -info.bmHeight;  // rows from the top
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  if (!GetDIBits(WindowDc(nullptr).Get(), picture, 0, info.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS)) return {};
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int faceRed = GetRValue(face), faceGreen = GetGValue(face), faceBlue = GetBValue(face);
  for (RGBQUAD& p : pixels) {
    if (p.rgbRed == faceRed && p.rgbGreen == faceGreen && p.rgbBlue == faceBlue) continue;
    // A third of the stroke's brightness, two thirds of the face's: black strokes become the
    // grey of disabled text on the usual face, and colours lose their hue.
    const int grey = (p.rgbRed * 30 + p.rgbGreen * 59 + p.rgbBlue * 11) / 100;
    p.rgbRed = static_cast<BYTE>((2 * faceRed + grey) / 3);
    p.rgbGreen = static_cast<BYTE>((2 * faceGreen + grey) / 3);
    p.rgbBlue = static_cast<BYTE>((2 * faceBlue + grey) / 3);
  }
  void* bits = nullptr;
  Bitmap greyed(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (greyed) CopyMemory(bits, pixels.data(), pixels.size() * sizeof(RGBQUAD));
  return greyed;
}

void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture, HBITMAP greyed) {
  RECT rc = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  // The button itself as the system draws its push buttons: in the visual style when one is on.
  if (const Theme theme{OpenThemeData(item.hwndItem, L"BUTTON")}) {
    const int state = disabled ? PBS_DISABLED : pushed ? PBS_PRESSED : PBS_NORMAL;
    if (IsThemeBackgroundPartiallyTransparent(theme.Get(), BP_PUSHBUTTON, state)) {
      DrawThemeParentBackground(item.hwndItem, item.hDC, &rc);
    }
    DrawThemeBackground(theme.Get(), item.hDC, BP_PUSHBUTTON, state, &rc, nullptr);
  } else {
    DrawFrameControl(item.hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  }
  HBITMAP shown = disabled && greyed ? greyed : picture;
  BITMAP info = {};
  if (shown && GetObjectW(shown, sizeof(info), &info)) {
    // In the middle, and a pixel down and right while pressed, as the system draws it.
    const int shift = pushed ? 1 : 0;
    const int x = (rc.left + rc.right - info.bmWidth) / 2 + shift;
    const int y = (rc.top + rc.bottom - info.bmHeight) / 2 + shift;
    const MemoryDc memory(CreateCompatibleDC(item.hDC));
    const Selected selected(memory.Get(), shown);
    BitBlt(item.hDC, x, y, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    InflateRect(&rc, -3, -3);
    DrawFocusRect(item.hDC, &rc);
  }
}

}  // namespace quorva
