#pragma once
// Names for screen readers. The picture buttons show no text and the text boxes have no label
// of their own, so the names that MSAA (and UI Automation through it) would find are empty or
// wrong; each named control answers with its own name instead. Nothing drawn changes.
#include <windows.h>

#include <functional>
#include <string_view>

namespace quorva {

// The accessible name of a control of the calculator window, by control ID; empty when the
// control's own text already names it.
std::wstring_view AccessibleName(int controlId);

// Makes every control that has a name in the table answer with it; item finds a control by ID.
void GiveAccessibleNames(const std::function<HWND(int)>& item);

}  // namespace quorva
