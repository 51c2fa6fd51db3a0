#pragma once
// The one way the program reaches the clipboard: plain text (CF_TEXT) in the ANSI code page.
// OpenClipboard is given an owner window (the caller's, or a hidden one of our own: without an
// owner, SetClipboardData after EmptyClipboard fails on Windows), and a clipboard that another
// program holds is tried again with short pauses. One that stays busy raises 521.
#ifdef _WIN32
#include <windows.h>

#include <string>

namespace quorva {

// The clipboard's CF_TEXT bytes; empty when it holds no text.
std::string ReadClipboardAnsi(HWND owner = nullptr);
// Empties the clipboard and puts the bytes on it as CF_TEXT.
void WriteClipboardAnsi(const std::string& bytes, HWND owner = nullptr);

}  // namespace quorva
#endif
