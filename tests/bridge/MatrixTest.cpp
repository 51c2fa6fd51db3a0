// Every member of the bridge against editors that answer the same messages in other ways the
// edit-control contract allows, each in its own process. In every cell: the call ends within its
// deadline; the editor's text is unchanged or exactly what the member promises; a member that did
// what it promises reports nothing, one that did not reports once, with the text that says why.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <functional>
#include <future>
#include <ostream>
#include <string>
#include <thread>

#include "bridge/clsTeraPad.h"
#include "common/text/Ansi.h"
#include "tests/harness/support/EditorProcess.h"
#include "tests/bridge/TellingBridge.h"
#include "tests/harness/support/MessageBoxes.h"
#include "tests/harness/support/Wait.h"

namespace quorva::test {
namespace {

constexpr LRESULT kCloseAfter = 4;
constexpr char kText[] = "abc XYZ def";  // "XYZ" selected: 4 to 7
constexpr char16_t kCannotWrite[] = u"エディタに文字列を書き込めません。";
constexpr char16_t kCannotRead[] = u"エディタから文字列を読み取れません。";
constexpr char16_t kPartial[] = u"エディタが文字列の一部しか受け取りませんでした。";

struct Peer {
  const char* name;
  const wchar_t* switches;
  bool readOnly = false;
  bool noClear = false;
  bool closes = false;  // closes itself after a few messages
  bool shortLength = false;  // answers WM_GETTEXTLENGTH with less than it holds
  // RichEdit: selecting all takes in the hidden mark that ends its last paragraph, and under Wine
  // its WM_PASTE replaces the whole text, not the selection; the bridge can then only say so.
  bool richEdit = false;
};

// Across processes Wine measures WM_GETTEXTLENGTH through WM_GETTEXT, so an editor that hands
// out 5 bytes a message also gives a length of at most 5: no read can tell its text is longer
// (reads from it are tried in-process), but no write may be misled by it.
const Peer kPeers[] = {
    {"as expected", L""},
    {"EM_GETSEL packed only", L"--getsel packed"},
    {"EM_GETSEL -1 past 65535", L"--getsel minus-one"},
    {"read-only", L"--read-only", true},
    {"WM_CLEAR ignored", L"--no-clear", false, true},
    {"no undo", L"--no-undo"},
    {"takes 3 bytes a message", L"--take-limit 3"},
    {"packed only, takes 3 bytes", L"--getsel packed --take-limit 3"},
    {"slow", L"--delay 10"},
    {"busy for a moment, takes 3 bytes", L"--busy 5 --take-limit 3"},
    {"closes after 4 messages", L"--close-after 4", false, false, true},  // kCloseAfter
    {"hands out 5 bytes a message", L"--give-limit 5", false, false, false, true},
    {"hands out 1 byte a message", L"--give-limit 1", false, false, false, true},
    {"hands out 3 bytes a message", L"--give-limit 3", false, false, false, true},
    {"counts characters", L"--unit chars"},
    {"counts characters, takes 3 bytes", L"--unit chars --take-limit 3"},
    {"a Unicode window", L"--unicode"},
    {"the system's EDIT", L"--real edit"},
    {"the system's EDIT, Unicode", L"--real edit-unicode"},
    {"RichEdit", L"--real richedit", false, false, false, false, true},
};

enum class Kind {
  kRead,    // returns a value; leaves text and selection alone
  kSelect,  // moves the selection
  kWrite,   // changes the text and promises it
  kSend,    // Edit: sends one message and promises nothing about its effect
};

struct Member {
  const char* name;
  Kind kind;
  std::function<std::wstring(clsTeraPad&, const std::wstring& file)> call;
  std::wstring result;    // what a read returns
  std::string text;       // the editor's text afterwards, as promised
  DWORD selStart = 0, selEnd = 0;  // the selection afterwards (kSelect)
};

std::wstring N(int32_t v) { return std::to_wstring(v); }

const Member kMembers[] = {
    {"Length", Kind::kRead, [](clsTeraPad& b, auto&) { return N(b.Length()); }, L"11", kText},
    {"SelStart read", Kind::kRead, [](clsTeraPad& b, auto&) { return N(b.SelStart()); }, L"4", kText},
    {"SelLength read", Kind::kRead, [](clsTeraPad& b, auto&) { return N(b.SelLength()); }, L"3", kText},
    {"Text read", Kind::kRead, [](clsTeraPad& b, auto&) { return b.Text(); }, L"abc XYZ def", kText},
    {"SelText read", Kind::kRead, [](clsTeraPad& b, auto&) { return b.SelText(); }, L"XYZ", kText},
    {"Clip read", Kind::kRead, [](clsTeraPad& b, auto&) { return b.Clip(); }, L"XYZ", kText},
    {"Line read", Kind::kRead, [](clsTeraPad& b, auto&) { return N(b.Line()); }, L"0", kText},
    {"File read", Kind::kRead, [](clsTeraPad& b, const std::wstring& f) { return b.Path(f), b.File(); }, L"file text",
     kText},
    {"SelStart write", Kind::kSelect, [](clsTeraPad& b, auto&) { return b.SelStart(2), L""; }, L"", kText, 2, 2},
    {"SelLength write", Kind::kSelect, [](clsTeraPad& b, auto&) { return b.SelLength(5), L""; }, L"", kText, 4, 9},
    {"Line write", Kind::kSelect, [](clsTeraPad& b, auto&) { return b.Line(0), L""; }, L"", kText, 0, 0},
    {"Edit, select all", Kind::kSelect, [](clsTeraPad& b, auto&) { return b.Edit(EM_SETSEL, 0), L""; }, L"", kText, 0,
     11},
    {"Edit, WM_CLEAR", Kind::kSend, [](clsTeraPad& b, auto&) { return b.Edit(WM_CLEAR, -1), L""; }, L"", "abc  def"},
    {"Text write", Kind::kWrite, [](clsTeraPad& b, auto&) { return b.Text(L"新しい文"), L""; }, L"", "\x90\x56\x82\xb5\x82\xa2\x95\xb6"},
    {"SelText write", Kind::kWrite, [](clsTeraPad& b, auto&) { return b.SelText(L"9.00"), L""; }, L"", "abc 9.00 def"},
    {"Clip write", Kind::kWrite, [](clsTeraPad& b, auto&) { return b.Clip(L"9.00"), L""; }, L"", "abc 9.00 def"},
    {"File write", Kind::kRead, [](clsTeraPad& b, const std::wstring& f) { return b.Path(f), b.File(L"新"), L""; }, L"",
     kText},
};

// Runs the call on its own thread, so that a hang fails the cell instead of the whole run.
bool WithinDeadline(const std::function<void()>& call, DWORD timeoutMs) {
  std::packaged_task<void()> task(call);
  auto done = task.get_future();
  std::thread worker(std::move(task));
  const bool inTime = WaitUntil([&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                timeoutMs);
  if (inTime) {
    worker.join();
  } else {
    worker.detach();
  }
  return inTime;
}

bool Says(const std::vector<MessageBoxRequest>& told, const char16_t* text) {
  return told.size() == 1 && told[0].Text.find(text) != std::u16string::npos;
}

// One test for each editor, so that each has its own deadline and a failure names the editor.
class Matrix : public testing::TestWithParam<Peer> {};

void PrintTo(const Peer& peer, std::ostream* out) { *out << peer.name; }

std::string TestName(const testing::TestParamInfo<Peer>& info) {
  std::string name;
  bool upper = true;
  for (const char* c = info.param.name; *c; ++c) {
    const auto ch = static_cast<unsigned char>(*c);
    if (!isalnum(ch)) {
      upper = true;
      continue;
    }
    name += upper ? static_cast<char>(toupper(ch)) : *c;
    upper = false;
  }
  return name;
}

TEST_P(Matrix, EveryMemberAgainstTheEditor) {
  const Peer& peer = GetParam();
  for (const Member& m : kMembers) {
    if (peer.shortLength && m.kind == Kind::kRead) continue;
    SCOPED_TRACE(std::string(m.name) + " / " + peer.name);
    TempFile file(L"matrix.txt", "file text");
    EditorProcess editor(WindowsPath(QUORVA_EDITOR_EXE), std::wstring(peer.switches) + L" --text \"abc XYZ def\" --sel 4,7");
    ASSERT_TRUE(editor.Found()) << "running " << editor.Proc().Running() << ", exit code " << editor.Proc().ExitCode()
                                << ", start error " << editor.Proc().StartError();
    MessageBoxRecorder shown;
    std::vector<MessageBoxRequest> boxes;
    Telling<clsTeraPad> bridge(boxes);
    bridge.hWin(editor.Main());
    bridge.hEdit(editor.Edit());
    std::wstring result;
    ASSERT_TRUE(WithinDeadline([&] { result = m.call(bridge, file.Path()); }, 20000)) << "no answer in time";
    EXPECT_TRUE(shown.Boxes.empty()) << "the bridge showed a box itself";

    // A member that needs no more messages than the editor answers sees no difference (a closed
    // window answers 0; creating the bridge took some of them).
    const LRESULT answered = peer.closes ? editor.Send(kEditorAnswered) : 0;
    if (peer.closes && (answered == 0 || answered >= kCloseAfter)) {
      // Gone after a few messages: whatever the member could not finish is reported, once.
      ASSERT_TRUE(editor.Closed()) << "the editor did not close";
      EXPECT_LE(boxes.size(), 1u);
      if (m.kind == Kind::kWrite) {
        EXPECT_TRUE(Says(boxes, kCannotWrite) || Says(boxes, kPartial)) << ToAnsi(Texts(boxes));
      }
      if (m.kind == Kind::kRead && !boxes.empty()) {
        EXPECT_EQ(result, L"");
      }
      continue;
    }

    std::string text = m.text;
    const bool paste = std::string(m.name) == "Clip write";
    if (paste && peer.richEdit) {
      EXPECT_TRUE(Says(boxes, u"エディタの文字列を元に戻せませんでした。")) << ToAnsi(Texts(boxes));
      continue;
    }
    if (m.kind == Kind::kWrite && (peer.readOnly || peer.shortLength)) {
      // A length short of where the editor's lines end leaves its positions unsettled: nothing
      // is written.
      text = kText;
      EXPECT_TRUE(Says(boxes, kCannotWrite)) << ToAnsi(Texts(boxes));
    } else if (m.kind == Kind::kSend && (peer.readOnly || peer.noClear)) {
      text = kText;  // Edit sends; what the editor makes of it is the editor's
      EXPECT_TRUE(boxes.empty()) << ToAnsi(Texts(boxes));
    } else {
      EXPECT_TRUE(boxes.empty()) << ToAnsi(Texts(boxes));
      EXPECT_EQ(result, m.result);
    }
    EXPECT_EQ(editor.TrueText(), text);
    if (m.kind == Kind::kSelect) {
      DWORD start = 0, end = 0;
      editor.TrueSelection(start, end);
      EXPECT_EQ(start, m.selStart);
      const bool all = std::string(m.name) == "Edit, select all";
      EXPECT_EQ(end, m.selEnd + (all && peer.richEdit ? 1 : 0));
    }
    if (std::string(m.name) == "File write") {
      EXPECT_EQ(file.Bytes(), "\x90\x56");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Editors, Matrix, testing::ValuesIn(kPeers), TestName);

}  // namespace
}  // namespace quorva::test
