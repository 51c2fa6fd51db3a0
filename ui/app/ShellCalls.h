#pragma once
// The shell and COM calls that only the resident makes (its notification-area icon, the Startup
// shortcut). They are loaded when first asked for, so that the window and /now load neither
// shell32 nor ole32: each costs start-up time.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "common/windows/Handles.h"

namespace quorva {

struct ShellCalls {
  Library shell32{LoadLibraryW(L"shell32.dll")};
  Library ole32{LoadLibraryW(L"ole32.dll")};
  decltype(&Shell_NotifyIconW) NotifyIcon = FunctionOf<decltype(NotifyIcon)>(shell32, "Shell_NotifyIconW");
  decltype(&SHGetKnownFolderPath) KnownFolderPath = FunctionOf<decltype(KnownFolderPath)>(shell32, "SHGetKnownFolderPath");
  decltype(&CoCreateInstance) CreateInstance = FunctionOf<decltype(CreateInstance)>(ole32, "CoCreateInstance");
  decltype(&CoTaskMemFree) TaskMemFree = FunctionOf<decltype(TaskMemFree)>(ole32, "CoTaskMemFree");
  // The shell link is a COM object: COM on the thread that first asks, left before the libraries go.
  ComScope com{COINIT_APARTMENTTHREADED, FunctionOf<ComScope::Enter>(ole32, "CoInitializeEx"),
               FunctionOf<ComScope::Leave>(ole32, "CoUninitialize")};
};

// The one set, loaded at the first call and kept until the program ends.
const ShellCalls& Shell();

}  // namespace quorva
