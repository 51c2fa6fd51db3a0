#pragma once
// Plain-text clipboard output.
#include <windows.h>

#include <string>

namespace quorva {

// Empties the clipboard and puts bytes of the ANSI code page on it as CF_TEXT. A clipboard that
// another program holds open is tried again for a moment. Returns false when it stays
// unavailable or the text cannot be placed.
bool PutClipboardText(HWND owner, const std::string& ansi);

}  // namespace quorva
