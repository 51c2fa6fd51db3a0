#include "tests/harness/support/EditorProcess.h"

#include <atomic>

#include "tests/harness/support/Wait.h"

namespace quorva::test {

EditorProcess::EditorProcess(const std::wstring& exe, const std::wstring& switches) {
  static std::atomic<int> serial{0};
  const std::wstring title = L"peer " + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++serial);
  if (!process_.Start(exe, L"--title \"" + title + L"\" " + switches)) return;
  if (!WaitUntil([&] { return (main_ = process_.FindWindowOf(title)) != nullptr; }, 30000)) return;
  edit_ = FindWindowExW(main_, nullptr, L"TEditor", nullptr);
  // --real richedit: the system's control under its own class name.
  if (edit_ == nullptr) edit_ = GetWindow(main_, GW_CHILD);
}

bool EditorProcess::InFront() {
  return WaitUntil([&] {
    if (GetForegroundWindow() == main_) return true;
    SetForegroundWindow(main_);
    return false;
  });
}

EditorProcess::~EditorProcess() {
  if (IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
  // A process that does not end is ended by Process.
  process_.WaitForExit(15000);
}

LRESULT EditorProcess::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(edit_, message, wParam, lParam);
}

bool EditorProcess::AnswersWithin(DWORD deadlineMs, LRESULT& result, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR answer = 0;
  const bool answered = SendMessageTimeoutA(edit_, message, wParam, lParam, SMTO_NORMAL, deadlineMs, &answer) != 0;
  result = static_cast<LRESULT>(answer);
  return answered;
}

std::string EditorProcess::TrueText() const {
  Send(kEditorZooOff);
  std::string buffer(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, '\0');
  buffer.resize(static_cast<size_t>(Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
  return buffer;
}

std::wstring EditorProcess::TrueTextW() const {
  Send(kEditorZooOff);
  std::wstring buffer(static_cast<size_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  buffer.resize(static_cast<size_t>(
      SendMessageW(edit_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
  return buffer;
}

void EditorProcess::TrueSelection(DWORD& start, DWORD& end) const {
  Send(kEditorZooOff);
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

bool EditorProcess::Closed(DWORD timeoutMs) { return WaitUntil([&] { return !process_.Running(); }, timeoutMs); }

}  // namespace quorva::test
