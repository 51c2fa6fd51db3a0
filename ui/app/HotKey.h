#pragma once
// The shortcut key of /hotkey:KEYS, as the user writes it: names joined by "+", any case, the
// modifiers first and one key last:
//   modifiers  Ctrl (or Control), Alt, Shift, Win
//   keys       A to Z, 0 to 9, F1 to F24, Space, Insert, Delete, Home, End, PageUp, PageDown,
//              Pause, Up, Down, Left, Right
// At least one of Ctrl, Alt and Win is needed (Shift alone would take a typed character), except
// for F1 to F24. Examples: Ctrl+Alt+Q, Win+Shift+C, ctrl+f12, F9.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorva {

// The system's values (MOD_ALT ... MOD_WIN, VK_...), spelt out so that the option parser builds
// without Windows headers too (it is fuzzed natively).
inline constexpr uint32_t kModAlt = 0x1, kModControl = 0x2, kModShift = 0x4, kModWin = 0x8;
inline constexpr uint32_t kKeySpace = 0x20, kKeyPageUp = 0x21, kKeyPageDown = 0x22, kKeyEnd = 0x23, kKeyHome = 0x24,
                          kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28, kKeyInsert = 0x2D,
                          kKeyDelete = 0x2E, kKeyPause = 0x13, kKeyF1 = 0x70, kKeyF24 = 0x87;

struct HotKey {
  uint32_t Modifiers = 0;  // kModAlt | kModControl | kModShift | kModWin
  uint32_t Key = 0;        // a virtual key
  std::wstring Text;       // as the user wrote it: for the notices and the icon's tip
};

std::optional<HotKey> ParseHotKey(std::wstring_view text);

}  // namespace quorva
