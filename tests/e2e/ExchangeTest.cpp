// The main road against editors that answer otherwise: quorva.exe started with the editor in
// front, ‹(1+2)*3› typed, Enter, the exchange button clicked. An editor that takes the answer gets
// it and Quorva ends; one that does not gets one report, and Quorva stays open with its answer.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/text/Ansi.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/harness/support/Input.h"
#include "tests/harness/support/Processes.h"
#include "tests/harness/support/TempFile.h"
#include "tests/harness/support/Wait.h"
#include "ui/window/ControlTable.h"  // kCaption

namespace quorva::test {
namespace {

const std::string kShort = "abc XYZ def";                     // "XYZ" at 4 to 7
const std::string kLong = std::string(65534, 'a') + "XYZ def";  // "XYZ" at 65534 to 65537

struct Peer {
  const char* name;
  const wchar_t* switches;
  bool longText;
  const wchar_t* report;  // the report's telling words; nullptr when the editor takes the answer
};

const Peer kPeers[] = {
    {"EM_GETSEL packed only", L"--getsel packed", false, nullptr},
    {"packed only, selection across 65536", L"--getsel packed", true, nullptr},
    {"output addresses, selection across 65536", L"--getsel both", true, nullptr},
    {"-1 past 65535, selection across 65536", L"--getsel minus-one", true, nullptr},
    {"packed only, across 65536, takes 3 bytes a message", L"--getsel packed --take-limit 3", true, nullptr},
    {"takes 3 bytes a message", L"--take-limit 3", false, nullptr},
    // Under Wine this one also answers WM_GETTEXTLENGTH with at most 5: the length misleads.
    // Under Wine its length is 5 too, short of where its lines end: its positions cannot be
    // settled, so nothing is written.
    {"hands out 5 bytes a message", L"--give-limit 5", false, L"エディタに文字列を書き込めません。"},
    {"WM_CLEAR ignored, no undo", L"--no-clear --no-undo", false, nullptr},
    {"slow", L"--delay 20", false, nullptr},
    {"read-only", L"--read-only", false, L"エディタに文字列を書き込めません。"},
    {"closes while the answer goes in", L"--close-after 7", false, L"エディタに文字列を書き込めません。"},
};

TEST(Exchange, EveryEditorGetsTheAnswerOrQuorvaKeepsIt) {
  for (const Peer& peer : kPeers) {
    SCOPED_TRACE(peer.name);
    const std::string& text = peer.longText ? kLong : kShort;
    const std::string expected = text.substr(0, text.size() - 7) + "9.00 def";
    TempFile file(L"exchange.txt", text);
    const std::wstring sel = peer.longText ? L"65534,65537" : L"4,7";
    EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE),
                         std::wstring(peer.switches) + L" --pos 0,0,360,240 --file \"" + file.Path() + L"\" --sel " + sel);
    ASSERT_TRUE(editor.Found() && editor.InFront()) << "editor not in front";

    Process quorva;
    ASSERT_TRUE(quorva.Start(WindowsPath(QUORVA_EXE), L""));
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = quorva.FindWindowOf(kCaption)) != nullptr; })) << "no window";
    const auto item = [&](int id) { return GetDlgItem(window, id); };
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window && FocusOf(window) == item(IDC_TXTCALC); }));
    TypeText(L"(1+2)*3");
    ASSERT_TRUE(WaitUntil([&] { return WindowText(item(IDC_TXTCALC)) == L"(1+2)*3"; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(item(IDC_TXTANS)) == L"9.00"; }));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(item(IDC_CMDTERAPAD)) != FALSE; })) << "exchange disabled";

    HWND box = nullptr;
    ASSERT_TRUE(ClickWindow(item(IDC_CMDTERAPAD), [&] {
      return !quorva.Running() || (box = quorva.FindMessageBox()) != nullptr || FocusOf(window) == item(IDC_CMDTERAPAD);
    }));
    if (peer.report == nullptr) {
      EXPECT_TRUE(quorva.WaitForExit(20000)) << "Quorva did not end";
      EXPECT_EQ(quorva.ExitCode(), 0u);
      EXPECT_EQ(editor.TrueText(), expected);
      continue;
    }
    ASSERT_TRUE(WaitUntil([&] { return (box = quorva.FindMessageBox()) != nullptr; }, 20000)) << "no report";
    EXPECT_NE(MessageBoxText(box).find(peer.report), std::wstring::npos) << ToAnsi(FromWide(MessageBoxText(box)));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    // The click is over once the window takes input again; a second report would show before that.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) && quorva.FindMessageBox() == nullptr; }));
    EXPECT_TRUE(quorva.Running()) << "Quorva ended and the answer is lost";
    EXPECT_EQ(WindowText(item(IDC_TXTANS)), L"9.00");
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CMDCOPY)));
    if (IsWindow(editor.Edit())) {
      EXPECT_EQ(editor.TrueText(), text) << "the editor's text changed";
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quorva.WaitForExit(10000));
  }
}

}  // namespace
}  // namespace quorva::test
