#pragma once
// quorva-editor.exe in another process, as the outside editor is: started with switches that make
// it answer like another editor, brought to the front, read back through its driver messages, and
// closed at the end of the scope.
#include <windows.h>

#include <string>

#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/editor/EditorWindow.h"

namespace quorva::test {

// The stand-in editor's driver messages (they do not count as edit messages).
constexpr UINT kEditorSetLimit = qeditor::kSetLimitMessage;
constexpr UINT kEditorZooOff = qeditor::kZooOffMessage;
constexpr UINT kEditorAnswered = qeditor::kAnsweredMessage;
constexpr UINT kEditorUndoDepth = qeditor::kUndoDepthMessage;
constexpr UINT kEditorReceived = qeditor::kReceivedMessage;

class EditorProcess {
 public:
  // Starts the editor (its Windows path) with the switches; Found() tells whether its window
  // opened.
  EditorProcess(const std::wstring& exe, const std::wstring& switches);
  ~EditorProcess();
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  bool Found() const { return edit_ != nullptr; }
  // Brings the editor's window to the front (it takes the front itself when it opens, unless a
  // window that is closing meanwhile gives it to another) and says whether it is there.
  bool InFront();
  HWND Main() const { return main_; }
  HWND Edit() const { return edit_; }
  Process& Proc() { return process_; }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Whether the editor answers before the deadline (a slow editor's answer may come later);
  // the answer in result.
  bool AnswersWithin(DWORD deadlineMs, LRESULT& result, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // What the editor really holds, with every switch off first (and so for good).
  std::string TrueText() const;
  // The same as UTF-16, read with the W messages (all of a Unicode control's text).
  std::wstring TrueTextW() const;
  // The selection as the editor holds it, with every switch off.
  void TrueSelection(DWORD& start, DWORD& end) const;
  // Whether the editor closed within the deadline.
  bool Closed(DWORD timeoutMs = 10000);

 private:
  Process process_;
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace quorva::test
