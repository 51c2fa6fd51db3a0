// The window's caption buttons are drawn with the Marlett symbol font; without it the close
// button shows the letter "r" (the prefix this runs in must provide it, as Windows does).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

TEST(CaptionButtons, TheirSymbolFontIsInstalled) {
  LOGFONTW lf = {};
  lf.lfHeight = -13;
  lf.lfCharSet = SYMBOL_CHARSET;
  lstrcpyW(lf.lfFaceName, L"Marlett");
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  EXPECT_EQ(std::wstring(face), L"Marlett");
  EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET) << "another font stands in for Marlett";
}

}  // namespace
