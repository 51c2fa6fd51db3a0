#include "ui/app/StartupShortcut.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "common/windows/Handles.h"
#include "ui/app/ShellCalls.h"

namespace quorva {
namespace {

constexpr wchar_t kShortcutName[] = L"\\Quorva.lnk";

std::wstring ShortcutPath() {
  const ShellCalls& shell = Shell();
  if (!shell.KnownFolderPath || !shell.TaskMemFree) return {};
  PWSTR folder = nullptr;
  std::wstring path;
  if (SUCCEEDED(shell.KnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder))) {
    path = folder + std::wstring(kShortcutName);
  }
  shell.TaskMemFree(folder);
  return path;
}

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

bool MakeShortcut(const std::wstring& at, const std::wstring& arguments) {
  const ShellCalls& shell = Shell();
  ComPtr<IShellLinkW> link;
  if (!shell.CreateInstance ||
      FAILED(shell.CreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) {
    return false;
  }
  link->SetPath(ProgramPath().c_str());
  link->SetArguments(arguments.c_str());
  ComPtr<IPersistFile> file;
  return SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Save(at.c_str(), TRUE));
}

}  // namespace

bool StartsWithWindows() {
  const std::wstring path = ShortcutPath();
  return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SetStartWithWindows(bool on, const std::wstring& arguments) {
  const std::wstring path = ShortcutPath();
  if (path.empty()) return false;
  if (!on) return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
  return MakeShortcut(path, arguments);
}

}  // namespace quorva
