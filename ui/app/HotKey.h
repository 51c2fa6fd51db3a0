#pragma once
// The shortcut key of /hotkey:KEYS, as the user writes it: names joined by "+", any case, the
// modifiers first and one key last:
//   modifiers  Ctrl (or Control), Alt, Shift, Win
//   keys       A to Z, 0 to 9, F1 to F24, Space, Insert, Delete, Home, End, PageUp, PageDown,
//              Pause, Up, Down, Left, Right
// At least one of Ctrl, Alt and Win is needed (Shift alone would take a typed character), except
// for F1 to F24. Examples: Ctrl+Alt+Q, Win+Shift+C, ctrl+f12, F9.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace quorva {

struct HotKey {
  UINT Modifiers = 0;  // MOD_CONTROL, MOD_ALT, MOD_SHIFT, MOD_WIN
  UINT Key = 0;        // a virtual key
  std::wstring Text;   // as the user wrote it: for the notices and the icon's tip
};

std::optional<HotKey> ParseHotKey(std::wstring_view text);

}  // namespace quorva
