#pragma once
// subTool, the shared tools module as the system's documents name it: one header for its three
// parts, each in a file of its own: the error report (ErrReport.cpp), ANSI byte counting
// (AnsiBytes.cpp) and synthesised keys (Keys_win.cpp).
#include <cstdint>
#include <string>

#include "shared/RuntimeError.h"

namespace quorva {

// Shows an unexpected run-time error in the one report box ("警告"). Number 0 shows nothing.
void ErrReport(const RuntimeError& err);

// Length of s in bytes of the ANSI code page (the system's on Windows, CP932 elsewhere).
int32_t LenAnsi(const std::u16string& s);

// The text at 1-based ANSI byte positions lStart .. lStart + lLength - 1 of s. A range that ends
// inside a double-byte character never yields more than lLength bytes. lStart < 1 or lLength < 0
// raises invalid argument (5).
std::u16string MidAnsi(const std::u16string& s, int32_t lStart, int32_t lLength);

#ifdef _WIN32
// One synthesised key-down of the key (no key-up). Raises overflow (6) if its scan code needs
// more than 8 bits.
void PushKey(uint8_t key);
// One synthesised Tab key-down.
void PushTab();
#endif

}  // namespace quorva
