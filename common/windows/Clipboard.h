#pragma once
// The one way the program reaches the clipboard: plain text, the whole clipboard saved by value and
// put back, and text promised by delayed rendering. OpenClipboard is given an owner window (the
// caller's, or a hidden one of our own: without an owner, SetClipboardData after EmptyClipboard
// fails on Windows), and a clipboard that another program holds is tried again with short pauses.
// One that stays busy raises 521.
#ifdef _WIN32
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quorva {

// The clipboard's CF_TEXT bytes; empty when it holds no text.
std::string ReadClipboardAnsi(HWND owner = nullptr);
// Empties the clipboard and puts the bytes on it as CF_TEXT.
void WriteClipboardAnsi(const std::string& bytes, HWND owner = nullptr);
// The clipboard's Unicode text (the system makes it from CF_TEXT when a program put only that);
// nothing when it holds no text.
std::optional<std::wstring> ReadClipboardText(HWND owner = nullptr);

// One format's content by value. Memory formats keep their bytes; an enhanced metafile its bits;
// a metafile picture its METAFILEPICT (without the handle) followed by the metafile's bits.
struct ClipboardItem {
  UINT Format = 0;
  std::vector<unsigned char> Bytes;
};

// The whole clipboard, in its own order. The formats the system makes from another (ANSI text
// from Unicode text, a bitmap from a DIB, ...) are left out: the system makes them again. A
// bitmap that a program put alone is kept as the DIB the system makes from it.
struct SavedClipboard {
  std::vector<ClipboardItem> Items;
  std::vector<std::wstring> Lost;  // formats that held something that cannot be kept, by name
};

SavedClipboard SaveClipboard(HWND owner = nullptr);
// Empties the clipboard and puts every saved item back, byte for byte; owner becomes its owner.
// Returns the names of the items the system did not take back (out of memory, say).
std::vector<std::wstring> RestoreClipboard(const SavedClipboard& saved, HWND owner = nullptr);

// "CF_UNICODETEXT", a registered format's own name, or the number.
std::wstring ClipboardFormatName(UINT format);

// Delayed rendering: empties the clipboard and promises Unicode and ANSI text, with the marks that
// keep clipboard history and the cloud clipboard from keeping it. The owner's window procedure
// renders each promised format on WM_RENDERFORMAT with RenderPromisedText, and all of them on
// WM_RENDERALLFORMATS with RenderAllPromisedText.
void PromiseText(HWND owner);
// Inside WM_RENDERFORMAT: puts text on the clipboard in format (CF_UNICODETEXT or CF_TEXT).
bool RenderPromisedText(UINT format, const std::wstring& text);
// Inside WM_RENDERALLFORMATS: renders what is still promised, while the clipboard is owner's.
void RenderAllPromisedText(HWND owner, const std::wstring& text);
// The formats PromiseText promises, in order.
std::vector<UINT> PromisedTextFormats();
// The registered format that asks clipboard monitors to leave the content alone.
UINT MonitorExclusionFormat();

}  // namespace quorva
#endif
