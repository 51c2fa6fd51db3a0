// quorva-editor.exe in another process, driven by plain messages: each switch that makes it answer
// like another editor does what it says, and the driver messages read its state.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/Processes.h"
#include "tests/support/Wait.h"

namespace quorva {
namespace {

// The editor's driver messages.
constexpr UINT kZooOff = WM_APP + 2;
constexpr UINT kAnswered = WM_APP + 3;
constexpr UINT kUndoDepth = WM_APP + 4;
constexpr UINT kReceived = WM_APP + 5;

constexpr DWORD kSentinel = 0xDEADBEEF;

std::wstring TempFile(const std::string& bytes) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"quorva-zoo-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(f);
  return path;
}

std::string Narrow(const std::wstring& ascii) {
  std::string out;
  for (const wchar_t c : ascii) out += static_cast<char>(c);
  return out;
}

struct Selection {
  LRESULT result;
  DWORD start, end;  // the output addresses as they came back
};

// quorva-editor.exe started with some switches; closed and awaited at the end of the scope.
class Editor {
 public:
  explicit Editor(const std::wstring& switches, const std::string& fileBytes = {}) {
    if (!fileBytes.empty()) file_ = TempFile(fileBytes);
    const std::wstring title = L"zoo " + std::to_wstring(GetCurrentProcessId());
    std::wstring args = L"--title \"" + title + L"\" " + switches;
    if (!file_.empty()) args += L" --file \"" + file_ + L"\"";
    started_ = process_.Start(test::WindowsPath(QUORVA_EDITOR_EXE), args);
    if (started_) test::WaitUntil([&] { return (main_ = process_.FindWindowOf(title)) != nullptr; });
    if (main_) edit_ = FindWindowExW(main_, nullptr, L"TEditor", nullptr);
  }
  ~Editor() {
    if (IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (started_) {
      EXPECT_TRUE(process_.WaitForExit(15000)) << "the editor did not end";
    }
    if (!file_.empty()) DeleteFileW(file_.c_str());
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  bool Found() const { return edit_ != nullptr; }
  HWND Main() const { return main_; }
  test::Process& Process() { return process_; }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(edit_, message, wParam, lParam);
  }
  LRESULT Replace(const char* text, bool undoable = true) const {
    return Send(EM_REPLACESEL, undoable, reinterpret_cast<LPARAM>(text));
  }
  Selection GetSel() const {
    Selection s{0, kSentinel, kSentinel};
    s.result = Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
    return s;
  }
  // The text as the editor answers WM_GETTEXTLENGTH and WM_GETTEXT now.
  std::string Text() const {
    std::string buffer(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, '\x7F');
    buffer.resize(static_cast<size_t>(Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
    return buffer;
  }
  // The text as the editor really holds it: every switch off first.
  std::string TrueText() const {
    EXPECT_EQ(Send(kZooOff), 1);
    return Text();
  }

 private:
  test::Process process_;
  bool started_ = false;
  std::wstring file_;
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};

const std::string kLong = std::string(70000, 'a') + "xyz";

TEST(EditorZoo, GetSelAnswersInTheStyleAskedFor) {
  const struct {
    const wchar_t* switches;
    const wchar_t* sel;
    bool writes;
    LRESULT result;
  } cases[] = {
      {L"", L"3,7", true, 0x00070003},
      {L"", L"65534,65537", true, 0x0001FFFE},
      {L"--getsel both", L"65534,65537", true, 0x0001FFFE},
      {L"--getsel packed", L"3,7", false, 0x00070003},
      {L"--getsel packed", L"65534,65537", false, 0x0001FFFE},
      {L"--getsel packed", L"70001,70002", false, 0x11721171},
      {L"--getsel minus-one", L"3,7", true, 0x00070003},
      {L"--getsel minus-one", L"65535,65535", true, 0xFFFFFFFF},
      {L"--getsel minus-one", L"65534,65537", true, -1},
      {L"--read-only --getsel packed --no-undo", L"65534,65537", false, 0x0001FFFE},
  };
  for (const auto& c : cases) {
    const std::wstring args = std::wstring(c.switches) + L" --sel " + c.sel;
    SCOPED_TRACE(Narrow(args));
    Editor editor(args, kLong);
    ASSERT_TRUE(editor.Found());
    const Selection s = editor.GetSel();
    EXPECT_EQ(s.result, c.result);
    DWORD start = 0, end = 0;
    swscanf(c.sel, L"%lu,%lu", &start, &end);
    if (c.writes) {
      EXPECT_EQ(s.start, start);
      EXPECT_EQ(s.end, end);
    } else {
      // Across processes the outputs come back whether written or not: they must not hold the
      // positions.
      EXPECT_NE(s.start, start);
      EXPECT_NE(s.end, end);
    }
    EXPECT_EQ(editor.Send(EM_GETSEL), c.result) << "without output addresses";
  }
}

TEST(EditorZoo, ReadOnlyKeepsTheTextButStillSelectsAndCopies) {
  Editor editor(L"--read-only --text \"abc XYZ def\" --sel 0,3");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_COPY), 0);  // "abc" on the clipboard, for the paste below
  editor.Send(EM_SETSEL, 4, 7);
  EXPECT_EQ(editor.GetSel().result, 0x00070004);
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
    const char* text;
  } edits[] = {
      {"EM_REPLACESEL", EM_REPLACESEL, TRUE, "9.00"}, {"EM_REPLACESEL, not undoable", EM_REPLACESEL, FALSE, "9.00"},
      {"WM_CLEAR", WM_CLEAR, 0, nullptr},           {"WM_CUT", WM_CUT, 0, nullptr},
      {"WM_PASTE", WM_PASTE, 0, nullptr},           {"WM_SETTEXT", WM_SETTEXT, 0, "new"},
  };
  for (const auto& e : edits) {
    EXPECT_EQ(editor.Send(e.message, e.wParam, reinterpret_cast<LPARAM>(e.text)), 0) << e.name;
    EXPECT_EQ(editor.Text(), "abc XYZ def") << e.name;
    EXPECT_EQ(editor.Send(kUndoDepth), 0) << e.name;
    EXPECT_EQ(editor.Send(kReceived, e.message), e.message == EM_REPLACESEL ? 1 + (e.wParam == FALSE) : 1) << e.name;
  }
  // Switched off, the paste takes what the read-only editor copied.
  EXPECT_EQ(editor.TrueText(), "abc XYZ def");
  EXPECT_EQ(editor.Send(WM_PASTE), 0);
  EXPECT_EQ(editor.Text(), "abc abc def");
}

TEST(EditorZoo, NoClearIgnoresWmClearOnly) {
  Editor editor(L"--no-clear --text \"abc XYZ def\" --sel 4,7");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_CLEAR), 0);
  EXPECT_EQ(editor.Text(), "abc XYZ def");
  EXPECT_EQ(editor.Send(kUndoDepth), 0);
  editor.Replace("x");
  EXPECT_EQ(editor.Text(), "abc x def");
  editor.Send(EM_SETSEL, 0, 4);
  EXPECT_EQ(editor.Send(WM_CUT), 0);
  EXPECT_EQ(editor.Text(), "x def");
  EXPECT_EQ(editor.Send(kUndoDepth), 2);
  EXPECT_EQ(editor.Send(EM_UNDO), 1);
  EXPECT_EQ(editor.Text(), "abc x def");
  EXPECT_EQ(editor.Send(kZooOff), 1);
  editor.Send(EM_SETSEL, 0, 4);
  EXPECT_EQ(editor.Send(WM_CLEAR), 0);
  EXPECT_EQ(editor.Text(), "x def") << "clears once switched off";
  EXPECT_EQ(editor.Send(kReceived, WM_CLEAR), 2);
}

TEST(EditorZoo, NoUndoKeepsTheHistoryItCannotUse) {
  Editor editor(L"--no-undo --text abc --sel 0,3");
  ASSERT_TRUE(editor.Found());
  editor.Replace("xyz");
  EXPECT_EQ(editor.Send(kUndoDepth), 1);
  EXPECT_EQ(editor.Send(EM_UNDO), 0);
  EXPECT_EQ(editor.Send(EM_CANUNDO), 0);
  EXPECT_EQ(editor.Text(), "xyz");
  EXPECT_EQ(editor.Send(kUndoDepth), 1) << "the history is untouched";
  EXPECT_EQ(editor.Send(kZooOff), 1);
  EXPECT_EQ(editor.Send(EM_UNDO), 1);
  EXPECT_EQ(editor.Text(), "abc");
}

TEST(EditorZoo, CloseAfterAnswersNMessagesThenTheWindowGoes) {
  for (const int n : {0, 1, 3}) {
    SCOPED_TRACE("--close-after " + std::to_string(n));
    Editor editor(L"--text abc --sel 1,2 --close-after " + std::to_wstring(n));
    ASSERT_TRUE(editor.Found());
    EXPECT_EQ(editor.Send(kAnswered), 0) << "nothing counted before the driver asks";
    for (int i = 0; i < n; ++i) EXPECT_EQ(editor.Send(EM_GETSEL), 0x00020001) << "message " << i + 1;
    EXPECT_EQ(editor.Send(EM_GETSEL), 0) << "the message after the last one answered";
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(editor.Main()); })) << "the window is still there";
    EXPECT_TRUE(editor.Process().WaitForExit(15000)) << "the editor did not end";
    EXPECT_EQ(editor.Process().ExitCode(), 0u);
  }
}

TEST(EditorZoo, SwitchingOffDisarmsACloseThatHasNotHappened) {
  Editor editor(L"--text abc --close-after 2");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(EM_LINEINDEX, 0), 0);
  EXPECT_EQ(editor.Send(kZooOff), 1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(editor.Send(EM_LINEFROMCHAR, 2), 0);
  EXPECT_EQ(editor.Send(EM_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(editor.Send(kAnswered), 7);
  EXPECT_TRUE(IsWindow(editor.Main()));
}

TEST(EditorZoo, DelaySlowsEveryEditMessage) {
  Editor editor(L"--text abc --delay 300");
  ASSERT_TRUE(editor.Found());
  for (const UINT message : {EM_GETSEL, EM_LINEINDEX}) {
    const ULONGLONG before = GetTickCount64();
    editor.Send(message);
    EXPECT_GE(GetTickCount64() - before, 290u) << "message 0x" << std::hex << message;
  }
}

TEST(EditorZoo, TextKeepsZeroBytes) {
  Editor editor(L"--text \"ab\\0cd\\\\0\"");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_GETTEXTLENGTH), 7);
  EXPECT_EQ(editor.Text(), std::string("ab\0cd\\0", 7));
}

TEST(EditorZoo, ABadCommandLineIsReportedAndEndsWithCode2) {
  for (const wchar_t* args : {L"--getsel sideways", L"--getsel", L"--close-after -1", L"--delay soon",
                              L"--read-only yes"}) {
    SCOPED_TRACE(Narrow(args));
    test::Process editor;
    ASSERT_TRUE(editor.Start(test::WindowsPath(QUORVA_EDITOR_EXE), args));
    HWND box = nullptr;
    ASSERT_TRUE(test::WaitUntil([&] { return (box = editor.FindWindowOf(L"quorva-editor")) != nullptr; }));
    EXPECT_NE(test::WindowText(GetDlgItem(box, 0xFFFF)).find(L"[--getsel both|packed|minus-one] [--read-only]"),
              std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(editor.WaitForExit(15000));
    EXPECT_EQ(editor.ExitCode(), 2u);
  }
}

}  // namespace
}  // namespace quorva
