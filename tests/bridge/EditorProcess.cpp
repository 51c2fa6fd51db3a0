#include "EditorProcess.h"

#include <atomic>

#include "tests/support/Wait.h"

namespace quorva::test {

std::wstring EditorExe() { return WindowsPath(QUORVA_EDITOR_EXE); }

TempFile::TempFile(const std::wstring& name, const std::string& bytes) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  path_ = std::wstring(dir) + L"quorva-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
  HANDLE f = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(f);
}

TempFile::~TempFile() {
  SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path_.c_str());
}

std::string TempFile::Bytes() const {
  std::string bytes;
  HANDLE f = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(f, buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
  CloseHandle(f);
  return bytes;
}

EditorProcess::EditorProcess(const std::wstring& switches) {
  static std::atomic<int> serial{0};
  const std::wstring title = L"peer " + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++serial);
  if (!process_.Start(EditorExe(), L"--title \"" + title + L"\" " + switches)) return;
  if (!WaitUntil([&] { return (main_ = process_.FindWindowOf(title)) != nullptr && GetForegroundWindow() == main_; })) {
    return;
  }
  edit_ = FindWindowExW(main_, nullptr, L"TEditor", nullptr);
}

EditorProcess::~EditorProcess() {
  if (IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
  // A process that does not end is ended by Process.
  process_.WaitForExit(15000);
}

LRESULT EditorProcess::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(edit_, message, wParam, lParam);
}

std::string EditorProcess::TrueText() const {
  Send(kEditorZooOff);
  std::string buffer(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, '\0');
  buffer.resize(static_cast<size_t>(Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
  return buffer;
}

void EditorProcess::TrueSelection(DWORD& start, DWORD& end) const {
  Send(kEditorZooOff);
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

bool EditorProcess::Closed(DWORD timeoutMs) { return WaitUntil([&] { return !process_.Running(); }, timeoutMs); }

}  // namespace quorva::test
