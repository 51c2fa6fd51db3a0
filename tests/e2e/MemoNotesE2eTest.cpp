// The corpus's multi-line notes through quorva.exe /now in another process, against the stand-in
// editor, the system's Unicode EDIT and RichEdit: each editor ends with the text the note's writer
// expects, a note that must stay is left byte for byte, and a total that stays is told once with
// the line that stopped it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/Ansi.h"
#include "common/text/Utf8.h"
#include "tests/harness/support/ControlUnits.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/MemoNotes.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption

namespace quorva::test {
namespace {

constexpr DWORD kQuorvaDeadlineMs = 30000;
constexpr size_t kEveryNote = 0;

struct Control {
  const char* name;
  const wchar_t* switches;  // the stand-in's
  Counts sel;               // how its --sel counts
  bool unicode;             // read back with the W messages
  size_t notes;             // how many of the corpus's notes it gets (kEveryNote: all)
  bool withReports;         // every note whose total stays besides
};

// The text around the selection, which no note may touch.
constexpr char16_t kBefore[] = u"メモ\r\n";
constexpr char16_t kAfter[] = u"\r\n以上";

std::u16string Windows(const std::string& utf8) {
  std::u16string out;
  for (const char16_t c : Utf8ToUtf16(utf8)) (c == u'\n' ? out += u"\r\n" : out += c);
  return out;
}

bool Fits932(const std::u16string& text) { return FromAnsi(ToAnsi(text)) == text; }

// The multi-line notes that code page 932 holds: all, or some evenly spread over the corpus so
// that a control gets notes of every kind.
std::vector<MemoNote> Chosen(size_t count, bool withReports) {
  std::vector<MemoNote> fit;
  for (MemoNote& note : ReadMemoFolder(WindowsPath(QUORVA_MEMO_NOTES))) {
    if (note.Selection.find('\n') != std::string::npos && Fits932(Windows(note.Selection + note.Want))) {
      fit.push_back(std::move(note));
    }
  }
  const size_t stride = count == kEveryNote ? 1 : std::max<size_t>(1, fit.size() / count);
  std::vector<MemoNote> chosen;
  for (size_t i = 0; i < fit.size(); ++i) {
    if (i % stride == 0 || (withReports && !fit[i].ReportLine.empty())) chosen.push_back(fit[i]);
  }
  return chosen;
}

std::wstring NowArguments(const MemoNote& note) {
  const MemoOptions o = OptionsOf(note);
  std::wstring args = L"/now";
  if (o.Append) args += L" /append";
  if (o.Places) args += L" /places:" + ToWide(Utf8ToUtf16(*o.Places));
  if (o.Group) args += L" /group";
  if (o.Wide) args += L" /wide";
  if (!o.Round.empty()) args += L" /round:" + ToWide(Utf8ToUtf16(o.Round));
  return args;
}

// The editor in front holding the note between the text around it, the note selected.
struct Stage {
  Stage(const Control& c, const std::u16string& selection)
      : file(L"memo-note.txt", ToAnsi(kBefore + selection + kAfter)),
        editor(WindowsPath(QUORVA_EDITOR_EXE),
               std::wstring(c.switches) + L" --pos 0,0,360,240 --file \"" + file.Path() + L"\" --sel " +
                   std::to_wstring(Count(kBefore, c.sel)) + L"," +
                   std::to_wstring(Count(kBefore + selection, c.sel))) {}
  TempFile file;
  EditorProcess editor;
};

std::wstring TextOf(const Control& c, const EditorProcess& editor) {
  return c.unicode ? editor.TrueTextW() : ToWide(FromAnsi(editor.TrueText()));
}

// Quorva's run to its end: the one notice it shows checked for the line it names and closed, and a
// window that opens (nothing was answered) closed. Whether a window opened.
bool RunToEnd(Process& quorva, const MemoNote& note) {
  HWND box = nullptr, window = nullptr;
  const auto step = [&] {
    return !quorva.Running() || (box = quorva.FindMessageBox()) != nullptr ||
           (window = quorva.FindWindowOf(kCaption)) != nullptr;
  };
  EXPECT_TRUE(WaitUntil(step, kQuorvaDeadlineMs)) << "Quorva did not end";
  EXPECT_EQ(box != nullptr, !note.ReportLine.empty()) << "a notice, or none, against the note";
  if (box) {
    const std::wstring words = ToWide(Utf8ToUtf16(": " + note.ReportLine + " 行目"));
    EXPECT_NE(MessageBoxText(box).find(words), std::wstring::npos) << ToAnsi(FromWide(MessageBoxText(box)));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitUntil([&] {
      return !quorva.Running() || (window = quorva.FindWindowOf(kCaption)) != nullptr;
    }, kQuorvaDeadlineMs)) << "Quorva did not end after its notice";
    EXPECT_EQ(quorva.FindMessageBox(), nullptr) << "a second notice";
  }
  if (window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quorva.WaitForExit(kQuorvaDeadlineMs));
    return true;
  }
  EXPECT_EQ(quorva.ExitCode(), 0u);
  return false;
}

void EveryChosenNote(const Control& c) {
  TempFolder appData(L"appdata-memo-notes");
  ScopedEnvironment variable(L"APPDATA", appData.Path());
  const std::vector<MemoNote> notes = Chosen(c.notes, c.withReports);
  ASSERT_GE(notes.size(), c.notes == kEveryNote ? 50u : c.notes);
  for (const MemoNote& note : notes) {
    SCOPED_TRACE(std::string(c.name) + " / " + note.Title + " [" + note.Options + "]\n" + note.Selection);
    const std::u16string selection = Windows(note.Selection);
    Stage stage(c, selection);
    ASSERT_TRUE(stage.editor.Found() && stage.editor.InFront()) << "editor not in front";
    const std::string originalBytes = stage.editor.TrueText();
    const std::wstring original = TextOf(c, stage.editor);
    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), NowArguments(note)));
    const bool window = RunToEnd(quorva, note);
    EXPECT_TRUE(!window || note.Same) << "a window opened for a note that has answers";
    EXPECT_EQ(TextOf(c, stage.editor), ToWide(kBefore + Windows(note.Want) + kAfter));
    if (note.Same) {
      EXPECT_EQ(stage.editor.TrueText(), originalBytes) << "a note that must stay changed";
    } else if (!window) {
      stage.editor.Send(EM_UNDO);
      EXPECT_EQ(TextOf(c, stage.editor), original) << "one undo does not give the note back";
    }
  }
}

const Control kStandIn = {"stand-in", L"", Counts::kBytes, false, kEveryNote, false};
const Control kUnicodeEdit = {"system EDIT, Unicode", L"--real edit-unicode", Counts::kChars, true, kEveryNote, false};
const Control kRichEdit = {"RichEdit", L"--real richedit", Counts::kCharsBreakOne, true, 3, true};

TEST(MemoNotes, TheStandInGetsWhatEachWriterExpects) { EveryChosenNote(kStandIn); }
TEST(MemoNotes, TheSystemsUnicodeEditGetsWhatEachWriterExpects) { EveryChosenNote(kUnicodeEdit); }
TEST(MemoNotes, RichEditGetsWhatEachWriterExpects) { EveryChosenNote(kRichEdit); }

}  // namespace
}  // namespace quorva::test
