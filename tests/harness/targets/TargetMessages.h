#pragma once
// What a test asks quorva-target.exe's text window (class "QuorvaKeysOnlyText"); none of these
// changes anything. WM_GETTEXT gives the whole text.
#include <windows.h>

namespace qtarget {

constexpr wchar_t kMainClass[] = L"QuorvaStandInTarget";
constexpr wchar_t kTextClass[] = L"QuorvaKeysOnlyText";
constexpr UINT kReadsMessage = WM_APP + 10;   // how many times it read the clipboard for a paste
constexpr UINT kCopiesMessage = WM_APP + 11;  // how many copies it wrote
constexpr UINT kMenusMessage = WM_APP + 12;   // how many times a key would have opened a menu
constexpr UINT kSelectionMessage = WM_APP + 13;  // the selection: start in the low word, end in the high
constexpr UINT kNeverMessage = WM_APP + 14;  // 1: it never copies; 2: it never reads the paste (or both)

}  // namespace qtarget
