// quorva-editor.exe in another process, driven by plain messages: each switch that makes it answer
// like another editor does what it says, and the driver messages read its state.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/GetSelCases.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

const std::wstring kEditor = WindowsPath(QUORVA_EDITOR_EXE);
constexpr DWORD kSentinel = 0xDEADBEEF;

std::string Narrow(const std::wstring& ascii) {
  std::string out;
  for (const wchar_t c : ascii) out += static_cast<char>(c);
  return out;
}

LRESULT Replace(const EditorProcess& editor, const char* text, bool undoable = true) {
  return editor.Send(EM_REPLACESEL, undoable, reinterpret_cast<LPARAM>(text));
}

struct Selection {
  LRESULT result;
  DWORD start, end;  // the output addresses as they came back
};

Selection GetSel(const EditorProcess& editor) {
  Selection s{0, kSentinel, kSentinel};
  s.result = editor.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
  return s;
}

// The text as the editor answers WM_GETTEXTLENGTH and WM_GETTEXT now, switches and all.
std::string Text(const EditorProcess& editor) {
  std::string buffer(static_cast<size_t>(editor.Send(WM_GETTEXTLENGTH)) + 1, '\x7F');
  buffer.resize(
      static_cast<size_t>(editor.Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
  return buffer;
}

TEST(EditorZoo, OpensInFrontWithTheFocusInTheEditor) {
  EditorProcess editor(kEditor, L"--text abc --no-undo --delay 10");
  ASSERT_TRUE(editor.Found());
  EXPECT_TRUE(WaitUntil([&] {
    return GetForegroundWindow() == editor.Main() && FocusOf(editor.Main()) == editor.Edit();
  }));
}

void ExpectGetSel(const std::wstring& switches, DWORD start, DWORD end, bool writes, LRESULT result) {
  const std::wstring args = switches + L" --sel " + std::to_wstring(start) + L"," + std::to_wstring(end);
  SCOPED_TRACE(Narrow(args));
  const TempFile file(L"zoo-long.txt", std::string(70000, 'a') + "xyz");
  EditorProcess editor(kEditor, args + L" --file \"" + file.Path() + L"\"");
  ASSERT_TRUE(editor.Found());
  const Selection s = GetSel(editor);
  EXPECT_EQ(s.result, result);
  if (writes) {
    EXPECT_EQ(s.start, start);
    EXPECT_EQ(s.end, end);
  } else {
    // Across processes the outputs come back whether written or not (Wine: zeroed), so they
    // are checked only for not holding the positions.
    EXPECT_NE(s.start, start);
    EXPECT_NE(s.end, end);
  }
  EXPECT_EQ(editor.Send(EM_GETSEL), result) << "without output addresses";
}

TEST(EditorZoo, GetSelAnswersInTheStyleAskedFor) {
  for (const GetSelCase& c : kGetSelCases) {
    SCOPED_TRACE(c.Name);
    ExpectGetSel(GetSelSwitch(c.Mode), static_cast<DWORD>(c.Start), static_cast<DWORD>(c.End), c.WritesOutputs,
                 static_cast<LRESULT>(c.Result));
  }
  // Without the switch the editor answers in both ways; switches without a value do not
  // swallow the next one.
  ExpectGetSel(L"", 3, 7, true, 0x00070003);
  ExpectGetSel(L"", 65534, 65537, true, 0x0001FFFE);
  ExpectGetSel(L"--read-only --getsel packed --no-undo", 65534, 65537, false, 0x0001FFFE);
}

TEST(EditorZoo, ReadOnlyKeepsTheTextButStillSelectsAndCopies) {
  EditorProcess editor(kEditor, L"--read-only --text \"abc XYZ def\" --sel 0,3");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_COPY), 0);  // "abc" on the clipboard, for the paste below
  editor.Send(EM_SETSEL, 4, 7);
  EXPECT_EQ(GetSel(editor).result, 0x00070004);
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
    EXPECT_EQ(Text(editor), "abc XYZ def") << e.name;
    EXPECT_EQ(editor.Send(kEditorUndoDepth), 0) << e.name;
    EXPECT_EQ(editor.Send(kEditorReceived, e.message), e.message == EM_REPLACESEL ? 1 + (e.wParam == FALSE) : 1) << e.name;
  }
  // Switched off, the paste takes what the read-only editor copied.
  EXPECT_EQ(editor.Send(kEditorZooOff), 1);
  EXPECT_EQ(Text(editor), "abc XYZ def");
  EXPECT_EQ(editor.Send(WM_PASTE), 0);
  EXPECT_EQ(Text(editor), "abc abc def");
}

TEST(EditorZoo, NoClearIgnoresWmClearOnly) {
  EditorProcess editor(kEditor, L"--no-clear --text \"abc XYZ def\" --sel 4,7");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_CLEAR), 0);
  EXPECT_EQ(Text(editor), "abc XYZ def");
  EXPECT_EQ(editor.Send(kEditorUndoDepth), 0);
  Replace(editor, "x");
  EXPECT_EQ(Text(editor), "abc x def");
  editor.Send(EM_SETSEL, 0, 4);
  EXPECT_EQ(editor.Send(WM_CUT), 0);
  EXPECT_EQ(Text(editor), "x def");
  EXPECT_EQ(editor.Send(kEditorUndoDepth), 2);
  EXPECT_EQ(editor.Send(EM_UNDO), 1);
  EXPECT_EQ(Text(editor), "abc x def");
  EXPECT_EQ(editor.Send(kEditorZooOff), 1);
  editor.Send(EM_SETSEL, 0, 4);
  EXPECT_EQ(editor.Send(WM_CLEAR), 0);
  EXPECT_EQ(Text(editor), "x def") << "clears once switched off";
  EXPECT_EQ(editor.Send(kEditorReceived, WM_CLEAR), 2);
}

TEST(EditorZoo, NoUndoKeepsTheHistoryItCannotUse) {
  EditorProcess editor(kEditor, L"--no-undo --text abc --sel 0,3");
  ASSERT_TRUE(editor.Found());
  Replace(editor, "xyz");
  EXPECT_EQ(editor.Send(kEditorUndoDepth), 1);
  EXPECT_EQ(editor.Send(EM_UNDO), 0);
  EXPECT_EQ(editor.Send(EM_CANUNDO), 0);
  EXPECT_EQ(Text(editor), "xyz");
  EXPECT_EQ(editor.Send(kEditorUndoDepth), 1) << "the history is untouched";
  EXPECT_EQ(editor.Send(kEditorZooOff), 1);
  EXPECT_EQ(editor.Send(EM_UNDO), 1);
  EXPECT_EQ(Text(editor), "abc");
}

TEST(EditorZoo, CloseAfterAnswersNMessagesThenTheWindowGoes) {
  for (const int n : {0, 1, 3}) {
    SCOPED_TRACE("--close-after " + std::to_string(n));
    EditorProcess editor(kEditor, L"--text abc --sel 1,2 --close-after " + std::to_wstring(n));
    ASSERT_TRUE(editor.Found());
    EXPECT_EQ(editor.Send(kEditorAnswered), 0) << "nothing counted before the driver asks";
    for (int i = 0; i < n; ++i) EXPECT_EQ(editor.Send(EM_GETSEL), 0x00020001) << "message " << i + 1;
    EXPECT_EQ(editor.Send(EM_GETSEL), 0) << "the message after the last one answered";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor.Main()); })) << "the window is still there";
    EXPECT_TRUE(editor.Proc().WaitForExit(15000)) << "the editor did not end";
    EXPECT_EQ(editor.Proc().ExitCode(), 0u);
  }
}

TEST(EditorZoo, SwitchingOffDisarmsACloseThatHasNotHappened) {
  EditorProcess editor(kEditor, L"--text abc --close-after 2");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(EM_LINEINDEX, 0), 0);
  EXPECT_EQ(editor.Send(kEditorZooOff), 1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(editor.Send(EM_LINEFROMCHAR, 2), 0);
  EXPECT_EQ(editor.Send(EM_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(editor.Send(kEditorAnswered), 7);
  EXPECT_TRUE(IsWindow(editor.Main()));
}

TEST(EditorZoo, SwitchingOffGivesThePlainEditorBack) {
  EditorProcess editor(kEditor,
                       L"--text abcdef --sel 1,2 --limit 2 --getsel packed --read-only --no-undo --delay 60000");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(kEditorZooOff), 1);
  // With the delay still on, the answer would take a minute.
  LRESULT length = 0;
  ASSERT_TRUE(editor.AnswersWithin(20000, length, WM_GETTEXTLENGTH)) << "no delay";
  EXPECT_EQ(length, 6);
  EXPECT_EQ(Text(editor), "abcdef") << "no limit";
  const Selection s = GetSel(editor);
  EXPECT_EQ(s.start, 1u);
  EXPECT_EQ(s.end, 2u);
  Replace(editor, "XYZ");
  EXPECT_EQ(Text(editor), "aXYZcdef");
  EXPECT_EQ(editor.Send(EM_UNDO), 1);
  EXPECT_EQ(Text(editor), "abcdef");
}

TEST(EditorZoo, DelaySlowsEveryEditMessage) {
  EditorProcess editor(kEditor, L"--text abc --delay 3000");
  ASSERT_TRUE(editor.Found());
  for (const UINT message : {EM_GETSEL, EM_LINEINDEX}) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << message);
    LRESULT answer = 0;
    // However busy the machine, no answer can come before the delay is over.
    EXPECT_FALSE(editor.AnswersWithin(500, answer, message)) << "answered before its delay";
    // A driver message is answered in turn once the delayed one is, so the next starts afresh.
    EXPECT_TRUE(editor.AnswersWithin(30000, answer, kEditorAnswered)) << "never answered";
  }
}

TEST(EditorZoo, TextKeepsZeroBytes) {
  EditorProcess editor(kEditor, L"--text \"ab\\0cd\\\\0\"");
  ASSERT_TRUE(editor.Found());
  EXPECT_EQ(editor.Send(WM_GETTEXTLENGTH), 7);
  EXPECT_EQ(Text(editor), std::string("ab\0cd\\0", 7));
}

TEST(EditorZoo, ABadCommandLineIsReportedAndEndsWithCode2) {
  for (const wchar_t* args : {L"--getsel sideways", L"--getsel", L"--close-after -1", L"--delay soon",
                              L"--read-only yes"}) {
    SCOPED_TRACE(Narrow(args));
    Process editor;
    ASSERT_TRUE(editor.Start(kEditor, args));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = editor.FindWindowOf(L"quorva-editor")) != nullptr; }));
    EXPECT_NE(WindowText(GetDlgItem(box, 0xFFFF)).find(L"[--getsel both|packed|minus-one] [--read-only]"),
              std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(editor.WaitForExit(15000));
    EXPECT_EQ(editor.ExitCode(), 2u);
  }
}

}  // namespace
}  // namespace quorva::test
