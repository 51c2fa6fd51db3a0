// Synthesised key strokes: they enter the system's input stream like typed keys.
#include <windows.h>

#include "common/subTool.h"

namespace quorva {

void PushKey(uint8_t key) {
  UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  if (scan > 0xFF) Raise(kOverflow);
  keybd_event(key, static_cast<BYTE>(scan), 0, 0);  // key-down only
}

void PushTab() { PushKey(VK_TAB); }

}  // namespace quorva
