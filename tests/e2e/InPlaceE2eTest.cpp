// quorva.exe /now against the stand-in editor in another process: the selection's expressions give
// way to (or are followed by) their answers with no window, in one undoable step; where that cannot
// be done the window opens with what the user needs, and the editor's text stays as it was.
#include <gtest/gtest.h>

#include <string>

#include "common/text/Ansi.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/Screens.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption
#include "ui/window/resource.h"

namespace quorva::test {
namespace {

int Bytes(const std::u16string& text) { return static_cast<int>(ToAnsi(text).size()); }

// The editor in front with text, the selection from the first `before` to the end of `selected`.
struct Scene {
  std::u16string before, selected, after;
  std::wstring switches = L"";  // the stand-in editor's, beyond text and selection
};

std::wstring Switches(const Scene& s, const TempFile& file) {
  const int start = Bytes(s.before), end = start + Bytes(s.selected);
  return s.switches + L" --pos 0,0,360,240 --file \"" + file.Path() + L"\" --sel " + std::to_wstring(start) + L"," +
         std::to_wstring(end);
}

// The scene's text in a file, and the stand-in editor opened on it.
struct Stage {
  explicit Stage(const Scene& s)
      : original(ToAnsi(s.before + s.selected + s.after)),
        file(L"inplace.txt", original),
        editor(WindowsPath(QUORVA_EDITOR_EXE), Switches(s, file)) {}
  std::string original;
  TempFile file;
  EditorProcess editor;
};

constexpr char16_t kMemo[] = u"交通費 1,200×2 =\r\nホテル \\8,500\r\n小計\r\n資料 ￥1,280+10% =\r\n616万1500円\r\n合計：";

TEST(InPlace, SelectionGetsItsAnswersWithoutAWindowAndOneUndoGivesItBack) {
  TempFolder appData(L"appdata-inplace");
  ScopedEnvironment variable(L"APPDATA", appData.Path());
  const struct {
    const wchar_t* args;
    Scene scene;
    std::u16string want;      // the new selection
    const wchar_t* shots = nullptr;  // the guide's pictures of the editor, before and after
  } rows[] = {
      {L"/now", {u"合計 ", u"1,234*1.08", u" 円"}, u"1332.72"},
      {L"/now /append", {u"合計 ", u"1,234*1.08", u" 円"}, u"1,234*1.08 = 1332.72"},
      {L"/now /append", {u"", u"1+2=", u"\r\nnext"}, u"1+2=3.00"},
      {L"/now /append", {u"", u"1+2 = ", u""}, u"1+2 = 3.00"},
      {L"-NOW -Append", {u"x ", u"1980×3＝", u""}, u"1980×3＝5940.00"},
      {L"/now", {u"", u"100÷4", u""}, u"25.00"},
      {L"/now /wide /group", {u"", u"1234.5*1000", u""}, u"１，２３４，５００．００"},
      {L"/now /places:0 /group", {u"", u"1234.5*1000", u""}, u"1,234,500"},
      {L"/now /append /places:1",
       {u"memo\r\n", u"家賃 (note)\r\n120000/3\r\n\r\n  \r\n(1+2\r\n2^10 =", u"\r\n"},
       u"家賃 (note)\r\n120000/3 = 40000.0\r\n\r\n  \r\n(1+2\r\n2^10 = 1024.0"},
      {L"/now", {u"", u"1+1\r\n2+2", u""}, u"2.00\r\n4.00"},
      {L"/now", {u"", u"1+1", u"", L"--take-limit 3"}, u"2.00"},  // taken in pieces
      // Only the packed 16-bit halves of a selection across 65536: the editor's lines settle it.
      {L"/now", {std::u16string(65534, u'a'), u"1+2", u" b", L"--getsel packed"}, u"3.00"},
      // A memo: labels, amounts as written (the yen sign that code page 932 types is "\\"), a
      // subtotal and a total.
      {L"/now /places:0 /group", {u"出張 12/9\r\n", kMemo, u"\r\n"},
       u"交通費 2,400\r\nホテル \\8,500\r\n小計 10,900\r\n資料 ￥1,408\r\n616万1500円\r\n合計：6,173,808", L"memo-now"},
      {L"/now /append /places:0 /group", {u"出張 12/9\r\n", kMemo, u"\r\n"},
       u"交通費 1,200×2 = 2,400\r\nホテル \\8,500\r\n小計 10,900\r\n資料 ￥1,280+10% = ￥1,408\r\n"
       u"616万1500円\r\n合計：6,173,808", L"memo-append"},
      {L"/now /places:0 /group",
       {u"", u"1000+8%\r\n1000-10%\r\n1000+200+10%\r\n(1000+200)×10%\r\n1000×8%\r\n50÷25%\r\n8%\r\n"
             u"\\1,200×3\r\n￥1,200×3\r\n1,200円×3\r\n$19.99×2\r\n3万5千\r\n1.5万\r\n2億", u""},
       // A lone percentage or amount among other lines is a value: it stays as typed.
       u"1,080\r\n900\r\n1,320\r\n120\r\n80\r\n200\r\n8%\r\n\\3,600\r\n￥3,600\r\n3,600円\r\n$40\r\n3万5千\r\n"
       u"1.5万\r\n2億"},
      {L"/now /places:0 /round:down", {u"", u"1,980×1.08", u""}, u"2138"},
      {L"/now /places:0 /round:up", {u"", u"1,980×1.08\r\n100×1.1", u""}, u"2139\r\n110"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(ToAnsi(FromWide(r.args) + u" " + r.scene.selected));
    Stage stage(r.scene);
    const std::string& original = stage.original;
    EditorProcess& editor = stage.editor;
    ASSERT_TRUE(editor.Found() && editor.InFront()) << "editor not in front";
    if (r.shots) ShotOncePainted(editor.Main(), std::wstring(r.shots) + L"-0-before.bmp");

    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), r.args));
    bool window = false;
    ASSERT_TRUE(WaitUntil([&] {
      window = window || quorva.FindWindowOf() != nullptr;
      return !quorva.Running();
    }, 20000)) << "Quorva did not end";
    EXPECT_FALSE(window) << "a window opened";
    EXPECT_EQ(quorva.ExitCode(), 0u);
    EXPECT_EQ(editor.TrueText(), ToAnsi(r.scene.before + r.want + r.scene.after));
    DWORD start = 0, end = 0;
    editor.TrueSelection(start, end);
    const DWORD caret = static_cast<DWORD>(Bytes(r.scene.before + r.want));
    EXPECT_EQ(start, caret) << "the caret is not after the answer";
    EXPECT_EQ(end, caret);
    if (r.shots) ShotOncePainted(editor.Main(), std::wstring(r.shots) + L"-1-after.bmp");
    if (r.scene.switches.empty()) {  // an editor that took it whole undoes it in one step
      editor.Send(EM_UNDO);
      EXPECT_EQ(editor.TrueText(), original) << "one undo does not give the selection back";
    }
  }
  // Each calculated line is kept for Up in the window, in order, without its closing equals sign.
  const std::string kept = FileBytes(appData.Path() + L"\\Quorva\\history.txt");
  EXPECT_NE(kept.find("120000/3\r\n2^10\r\n1+1\r\n2+2\r\n"), std::string::npos) << kept;
}

TEST(InPlace, WhatCannotBeDoneInPlaceOpensTheWindowAndTheEditorKeepsItsText) {
  const struct {
    const char* name;
    const wchar_t* args;
    Scene scene;
    const wchar_t* report;  // words of the one message box before the window is usable; nullptr: none
    const wchar_t* expression;
    const wchar_t* answer;
  } rows[] = {
      {"rejected", L"/now", {u"", u"(1+2", u""}, L"閉じ括弧が足りません", L"(1+2", L""},
      {"cannot be evaluated", L"/now /append", {u"", u"1+a", u""}, L"型が一致しません。", L"1+a", L""},
      {"no expression", L"/now", {u"", u"合計\r\nabc", u""}, nullptr, L"合計abc", L""},
      {"nothing selected", L"/now", {u"1+2", u"", u""}, nullptr, L"", L""},
      {"read-only editor", L"/now /wide", {u"", u"1+2", u"", L"--read-only"}, L"エディタに文字列を書き込めません。",
       L"1+2", L"３．００"},
      // The editor answers the messages that find it and read the selection, and closes while
      // the replacement is under way.
      {"closes while the answers go in", L"/now", {u"", u"1+2", u"", L"--close-after 11"},
       L"エディタに文字列を書き込めません。", L"1+2", L"3.00"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Stage stage(r.scene);
    const std::string& original = stage.original;
    EditorProcess& editor = stage.editor;
    ASSERT_TRUE(editor.Found() && editor.InFront()) << "editor not in front";

    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), r.args));
    if (r.report) {
      HWND box = nullptr;
      ASSERT_TRUE(WaitUntil([&] { return (box = quorva.FindMessageBox()) != nullptr; }, 20000)) << "no report";
      EXPECT_NE(MessageBoxText(box).find(r.report), std::wstring::npos) << ToAnsi(FromWide(MessageBoxText(box)));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; }, 20000)) << "no window";
    const auto item = [&](int id) { return GetDlgItem(window, id); };
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) && quorva.FindMessageBox() == nullptr; }))
        << "a second message box";
    EXPECT_EQ(WindowText(item(IDC_TXTCALC)), r.expression);
    EXPECT_EQ(WindowText(item(IDC_TXTANS)), r.answer);
    EXPECT_EQ(IsWindowEnabled(item(IDC_CMDCOPY)) != FALSE, *r.answer != L'\0') << "the answer cannot be copied";
    if (IsWindow(editor.Edit())) {
      EXPECT_EQ(editor.TrueText(), original) << "the editor's text changed";
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quorva.WaitForExit(10000));
  }
}

TEST(InPlace, AHistoryFileThatCannotBeUsedIsToldOnceWhenTheWindowTakesOver) {
  // A folder where the file would be: the history can be neither read nor written.
  TempFolder appData(L"appdata-unusable");
  ScopedEnvironment variable(L"APPDATA", appData.Path());
  CreateDirectoryW((appData.Path() + L"\\Quorva").c_str(), nullptr);
  ASSERT_TRUE(CreateDirectoryW((appData.Path() + L"\\Quorva\\history.txt").c_str(), nullptr));
  Stage stage({u"", u"1+2", u"", L"--read-only"});
  ASSERT_TRUE(stage.editor.Found() && stage.editor.InFront()) << "editor not in front";

  Process quorva;
  ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), L"/now"));
  // The write that failed, then the history that could not keep its expression.
  for (const wchar_t* words : {L"エディタに文字列を書き込めません。", L"履歴"}) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = quorva.FindMessageBox()) != nullptr; }, 20000)) << "no box: " << ToAnsi(FromWide(words));
    EXPECT_NE(MessageBoxText(box).find(words), std::wstring::npos) << ToAnsi(FromWide(MessageBoxText(box)));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  }
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; }, 20000)) << "no window";
  HWND calc = GetDlgItem(window, IDC_TXTCALC);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == calc; })) << "the expression box has no focus";
  // Up reads the history at once if it has not been read yet, and Enter keeps the expression
  // again. A box that either opens is still there when the character posted after them arrives.
  for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageW(calc, WM_KEYDOWN, key, 0);
  PostMessageW(calc, WM_CHAR, L'x', 0);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(calc).find(L'x') != std::wstring::npos; })) << "the keys did not arrive";
  EXPECT_EQ(quorva.FindMessageBox(), nullptr) << "the history was opened again and told again";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quorva.WaitForExit(10000));
}

}  // namespace
}  // namespace quorva::test
