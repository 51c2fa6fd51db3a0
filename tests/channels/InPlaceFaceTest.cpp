// The in-place road over the editor face: whatever a channel answers, the user is told once, and
// the window gets what it needs to go on.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/history/History.h"
#include "common/text/Ansi.h"
#include "tests/harness/support/MessageBoxes.h"
#include "ui/app/InPlaceRun.h"
#include "ui/app/Notices.h"

namespace quorva::test {
namespace {

using S = EditorStatus;

// A channel that answers as it is told to and keeps what it was given.
class ScriptedFace final : public EditorFace {
 public:
  ScriptedFace(EditorOutcome read, std::wstring text, EditorOutcome put)
      : read_(std::move(read)), text_(std::move(text)), put_(std::move(put)) {}
  SelectionRead ReadSelection() override { return {read_, read_.ok() ? text_ : L""}; }
  EditorOutcome ReplaceSelection(const std::wstring& text, bool undoable) override {
    written = text;
    wasUndoable = undoable;
    return put_;
  }
  bool StillThere() override { return true; }
  std::optional<std::wstring> written;
  bool wasUndoable = false;

 private:
  EditorOutcome read_;
  std::wstring text_;
  EditorOutcome put_;
};

EditorOutcome With(S status, std::wstring detail = L"", std::optional<RuntimeError> error = {}) {
  return EditorOutcome{status, std::move(detail), std::move(error)};
}

struct Row {
  const char* name;
  EditorOutcome read;
  const wchar_t* selection;
  EditorOutcome put;
  bool done;             // the editor holds the answers: no window
  const wchar_t* window;  // else the window's expression
  const char16_t* told;  // the one box's text begins so; null: no box
};

TEST(InPlaceFace, EveryOutcomeButDoneIsToldOnce) {
  const RuntimeError partial = [] {
    RuntimeError e = MakeError(kInvalidArgument);
    e.Description = u"エディタが文字列の一部しか受け取りませんでした。";
    return e;
  }();
  const Row rows[] = {
      {"answered in place", With(S::kDone), L"1+2", With(S::kDone), true, L"", nullptr},
      {"no editor: the window opens", With(S::kNoEditor), L"", With(S::kDone), false, L"", nullptr},
      {"nothing selected: the window opens", With(S::kEmpty), L"", With(S::kDone), false, L"", nullptr},
      {"refused", With(S::kRefused), L"", With(S::kDone), false, L"", kRefusedNotice},
      {"keys held", With(S::kKeysHeld), L"", With(S::kDone), false, L"", kKeysHeldNotice},
      {"nothing copied", With(S::kUnreadable, L"CF_TEXT"), L"", With(S::kDone), false, L"", kNotReadNotice},
      {"a read error of the bridge", With(S::kUnreadable, L"", MakeError(kOutOfMemory)), L"", With(S::kDone), false,
       L"", u"<<<"},
      {"no expression: the window calculates", With(S::kDone), L"abc", With(S::kDone), false, L"abc", nullptr},
      {"closed meanwhile", With(S::kDone), L"1+2", With(S::kGone), false, L"1+2", kEditorClosedNotice},
      {"took part", With(S::kDone), L"1+2", With(S::kNotTaken, L"", partial), false, L"1+2", u"<<<"},
      {"not taken", With(S::kDone), L"1+2", With(S::kNotTaken), false, L"1+2", kNotTakenNotice},
      {"never pasted", With(S::kDone), L"1+2", With(S::kNotPasted), false, L"1+2", kNotPastedNotice},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ScriptedFace face(r.read, r.selection, r.put);
    History history(L"", [](const std::wstring&) {});
    MessageBoxRecorder boxes;
    const std::optional<WindowStart> start = RunInPlace(face, StartOptions{}, [&]() -> History& { return history; });
    EXPECT_EQ(!start.has_value(), r.done);
    if (start) {
      EXPECT_EQ(start->Expression, r.window);
    }
    if (r.told == nullptr) {
      EXPECT_TRUE(boxes.Boxes.empty()) << ToAnsi(boxes.Texts());
      continue;
    }
    ASSERT_EQ(boxes.Boxes.size(), 1u) << ToAnsi(boxes.Texts());
    EXPECT_EQ(boxes.Boxes[0].Text.rfind(r.told, 0), 0u) << ToAnsi(boxes.Texts());
  }
}

TEST(InPlaceFace, TheAnswersGoBackAsOneUndoableReplacement) {
  ScriptedFace face(With(S::kDone), L"1+2\r\nメモ\r\n3*4", With(S::kDone));
  History history(L"", [](const std::wstring&) {});
  MessageBoxRecorder boxes;
  EXPECT_FALSE(RunInPlace(face, StartOptions{}, [&]() -> History& { return history; }));
  ASSERT_TRUE(face.written);
  EXPECT_EQ(*face.written, L"3.00\r\nメモ\r\n12.00");
  EXPECT_TRUE(face.wasUndoable);
}

}  // namespace
}  // namespace quorva::test
