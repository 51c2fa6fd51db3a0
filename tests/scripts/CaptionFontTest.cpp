// The window's caption buttons are drawn with the Marlett symbol font; without it the close
// button shows the letter "r" (the prefix this runs in must provide it, as Windows does).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/windows/Handles.h"

namespace {

TEST(CaptionButtons, TheirSymbolFontIsInstalled) {
  LOGFONTW lf = {};
  lf.lfHeight = -13;
  lf.lfCharSet = SYMBOL_CHARSET;
  lstrcpyW(lf.lfFaceName, L"Marlett");
  const quorva::Font font(CreateFontIndirectW(&lf));
  const quorva::WindowDc screen(nullptr);
  const quorva::Selected inFont(screen.Get(), font.Get());
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(screen.Get(), LF_FACESIZE, face);
  TEXTMETRICW tm = {};
  GetTextMetricsW(screen.Get(), &tm);
  EXPECT_EQ(std::wstring(face), L"Marlett");
  EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET) << "another font stands in for Marlett";
}

}  // namespace
