// The form helper's text rules on its own form: trimming on Enter and Delete at the end.
#include <vector>

#include "HelperFixture.h"

namespace quorva::test {
namespace {

struct TrimCase {
  const wchar_t* Text;
  int SelStart, SelEnd;
  const wchar_t* Trimmed;
  int NewStart, NewEnd;
};

TEST_F(Helper, TrimmingKeepsTheCaretAndSelectionOnTheSameCharacters) {
  const TrimCase cases[] = {
      {L"  5*5  ", 7, 7, L"5*5", 3, 3},  // at the end: stays at the end
      {L"  5*5  ", 5, 5, L"5*5", 3, 3},  // just after the text
      {L"  5*5  ", 3, 3, L"5*5", 1, 1},  // inside
      {L"  5*5  ", 0, 0, L"5*5", 0, 0},  // before the blanks
      {L"  5*5  ", 0, 7, L"5*5", 0, 3},  // all selected: all still selected
      {L"  5*5  ", 3, 4, L"5*5", 1, 2},  // a part selected
      {L"   ", 2, 2, L"", 0, 0},
      {L"\u30005+1", 3, 3, L"5+1", 2, 2},  // the ideographic space counts as a blank
  };
  for (int id : {kNoTag, kMultiLine, kCombo}) {
    for (const TrimCase& c : cases) {
      SCOPED_TRACE(testing::Message() << "control " << id << " text " << testing::PrintToString(c.Text) << " sel "
                                      << c.SelStart << "-" << c.SelEnd);
      HWND h = Prepare(id, c.Text, c.SelStart, c.SelEnd);
      PostKey(GetFocus(), VK_RETURN);
      EXPECT_EQ(TextOf(h), c.Trimmed);
      EXPECT_EQ(SelStart(h), c.NewStart);
      EXPECT_EQ(SelStart(h) + SelLength(h), c.NewEnd);
    }
  }
}

struct ModifierCase {
  const char* Name;
  std::vector<WORD> Held;
};

TEST_F(Helper, DeleteAtTheEndWithAnyModifierRemovesTheLastCharacter) {
  // The control's own Shift+Delete, Ctrl+Delete and Shift+Ctrl+Delete mean other things (cut,
  // delete to the end, nothing); at the end of a text the user still wants the last character gone.
  ShowInFront();
  const ModifierCase cases[] = {
      {"none", {}}, {"Shift", {VK_SHIFT}}, {"Ctrl", {VK_CONTROL}}, {"Shift+Ctrl", {VK_SHIFT, VK_CONTROL}},
  };
  for (int id : {kNoTag, kMultiLine, kCombo}) {
    for (const ModifierCase& c : cases) {
      SCOPED_TRACE(testing::Message() << "control " << id << " with " << c.Name);
      SetClipboardBytes("kept");
      HWND h = form->Item(id);
      SetText(h, L"123");
      SetFocus(h);
      if (id == kCombo) {
        SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(3, 3));
      } else {
        SendMessageW(h, EM_SETSEL, 3, 3);
      }
      std::vector<std::pair<WORD, bool>> strokes;
      for (WORD m : c.Held) strokes.emplace_back(m, true);
      strokes.emplace_back(VK_DELETE, true);
      strokes.emplace_back(VK_DELETE, false);
      for (auto m = c.Held.rbegin(); m != c.Held.rend(); ++m) strokes.emplace_back(*m, false);
      SendKeys(strokes);
      EXPECT_TRUE(WaitFor([&] {
        return GetKeyState(VK_DELETE) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 &&
               TextOf(h) != L"123";
      })) << "no change";
      EXPECT_EQ(TextOf(h), L"12");
      EXPECT_EQ(ClipboardBytes(), "kept") << "nothing cut to the clipboard";
    }
  }
}

}  // namespace
}  // namespace quorva::test
