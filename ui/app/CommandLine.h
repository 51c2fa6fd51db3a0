#pragma once
// The start-up options from the command line: split as the C runtime splits it, then read.
#include <string>
#include <string_view>
#include <vector>

#include "ui/app/StartOptions.h"

namespace quorva {

// The arguments of a command line as the C runtime splits them (quotes and backslashes), without
// the program's own name in front.
std::vector<std::wstring> SplitArguments(std::wstring_view commandLine);

// Reads the options; anything not understood goes to Rejected and changes nothing else.
StartOptions ParseStartOptions(const std::vector<std::wstring>& arguments);

// The text of the one message box that names the rejected arguments.
std::u16string RejectedArgumentsText(const std::vector<std::wstring>& rejected);

}  // namespace quorva
