#include "tests/harness/support/ClipboardScene.h"

#include <cstring>

#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

constexpr wchar_t kPrivateFormat[] = L"Quorva Test Private";

std::vector<unsigned char> Utf16Bytes(const std::wstring& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
  return std::vector<unsigned char>(p, p + (text.size() + 1) * sizeof(wchar_t));
}

// A 2 x 2, 24-bit DIB: a header and four coloured pixels (rows padded to four bytes).
std::vector<unsigned char> SmallDib() {
  BITMAPINFOHEADER head = {};
  head.biSize = sizeof head;
  head.biWidth = 2;
  head.biHeight = 2;
  head.biPlanes = 1;
  head.biBitCount = 24;
  head.biCompression = BI_RGB;
  head.biSizeImage = 16;
  std::vector<unsigned char> bytes(sizeof head + 16);
  std::memcpy(bytes.data(), &head, sizeof head);
  const unsigned char pixels[16] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  std::memcpy(bytes.data() + sizeof head, pixels, sizeof pixels);
  return bytes;
}

std::vector<unsigned char> SmallEnhMetafile() {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  Rectangle(dc, 1, 2, 30, 40);
  HENHMETAFILE file = CloseEnhMetaFile(dc);
  std::vector<unsigned char> bytes(GetEnhMetaFileBits(file, 0, nullptr));
  GetEnhMetaFileBits(file, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(file);
  return bytes;
}

HANDLE HandleOf(const SceneItem& item) {
  if (item.Format == CF_ENHMETAFILE) return SetEnhMetaFileBits(static_cast<UINT>(item.Bytes.size()), item.Bytes.data());
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, item.Bytes.size());
  std::memcpy(GlobalLock(mem), item.Bytes.data(), item.Bytes.size());
  GlobalUnlock(mem);
  return mem;
}

std::string Hex(const unsigned char* p, size_t n) {
  static const char kDigits[] = "0123456789abcdef";
  std::string s;
  for (size_t i = 0; i < n; ++i) s += {kDigits[p[i] >> 4], kDigits[p[i] & 15]};
  return s;
}

std::string DumpOf(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (data == nullptr) return "<none>";
  if (format == CF_BITMAP || format == CF_PALETTE) return "<handle>";
  if (format == CF_ENHMETAFILE) {
    std::vector<unsigned char> bits(GetEnhMetaFileBits(static_cast<HENHMETAFILE>(data), 0, nullptr));
    GetEnhMetaFileBits(static_cast<HENHMETAFILE>(data), static_cast<UINT>(bits.size()), bits.data());
    return Hex(bits.data(), bits.size());
  }
  if (format == CF_METAFILEPICT) return "<picture>";
  const auto* p = static_cast<const unsigned char*>(GlobalLock(data));
  std::string s = p ? Hex(p, GlobalSize(data)) : "<unlocked>";
  if (p) GlobalUnlock(data);
  return s;
}

}  // namespace

std::vector<NamedScene> UserClipboardScenes() {
  const UINT privateFormat = RegisterClipboardFormatW(kPrivateFormat);
  const SceneItem text{CF_UNICODETEXT, Utf16Bytes(L"元の内容 ☃ 1+2")};
  const SceneItem own{privateFormat, {1, 0, 2, 0, 255, 3}};
  const SceneItem dib{CF_DIB, SmallDib()};
  const SceneItem picture{CF_ENHMETAFILE, SmallEnhMetafile()};
  return {{"unicode text", {text}},
          {"private format", {own}},
          {"dib", {dib}},
          {"enhanced metafile", {picture}},
          {"all at once", {text, own, dib, picture}},
          {"empty", {}}};
}

void FillClipboard(const ClipboardScene& scene) {
  static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  WaitUntil([] { return OpenClipboard(owner) != FALSE; });
  EmptyClipboard();
  for (const SceneItem& item : scene) SetClipboardData(item.Format, HandleOf(item));
  CloseClipboard();
}

std::string ClipboardDump() {
  if (!OpenClipboard(nullptr)) return "<busy>";
  std::string dump;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    dump += std::to_string(format) + ": " + DumpOf(format) + "\n";
  }
  CloseClipboard();
  return dump;
}

}  // namespace quorva::test
