#pragma once
// "Start with Windows": a shortcut to this program, with its /hotkey and the options beside it,
// in the user's Startup folder, made and removed by Quorva.
#include <string>

namespace quorva {

bool StartsWithWindows();
// Makes the shortcut (arguments: the resident's command line) or removes it; false when the
// system refused.
bool SetStartWithWindows(bool on, const std::wstring& arguments);

}  // namespace quorva
