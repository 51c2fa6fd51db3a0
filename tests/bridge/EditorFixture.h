#pragma once
// An in-process stand-in editor with a message log, a bridge bound to it, and the reports the
// user is told of the bridge's calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/bridge/TellingBridge.h"
#include "tests/harness/support/MessageBoxes.h"
#include "tests/harness/support/Wait.h"
#include "EditorWindow.h"
#include "bridge/clsTeraPad.h"
#include "common/text/Ansi.h"
#include "shared/MessageBox.h"

namespace quorva::test {

// One message that reached the "TEditor" window.
struct Sent {
  UINT message;
  INT_PTR wParam;
  INT_PTR lParam;
  std::string text;  // the bytes of an EM_REPLACESEL
  bool operator==(const Sent& o) const {
    return message == o.message && wParam == o.wParam && lParam == o.lParam && text == o.text;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Sent& s) {
  return os << "{0x" << std::hex << s.message << std::dec << ", " << s.wParam << ", " << s.lParam << ", \"" << s.text
            << "\"}";
}

// The message log of the one editor window that the running test watches.
inline std::vector<Sent>& Log() {
  static std::vector<Sent> log;
  return log;
}
inline WNDPROC& OriginalProc() {
  static WNDPROC proc = nullptr;
  return proc;
}

inline LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_CLEAR:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case EM_UNDO:
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
    case EM_GETFIRSTVISIBLELINE:
    case EM_SETSEL:
      Log().push_back({message, static_cast<INT_PTR>(wParam), static_cast<INT_PTR>(lParam), {}});
      break;
    case EM_GETSEL:  // the addresses differ from call to call; record whether they were given
      Log().push_back({message, wParam != 0, lParam != 0, {}});
      break;
    case EM_REPLACESEL:
      Log().push_back({message, static_cast<INT_PTR>(wParam), 0, reinterpret_cast<const char*>(lParam)});
      break;
    default:
      break;
  }
  return CallWindowProcA(OriginalProc(), window, message, wParam, lParam);
}

// Code page 932 bytes of a UTF-16 text, for readable expectations.
inline std::string A(const std::u16string& s) { return ToAnsi(s); }


class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    Open(u"", 0);
  }

  void TearDown() override {
    if (main && IsWindow(main)) DestroyWindow(main);
    EXPECT_TRUE(recorder.Boxes.empty()) << "the bridge showed a box itself: " << A(recorder.Texts());
  }

  // A fresh editor holding text (UTF-16, stored as CP932) with the given byte limit, and a bridge
  // aimed at it.
  void Open(const std::u16string& text, size_t limit, int64_t selStart = 0, int64_t selEnd = 0) {
    qeditor::Options o;
    o.text = A(text);
    o.giveLimit = o.takeLimit = limit;
    o.selStart = selStart;
    o.selEnd = selEnd;
    Open(o);
  }

  // A fresh editor made from the options (a zoo of behaviours among them).
  void Open(const qeditor::Options& o) {
    if (main && IsWindow(main)) DestroyWindow(main);
    main = qeditor::CreateEditorWindow(o);
    ASSERT_NE(main, nullptr);
    edit = qeditor::EditorChild(main);
    core = qeditor::CoreOf(edit);
    OriginalProc() = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Recorder)));
    bridge = MakeBridge();
    bridge->hWin(main);
    bridge->hEdit(edit);
    Log().clear();
    reports.clear();
  }

  virtual std::unique_ptr<clsTeraPad> MakeBridge() { return std::make_unique<Telling<clsTeraPad>>(reports); }

  std::string Bytes() const { return core->Text(); }

  HWND main = nullptr;
  HWND edit = nullptr;
  qeditor::EditorCore* core = nullptr;
  std::unique_ptr<clsTeraPad> bridge;
  MessageBoxRecorder recorder;  // what the bridge would show itself: nothing
  std::vector<MessageBoxRequest> reports;
};

}  // namespace quorva::test
