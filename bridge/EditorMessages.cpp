#include "bridge/EditorMessages.h"

#include <algorithm>
#include <cstring>

#include "shared/RuntimeError.h"

namespace quorva {

int32_t Add(int32_t a, int32_t b) {
  int32_t r = 0;
  if (__builtin_add_overflow(a, b, &r)) Raise(kOverflow);
  return r;
}

int32_t Sub(int32_t a, int32_t b) {
  int32_t r = 0;
  if (__builtin_sub_overflow(a, b, &r)) Raise(kOverflow);
  return r;
}

Selection ReadSelection(HWND edit) {
  DWORD s = 0, e = 0;
  const auto packed = static_cast<DWORD>(
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e)));
  const bool plausible = s <= e && e <= static_cast<DWORD>(INT32_MAX);
  const bool agrees = LOWORD(s) == LOWORD(packed) && LOWORD(e) == HIWORD(packed);
  const bool beyond16 = packed == 0xFFFFFFFF && e > 0xFFFF;
  if (plausible && (agrees || beyond16)) return {static_cast<int32_t>(s), static_cast<int32_t>(e), true};
  return {LOWORD(packed), HIWORD(packed), false, packed != 0xFFFFFFFF};
}

std::string ReadEditBytes(HWND edit, int32_t size) {
  const int32_t room = Add(std::max(size, 0), 1);
  std::string buffer(static_cast<size_t>(room), '\0');
  const auto copied =
      SendMessageA(edit, WM_GETTEXT, static_cast<WPARAM>(room), reinterpret_cast<LPARAM>(buffer.data()));
  size_t n = static_cast<size_t>(std::clamp<LRESULT>(copied, 0, room - 1));
  // An editor that fills the buffer but answers 0 still gave its text up to the first zero.
  if (n == 0) n = strnlen(buffer.data(), static_cast<size_t>(room) - 1);
  buffer.resize(n);
  return buffer;
}

}  // namespace quorva
