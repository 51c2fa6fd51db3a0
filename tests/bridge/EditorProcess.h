#pragma once
// quorva-editor.exe in another process, as the outside editor is: started with switches that make
// it answer like another editor, brought to the front, read back through its driver messages, and
// closed at the end of the scope.
#include <windows.h>

#include <string>

#include "tests/support/Processes.h"

namespace quorva::test {

// The stand-in editor's driver messages (they do not count as edit messages).
constexpr UINT kEditorSetLimit = WM_APP + 1;
constexpr UINT kEditorZooOff = WM_APP + 2;
constexpr UINT kEditorAnswered = WM_APP + 3;
constexpr UINT kEditorUndoDepth = WM_APP + 4;
constexpr UINT kEditorReceived = WM_APP + 5;

// A file in the temporary folder, removed with the object.
class TempFile {
 public:
  TempFile(const std::wstring& name, const std::string& bytes);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::wstring& Path() const { return path_; }
  std::string Bytes() const;

 private:
  std::wstring path_;
};

class EditorProcess {
 public:
  // Starts the editor with the switches; Found() tells whether its window came to the front.
  explicit EditorProcess(const std::wstring& switches);
  ~EditorProcess();
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  bool Found() const { return edit_ != nullptr; }
  HWND Main() const { return main_; }
  HWND Edit() const { return edit_; }
  Process& Proc() { return process_; }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // What the editor really holds, with every switch off first (and so for good).
  std::string TrueText() const;
  // The selection as the editor holds it, with every switch off.
  void TrueSelection(DWORD& start, DWORD& end) const;
  // Whether the editor closed within the deadline.
  bool Closed(DWORD timeoutMs = 10000);

 private:
  Process process_;
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};

// The editor's path from the build, as Wine sees it.
std::wstring EditorExe();

}  // namespace quorva::test
