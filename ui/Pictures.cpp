#include "ui/Pictures.h"

namespace quorva {

namespace {

struct Drawn {
  int Size;
  int IdOffset;  // from the 16-pixel picture's ID (see resource.h)
};

constexpr Drawn kSizes[] = {{16, 0}, {20, 10}, {24, 20}, {32, 30}};

const Drawn& DrawnFor(UINT dpi) {
  const Drawn* best = &kSizes[0];
  for (const Drawn& d : kSizes) {
    if (d.Size * 96 <= 16 * static_cast<int>(dpi)) best = &d;
  }
  return *best;
}

}  // namespace

int PictureSize(UINT dpi) { return DrawnFor(dpi).Size; }

int PictureResource(int picture, UINT dpi) { return picture + DrawnFor(dpi).IdOffset; }

// Kept as a DIB section: converting each picture to the display's format is start-up time spent
// on 16 colours that draw the same either way.
HBITMAP LoadPicture(int picture, UINT dpi) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PictureResource(picture, dpi)),
                                         IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS | LR_CREATEDIBSECTION));
}

}  // namespace quorva
