#pragma once
// Messages to the editor's edit control, and the position arithmetic around them. Positions are
// 32-bit; a sum or difference past that range raises overflow (6).
#include <windows.h>

#include <cstdint>
#include <string>

namespace quorva {

int32_t Add(int32_t a, int32_t b);
int32_t Sub(int32_t a, int32_t b);

// The selection as EM_GETSEL gives it. The packed result (start in the low word, end in the high
// word) is the documented answer; the output addresses are optional, and across processes they
// come back whether the editor wrote them or not. So a 32-bit value from them is used only where
// it agrees with the packed halves (or where the packed result is -1, the edit control's answer
// for positions past 65535).
struct Selection {
  int32_t start = 0;
  int32_t end = 0;
  bool full = false;   // start and end are whole positions, not only their low 16 bits
  bool halves = true;  // false: the editor answered -1 and gave no halves either
};
Selection ReadSelection(HWND edit);

// A position (or -1) as a message's wParam: sign-extended, as the edit control reads it back.
inline WPARAM PositionArgument(int64_t position) { return static_cast<WPARAM>(static_cast<INT_PTR>(position)); }

// Whether a position read as 16 bits names the given 32-bit position.
inline bool SameLow16(int32_t a, int32_t b) { return ((a ^ b) & 0xFFFF) == 0; }

// WM_GETTEXT with room for size bytes and the terminating zero. The text is as long as the
// editor says it copied (never more than size): zero bytes inside it stay.
std::string ReadEditBytes(HWND edit, int32_t size);

}  // namespace quorva
