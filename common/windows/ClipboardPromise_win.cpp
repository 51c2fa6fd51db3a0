// Text promised on the clipboard (delayed rendering): the owner learns when a program reads it,
// and the marks keep clipboard history and the cloud clipboard from keeping a copy.
#include <cstring>

#include "common/text/Ansi.h"
#include "common/windows/Clipboard.h"
#include "common/windows/ClipboardOpen.h"
#include "common/windows/Handles.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

// The marks' names are the system's; the two "Can..." ones hold a DWORD, 0 meaning no.
constexpr wchar_t kExcludeFromMonitors[] = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr wchar_t kCanIncludeInHistory[] = L"CanIncludeInClipboardHistory";
constexpr wchar_t kCanUploadToCloud[] = L"CanUploadToCloudClipboard";

GlobalMemory MemoryOf(const void* bytes, size_t size) {
  GlobalMemory mem(GlobalAlloc(GMEM_MOVEABLE, size ? size : 1));
  if (!mem) return mem;
  const Locked<unsigned char> p(mem.Get());
  if (size) std::memcpy(p.Data(), bytes, size);
  return mem;
}

bool Put(UINT format, GlobalMemory mem) {
  if (!mem || SetClipboardData(format, mem.Get()) == nullptr) return false;
  mem.Release();  // the clipboard owns it now
  return true;
}

void PutMarks() {
  const DWORD no = 0;
  Put(MonitorExclusionFormat(), MemoryOf(&no, sizeof no));
  Put(RegisterClipboardFormatW(kCanIncludeInHistory), MemoryOf(&no, sizeof no));
  Put(RegisterClipboardFormatW(kCanUploadToCloud), MemoryOf(&no, sizeof no));
}

}  // namespace

UINT MonitorExclusionFormat() { return RegisterClipboardFormatW(kExcludeFromMonitors); }

std::vector<UINT> PromisedTextFormats() { return {CF_UNICODETEXT, CF_TEXT}; }

void PromiseText(HWND owner) {
  OpenClipboardScope open(owner);
  if (!EmptyClipboard()) Raise(kClipboardBusy);
  // The marks go first, so that a monitor that looks at the first change already sees them.
  PutMarks();
  for (UINT format : PromisedTextFormats()) SetClipboardData(format, nullptr);
}

bool RenderPromisedText(UINT format, const std::wstring& text) {
  if (format == CF_UNICODETEXT) return Put(format, MemoryOf(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
  if (format == CF_TEXT) {
    const std::string bytes = ToAnsi(FromWide(text));
    return Put(format, MemoryOf(bytes.c_str(), bytes.size() + 1));
  }
  return false;
}

void RenderAllPromisedText(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return;
  // Another program may have taken the clipboard meanwhile: then nothing of ours is left on it.
  if (GetClipboardOwner() == owner) {
    for (UINT format : PromisedTextFormats()) RenderPromisedText(format, text);
  }
  CloseClipboard();
}

}  // namespace quorva
