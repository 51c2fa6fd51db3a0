// The whole clipboard by value: saved format by format in the clipboard's order, put back byte for
// byte.
#include <cstring>
#include <new>
#include <utility>

#include "common/windows/Clipboard.h"
#include "common/windows/ClipboardOpen.h"
#include "common/windows/Handles.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

// Formats the system converts into each other: the first one of a family that the clipboard lists
// is the one a program put there, the later ones are made from it.
enum class Family { kNone, kText, kBitmap, kMetafile };

Family FamilyOf(UINT format) {
  switch (format) {
    case CF_TEXT: case CF_UNICODETEXT: case CF_OEMTEXT: return Family::kText;
    case CF_BITMAP: case CF_DIB: case CF_DIBV5: return Family::kBitmap;
    case CF_ENHMETAFILE: case CF_METAFILEPICT: return Family::kMetafile;
    default: return Family::kNone;
  }
}

// Handles that are neither memory nor a picture the program can copy: GDI objects, the owner's
// private handles, a palette alone, drawing by the owner.
bool HeldByHandle(UINT format) {
  return format == CF_PALETTE || format == CF_OWNERDISPLAY || format == CF_DSPBITMAP ||
         (format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) || (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST);
}

// Whether the system made format from one listed before it; marks the first of each family as seen.
bool MadeBySystem(UINT format, bool (&seen)[4]) {
  // The system adds a palette to a bitmap or a DIB.
  if (format == CF_PALETTE) return seen[static_cast<int>(Family::kBitmap)];
  const Family family = FamilyOf(format);
  if (family == Family::kNone) return false;
  return std::exchange(seen[static_cast<int>(family)], true);
}

bool IsMetafilePicture(UINT format) { return format == CF_METAFILEPICT || format == CF_DSPMETAFILEPICT; }
bool IsEnhMetafile(UINT format) { return format == CF_ENHMETAFILE || format == CF_DSPENHMETAFILE; }

std::optional<std::vector<unsigned char>> MemoryBytes(HANDLE data) {
  if (data == nullptr) return std::nullopt;
  const SIZE_T size = GlobalSize(data);
  const Locked<const unsigned char> bytes(data);
  if (bytes.Data() == nullptr) return std::nullopt;
  return std::vector<unsigned char>(bytes.Data(), bytes.Data() + size);
}

std::optional<std::vector<unsigned char>> EnhMetafileBytes(HANDLE data) {
  const auto file = static_cast<HENHMETAFILE>(data);
  const UINT size = file ? GetEnhMetaFileBits(file, 0, nullptr) : 0;
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> bytes(size);
  GetEnhMetaFileBits(file, size, bytes.data());
  return bytes;
}

std::optional<std::vector<unsigned char>> MetafilePictureBytes(HANDLE data) {
  if (data == nullptr) return std::nullopt;
  const Locked<const METAFILEPICT> picture(data);
  if (picture.Data() == nullptr) return std::nullopt;
  const UINT size = GetMetaFileBitsEx(picture.Data()->hMF, 0, nullptr);
  if (size == 0) return std::nullopt;
  METAFILEPICT head = *picture.Data();
  head.hMF = nullptr;
  std::vector<unsigned char> bytes(sizeof head + size);
  std::memcpy(bytes.data(), &head, sizeof head);
  GetMetaFileBitsEx(picture.Data()->hMF, size, bytes.data() + sizeof head);
  return bytes;
}

// One listed format by value, or nothing when it cannot be kept (a promise that its program did
// not keep, a handle the program cannot copy).
std::optional<ClipboardItem> SaveItem(UINT format) {
  // A bitmap alone is kept as the DIB the system makes from it.
  if (format == CF_BITMAP) format = CF_DIB;
  if (HeldByHandle(format)) return std::nullopt;
  HANDLE data = GetClipboardData(format);
  const auto bytes = IsEnhMetafile(format)      ? EnhMetafileBytes(data)
                     : IsMetafilePicture(format) ? MetafilePictureBytes(data)
                                                 : MemoryBytes(data);
  if (!bytes) return std::nullopt;
  return ClipboardItem{format, *bytes};
}

GlobalMemory MemoryOf(const unsigned char* bytes, size_t size) {
  // A memory block is never empty: GlobalAlloc of 0 bytes gives one that is already discarded.
  GlobalMemory mem(GlobalAlloc(GMEM_MOVEABLE, size ? size : 1));
  if (!mem) throw std::bad_alloc();
  const Locked<unsigned char> p(mem.Get());
  if (size) std::memcpy(p.Data(), bytes, size);
  return mem;
}

bool PutMemory(UINT format, const unsigned char* bytes, size_t size) {
  GlobalMemory mem = MemoryOf(bytes, size);
  if (SetClipboardData(format, mem.Get()) == nullptr) return false;
  mem.Release();  // the clipboard owns it now
  return true;
}

bool PutEnhMetafile(const ClipboardItem& item) {
  EnhMetaFile file(SetEnhMetaFileBits(static_cast<UINT>(item.Bytes.size()), item.Bytes.data()));
  if (!file || SetClipboardData(item.Format, file.Get()) == nullptr) return false;
  file.Release();
  return true;
}

bool PutMetafilePicture(const ClipboardItem& item) {
  if (item.Bytes.size() <= sizeof(METAFILEPICT)) return false;
  METAFILEPICT head;
  std::memcpy(&head, item.Bytes.data(), sizeof head);
  MetaFile file(SetMetaFileBitsEx(static_cast<UINT>(item.Bytes.size() - sizeof head), item.Bytes.data() + sizeof head));
  if (!file) return false;
  head.hMF = file.Get();
  if (!PutMemory(item.Format, reinterpret_cast<const unsigned char*>(&head), sizeof head)) return false;
  file.Release();  // the picture on the clipboard holds it
  return true;
}

bool PutItem(const ClipboardItem& item) {
  if (IsEnhMetafile(item.Format)) return PutEnhMetafile(item);
  if (IsMetafilePicture(item.Format)) return PutMetafilePicture(item);
  return PutMemory(item.Format, item.Bytes.data(), item.Bytes.size());
}

}  // namespace

std::wstring ClipboardFormatName(UINT format) {
  static constexpr struct { UINT Format; const wchar_t* Name; } kStandard[] = {
      {CF_TEXT, L"CF_TEXT"}, {CF_BITMAP, L"CF_BITMAP"}, {CF_METAFILEPICT, L"CF_METAFILEPICT"},
      {CF_SYLK, L"CF_SYLK"}, {CF_DIF, L"CF_DIF"}, {CF_TIFF, L"CF_TIFF"}, {CF_OEMTEXT, L"CF_OEMTEXT"},
      {CF_DIB, L"CF_DIB"}, {CF_PALETTE, L"CF_PALETTE"}, {CF_PENDATA, L"CF_PENDATA"}, {CF_RIFF, L"CF_RIFF"},
      {CF_WAVE, L"CF_WAVE"}, {CF_UNICODETEXT, L"CF_UNICODETEXT"}, {CF_ENHMETAFILE, L"CF_ENHMETAFILE"},
      {CF_HDROP, L"CF_HDROP"}, {CF_LOCALE, L"CF_LOCALE"}, {CF_DIBV5, L"CF_DIBV5"},
      {CF_OWNERDISPLAY, L"CF_OWNERDISPLAY"}, {CF_DSPTEXT, L"CF_DSPTEXT"}, {CF_DSPBITMAP, L"CF_DSPBITMAP"},
      {CF_DSPMETAFILEPICT, L"CF_DSPMETAFILEPICT"}, {CF_DSPENHMETAFILE, L"CF_DSPENHMETAFILE"},
  };
  for (const auto& known : kStandard) {
    if (known.Format == format) return known.Name;
  }
  wchar_t name[256];
  const int length = GetClipboardFormatNameW(format, name, static_cast<int>(std::size(name)));
  if (length > 0) return std::wstring(name, length);
  return L"#" + std::to_wstring(format);
}

SavedClipboard SaveClipboard(HWND owner) {
  SavedClipboard saved;
  OpenClipboardScope open(owner);
  bool seen[4] = {};
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (MadeBySystem(format, seen)) continue;
    if (std::optional<ClipboardItem> item = SaveItem(format)) {
      saved.Items.push_back(std::move(*item));
    } else {
      saved.Lost.push_back(ClipboardFormatName(format));
    }
  }
  return saved;
}

std::vector<std::wstring> RestoreClipboard(const SavedClipboard& saved, HWND owner) {
  OpenClipboardScope open(owner);
  if (!EmptyClipboard()) Raise(kClipboardBusy);
  // Every item that can go back does, even when one cannot.
  std::vector<std::wstring> notPut;
  for (const ClipboardItem& item : saved.Items) {
    if (!PutItem(item)) notPut.push_back(ClipboardFormatName(item.Format));
  }
  return notPut;
}

}  // namespace quorva
