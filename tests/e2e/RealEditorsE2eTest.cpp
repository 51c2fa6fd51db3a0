// quorva.exe against edit controls that nobody here wrote: the system's EDIT (an ANSI and a
// Unicode window), RichEdit, and Wine's own Notepad, beside the stand-in's ways of counting. Each
// control counts in its own unit; every row ends with the promised text, and one undo gives the
// text back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/text/Ansi.h"
#include "tests/harness/support/ControlUnits.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption
#include "ui/window/resource.h"

namespace quorva::test {
namespace {

struct Control {
  const char* name;
  const wchar_t* switches;  // the stand-in's; nullptr: Wine's notepad.exe
  Counts positions;         // how the control's positions count (EM_GETSEL, EM_SETSEL)
  Counts sel;               // how the stand-in's --sel counts (its core's bytes, or the control's)
  bool unicode;             // keeps characters outside code page 932
};

const Control kControls[] = {
    {"stand-in counting characters", L"--unit chars", Counts::kChars, Counts::kBytes, false},
    {"stand-in Unicode window", L"--unicode", Counts::kChars, Counts::kBytes, false},
    {"system EDIT, ANSI", L"--real edit", Counts::kChars, Counts::kChars, false},
    {"system EDIT, Unicode", L"--real edit-unicode", Counts::kChars, Counts::kChars, true},
    {"RichEdit", L"--real richedit", Counts::kCharsBreakOne, Counts::kCharsBreakOne, true},
    {"Wine's Notepad", nullptr, Counts::kChars, Counts::kChars, true},
};

struct Scene {
  const char* name;
  const wchar_t* args;
  std::u16string before, selected, after;
  std::u16string want;  // the new selection
  bool beyond932 = false;
};

std::u16string Repeat(char16_t c, size_t n) { return std::u16string(n, c); }

// The control in front holding the scene's text with its selection: the stand-in with its
// switches, or Notepad on a UTF-16 file with the selection sent to its edit control.
class Stage {
 public:
  Stage(const Control& c, const Scene& s) {
    const std::u16string text = s.before + s.selected + s.after;
    const int64_t start = Count(s.before, c.sel), end = Count(s.before + s.selected, c.sel);
    if (c.switches == nullptr) {
      std::string bytes = "\xFF\xFE";
      for (const char16_t u : text) bytes += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
      file_ = std::make_unique<TempFile>(L"notepad.txt", bytes);
      if (!notepad_.Start(L"C:\\windows\\system32\\notepad.exe", L"\"" + file_->Path() + L"\"")) return;
      WaitUntil([&] { return (main_ = notepad_.FindWindowOf()) != nullptr; }, 30000);
      edit_ = main_ ? FindWindowExW(main_, nullptr, L"Edit", nullptr) : nullptr;
      if (edit_) SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
      return;
    }
    std::wstring switches = std::wstring(c.switches) + L" --pos 0,0,360,240 --sel " + std::to_wstring(start) + L"," +
                            std::to_wstring(end);
    if (s.beyond932) {
      switches += L" --text \"" + ToWide(text) + L"\"";
    } else {
      file_ = std::make_unique<TempFile>(L"real.txt", ToAnsi(text));
      switches += L" --file \"" + file_->Path() + L"\"";
    }
    editor_ = std::make_unique<EditorProcess>(WindowsPath(QUORVA_EDITOR_EXE), switches);
    if (editor_->Found()) {
      main_ = editor_->Main();
      edit_ = editor_->Edit();
    }
  }

  bool InFront() {
    return edit_ != nullptr && WaitUntil([&] {
             if (GetForegroundWindow() == main_) return true;
             SetForegroundWindow(main_);
             return false;
           });
  }
  HWND Edit() const { return edit_; }
  std::wstring Text() const {
    if (editor_) return editor_->TrueTextW();
    std::wstring buffer(static_cast<size_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    buffer.resize(static_cast<size_t>(SendMessageW(edit_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()))));
    return buffer;
  }

 private:
  std::unique_ptr<TempFile> file_;
  std::unique_ptr<EditorProcess> editor_;
  Process notepad_;
  HWND main_ = nullptr;
  HWND edit_ = nullptr;
};

const Scene kScenes[] = {
    {"lines with double-byte text around", L"/now /places:0", u"メモ：\r\n", u"100*2\r\n300/4\r\nメモ\r\n", u"後",
     u"200\r\n75\r\nメモ\r\n"},
    {"an expression inside a line", L"/now", u"合計 ", u"1,234*1.08", u" 円", u"1332.72"},
    {"append", L"/now /append", u"前\r\n", u"2*3", u"\r\n後", u"2*3 = 6.00"},
    {"past 65535", L"/now", u"あ" + Repeat(u'a', 65534) + u"\r\n", u"1+2", u" b", u"3.00"},
    {"beyond code page 932 around", L"/now", u"€é한😀 ", u"2*3", u" 😀é", u"6.00", true},
    {"beyond code page 932 inside", L"/now", u"€ ", u"2*3\r\n😀 メモ é\r\n4*5", u" 한", u"6.00\r\n😀 メモ é\r\n20.00", true},
};

TEST(RealEditors, EveryControlGetsThePromisedTextAndOneUndoGivesItBack) {
  TempFolder appData(L"appdata-real");
  ScopedEnvironment variable(L"APPDATA", appData.Path());
  for (const Control& c : kControls) {
    for (const Scene& s : kScenes) {
      if (s.beyond932 && !c.unicode) continue;
      SCOPED_TRACE(std::string(c.name) + " / " + s.name);
      Stage stage(c, s);
      ASSERT_TRUE(stage.InFront()) << "editor not in front";
      const std::wstring original = stage.Text();
      Process quorva;
      ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), s.args));
      bool window = false;
      const bool ended = WaitUntil([&] {
        window = window || quorva.FindWindowOf() != nullptr;
        return !quorva.Running();
      }, 30000);
      HWND box = quorva.FindMessageBox();
      ASSERT_TRUE(ended) << "Quorva did not end; " << (box ? ToAnsi(FromWide(MessageBoxText(box))) : "no message box");
      EXPECT_FALSE(window) << "a window opened";
      const std::u16string want = s.before + s.want + s.after;
      EXPECT_EQ(stage.Text(), ToWide(want));
      DWORD start = 0, end = 0;
      SendMessageW(stage.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(end, static_cast<DWORD>(Count(s.before + s.want, c.positions))) << "the caret is not after the answer";
      SendMessageW(stage.Edit(), EM_UNDO, 0, 0);
      EXPECT_EQ(stage.Text(), original) << "one undo does not give the selection back";
    }
  }
}

// The window's road: the selection comes in with /selection, Enter, and the editor button
// writes the answer over it, in the control's own unit.
TEST(RealEditors, TheEditorButtonWritesOverTheSelectionOfEveryControl) {
  TempFolder appData(L"appdata-real-button");
  ScopedEnvironment variable(L"APPDATA", appData.Path());
  const Scene s = {"button", L"/selection /places:0", u"合計 ", u"1,234*1.08", u" 円", u"1333"};
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    Stage stage(c, s);
    ASSERT_TRUE(stage.InFront()) << "editor not in front";
    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), s.args));
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; }, 20000)) << "no window";
    const auto item = [&](int id) { return GetDlgItem(window, id); };
    ASSERT_TRUE(WaitUntil([&] { return WindowText(item(IDC_TXTCALC)) == L"1,234*1.08"; })) << "the selection did not come in";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window && FocusOf(window) == item(IDC_TXTCALC); }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(item(IDC_CMDTERAPAD)) != FALSE; })) << "exchange disabled";
    HWND box = nullptr;
    ASSERT_TRUE(ClickWindow(item(IDC_CMDTERAPAD), [&] {
      return !quorva.Running() || (box = quorva.FindMessageBox()) != nullptr || FocusOf(window) == item(IDC_CMDTERAPAD);
    }));
    ASSERT_TRUE(quorva.WaitForExit(20000)) << "Quorva did not end; "
                                           << (box ? ToAnsi(FromWide(MessageBoxText(box))) : "no message box");
    EXPECT_EQ(stage.Text(), ToWide(s.before + s.want + s.after));
  }
}

// An editor that hands out less than its text, whatever its length says, gives no selection to
// calculate: one report, an empty expression box, the editor's text as it was.
TEST(RealEditors, AShortReadIsReportedAndNotTakenForTheSelection) {
  TempFile file(L"short.txt", ToAnsi(u"1+2合計"));
  EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE), L"--give-limit 2 --sel 0,3 --file \"" + file.Path() + L"\"");
  ASSERT_TRUE(editor.Found() && editor.InFront()) << "editor not in front";
  Process quorva;
  ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), L"/selection"));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = quorva.FindMessageBox()) != nullptr; }, 20000)) << "no report";
  EXPECT_NE(MessageBoxText(box).find(L"エディタから文字列を読み取れません。"), std::wstring::npos)
      << ToAnsi(FromWide(MessageBoxText(box)));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; }, 20000)) << "no window";
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) && quorva.FindMessageBox() == nullptr; }))
      << "a second report";
  EXPECT_EQ(WindowText(GetDlgItem(window, IDC_TXTCALC)), L"");
  EXPECT_EQ(editor.TrueText(), ToAnsi(u"1+2合計"));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quorva.WaitForExit(10000));
}

}  // namespace
}  // namespace quorva::test
