// Button pictures drawn for the window's DPI: the right size at 96, 120, 144 and 192 dpi, and
// the same 16-colour pictures on light grey at every size.
#include <cstdlib>

#include "CalcFixture.h"
#include "tests/harness/support/Ink.h"
#include "tests/harness/support/Screens.h"
#include "ui/window/Pictures.h"

namespace quorva::test {
namespace {

constexpr int kButtons[] = {IDC_CMDSUM, IDC_CMDCOPY, IDC_CMDTERAPAD, IDC_CMDCLR};
constexpr int kPictures[] = {IDB_SUM, IDB_COPY, IDB_TERAPAD, IDB_CLEAR};

TEST(Pictures, SizeForEachDpiNeverLargerThanItsScale) {
  const struct {
    UINT Dpi;
    int Size;
  } rows[] = {{72, 16}, {96, 16}, {110, 16}, {120, 20}, {143, 20}, {144, 24}, {168, 24}, {192, 32}, {288, 32}};
  for (const auto& r : rows) EXPECT_EQ(PictureSize(r.Dpi), r.Size) << r.Dpi << " dpi";
}

// The bitmap resource as stored: its header and the colour of its top-left pixel.
struct Stored {
  int Width = 0, Height = 0, BitCount = 0;
  COLORREF Corner = 0;
};

Stored ReadResource(int id) {
  Stored s;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(inst, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
  if (!res) return s;
  auto* info = static_cast<const BITMAPINFO*>(LockResource(LoadResource(inst, res)));
  s.Width = info->bmiHeader.biWidth;
  s.Height = info->bmiHeader.biHeight;
  s.BitCount = info->bmiHeader.biBitCount;
  if (s.BitCount == 4) {
    // Bottom-up rows of 4-bit indices: the top row is the last one stored.
    const auto* bits = reinterpret_cast<const BYTE*>(info->bmiColors + 16);
    const int stride = ((s.Width * 4 + 31) / 32) * 4;
    const BYTE index = bits[stride * (s.Height - 1)] >> 4;
    const RGBQUAD c = info->bmiColors[index];
    s.Corner = RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
  }
  return s;
}

TEST(Pictures, EverySizeIsSixteenColoursOnLightGrey) {
  for (UINT dpi : {96u, 120u, 144u, 192u}) {
    for (int picture : kPictures) {
      const int id = PictureResource(picture, dpi);
      SCOPED_TRACE(testing::Message() << "picture " << picture << " at " << dpi << " dpi, resource " << id);
      Stored s = ReadResource(id);
      EXPECT_EQ(s.Width, PictureSize(dpi));
      EXPECT_EQ(s.Height, PictureSize(dpi));
      EXPECT_EQ(s.BitCount, 4);
      EXPECT_EQ(s.Corner, RGB(0xC0, 0xC0, 0xC0));
    }
  }
}

class ButtonPictures : public CalcFixture {
 protected:
  SIZE PictureOn(int button) {
    auto bmp = reinterpret_cast<HBITMAP>(SendMessageW(Item(button), BM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    if (!bmp || !GetObjectW(bmp, sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
  }
};

TEST_F(ButtonPictures, FollowTheWindowToAnotherDpiAndBack) {
  Open();
  ASSERT_EQ(form->Dpi(), 96u);
  for (UINT dpi : {96u, 120u, 144u, 192u, 96u}) {
    if (dpi != form->Dpi()) {
      RECT suggested{100, 80, 900, 700};
      SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    const int size = PictureSize(dpi);
    for (int button : kButtons) {
      SIZE got = PictureOn(button);
      EXPECT_EQ(got.cx, size) << "button " << button << " at " << dpi << " dpi";
      EXPECT_EQ(got.cy, size) << "button " << button << " at " << dpi << " dpi";
      // The picture fits inside its button.
      RECT rc;
      GetClientRect(Item(button), &rc);
      EXPECT_LE(size, rc.right) << "button " << button << " at " << dpi << " dpi";
      EXPECT_LE(size, rc.bottom) << "button " << button << " at " << dpi << " dpi";
    }
  }
}

// The inside of a button (its edges overlap the neighbours') as the screen shows it, once it
// shows what the button paints there.
std::vector<DWORD> Shown(HWND button) {
  RECT rc;
  GetClientRect(button, &rc);
  const int w = rc.right, h = rc.bottom;
  auto inside = [&](const std::vector<DWORD>& all) {
    std::vector<DWORD> part;
    for (int y = 2; y < h - 2; ++y) {
      for (int x = 2; x < w - 2; ++x) part.push_back(all[static_cast<size_t>(y) * w + x] & 0xFFFFFF);
    }
    return part;
  };
  MapWindowPoints(button, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  std::vector<DWORD> shown;
  EXPECT_TRUE(WaitFor([&] { return (shown = inside(ScreenPixels(rc))) == inside(PaintedPixels(button)); }, 2000))
      << "not drawn";
  return shown;
}

int Luminance(DWORD rgb) { return (((rgb >> 16) & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100; }

TEST_F(ButtonPictures, ADisabledButtonShowsItsPictureGreyedOnTheButtonFace) {
  Open();
  const COLORREF faceRef = GetSysColor(COLOR_BTNFACE);
  const DWORD face = (GetRValue(faceRef) << 16) | (GetGValue(faceRef) << 8) | GetBValue(faceRef);
  for (UINT dpi : {96u, 144u}) {
    if (dpi != form->Dpi()) {
      RECT suggested{100, 80, 600, 500};
      SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    for (int button : {IDC_CMDCOPY, IDC_CMDTERAPAD}) {
      SCOPED_TRACE(testing::Message() << "button " << button << " at " << dpi << " dpi");
      ASSERT_FALSE(IsWindowEnabled(Item(button)));
      const std::vector<DWORD> disabled = Shown(Item(button));
      EnableWindow(Item(button), TRUE);
      const std::vector<DWORD> enabled = Shown(Item(button));
      EnableWindow(Item(button), FALSE);
      ASSERT_EQ(enabled.size(), disabled.size());
      // Only the picture's strokes change, each to a grey nearer the face; where the enabled
      // picture shows the face, so does the disabled one (no tile, no outline).
      int strokes = 0, stray = 0, vanished = 0, notDimmed = 0;
      for (size_t i = 0; i < enabled.size(); ++i) {
        const DWORD on = enabled[i], off = disabled[i];
        if (on == off) continue;
        if (on == face) {
          ++stray;
          continue;
        }
        ++strokes;
        if (off == face) ++vanished;
        const bool grey = ((off >> 16) & 0xFF) == (off & 0xFF) && ((off >> 8) & 0xFF) == (off & 0xFF);
        if (!grey || std::abs(Luminance(off) - Luminance(face)) >= std::abs(Luminance(on) - Luminance(face))) ++notDimmed;
      }
      EXPECT_EQ(stray, 0) << "drawn where the picture shows the face";
      EXPECT_GE(strokes, 2 * PictureSize(dpi)) << "the disabled picture does not show its strokes";
      EXPECT_EQ(vanished, 0) << "strokes missing from the disabled picture";
      EXPECT_EQ(notDimmed, 0) << "strokes not greyed towards the face";
    }
  }
}

}  // namespace
}  // namespace quorva::test
