// Synthesised key strokes: they enter the system's input stream like typed keys.
#include "common/windows/Keys.h"

#include <windows.h>

#include "common/subTool.h"

namespace quorva {
namespace {

// A key code that no layout assigns: a program that sees it does nothing.
constexpr WORD kUnassignedKey = 0xE8;
constexpr WORD kModifiers[] = {VK_CONTROL, VK_SHIFT, VK_MENU, VK_LWIN, VK_RWIN};

bool Down(WORD key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

INPUT KeyInput(WORD key, bool down) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  return in;
}

}  // namespace

void PushKey(uint8_t key) {
  UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  if (scan > 0xFF) Raise(kOverflow);
  keybd_event(key, static_cast<BYTE>(scan), 0, 0);  // key-down only
}

void PushTab() { PushKey(VK_TAB); }

bool ModifiersDown() {
  for (WORD key : kModifiers) {
    if (Down(key)) return true;
  }
  return false;
}

bool AltOrWinDown() { return Down(VK_MENU) || Down(VK_LWIN) || Down(VK_RWIN); }

bool SendChord(WORD modifier, WORD key) {
  INPUT in[4] = {KeyInput(modifier, true), KeyInput(key, true), KeyInput(key, false), KeyInput(modifier, false)};
  if (SendInput(4, in, sizeof(INPUT)) == 4) return true;
  // Part of it may have gone in: nothing is left down (a key-up of a key that is up does nothing).
  INPUT up[2] = {KeyInput(key, false), KeyInput(modifier, false)};
  SendInput(2, up, sizeof(INPUT));
  return false;
}

void MaskMenuKey() {
  INPUT in[2] = {KeyInput(kUnassignedKey, true), KeyInput(kUnassignedKey, false)};
  SendInput(2, in, sizeof(INPUT));
}

}  // namespace quorva
