// Start-up options: how the command line is split and read, and the window they start.
#include "CalcFixture.h"
#include "common/text/Ansi.h"
#include "ui/app/CommandLine.h"
#include "ui/app/FillWindow.h"
#include "ui/app/WindowStart.h"

namespace quorva::test {
namespace {

using Args = std::vector<std::wstring>;

TEST(CommandLine, SplitsAsTheRuntimeDoesWithoutTheProgramsName) {
  const struct {
    const wchar_t* Line;
    Args Expected;
  } rows[] = {
      {L"quorva.exe", {}},
      {L"\"C:\\Program Files\\Quorva\\quorva.exe\" /selection", {L"/selection"}},
      {L"quorva.exe  /places:0 \t /group", {L"/places:0", L"/group"}},
      {L"quorva.exe \"/places:0\"", {L"/places:0"}},
      {L"quorva.exe \"a b\" c", {L"a b", L"c"}},
      {L"quorva.exe a\\\\b", {L"a\\\\b"}},             // backslashes before no quote stay
      {L"quorva.exe a\\\"b", {L"a\"b"}},               // an odd count escapes the quote
      {L"quorva.exe \"a\\\\\" b", {L"a\\", L"b"}},     // an even count halves and the quote closes
      {L"quorva.exe \"say \"\"hi\"\"\"", {L"say \"hi\""}},
      {L"quorva.exe \"\"", {L""}},
      {L"quorva.exe /wide ", {L"/wide"}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SplitArguments(r.Line), r.Expected) << testing::PrintToString(std::wstring(r.Line));
  }
}

TEST(CommandLine, ReadsEachOptionAndRejectsWhatItDoesNotKnow) {
  const struct {
    Args Arguments;
    bool Selection;
    wchar_t Places;  // 0: none
    bool Group, Wide;
    Args Rejected;
  } rows[] = {
      {{}, false, 0, false, false, {}},
      {{L"/selection"}, true, 0, false, false, {}},
      {{L"-Selection"}, true, 0, false, false, {}},
      {{L"/SELECTION"}, true, 0, false, false, {}},
      {{L"/places:0"}, false, L'0', false, false, {}},
      {{L"-PLACES:9"}, false, L'9', false, false, {}},
      {{L"/places:1", L"/places:2"}, false, L'2', false, false, {}},
      {{L"/group", L"/wide"}, false, 0, true, true, {}},
      {{L"/selection", L"/places:0", L"/group"}, true, L'0', true, false, {}},
      {{L"/places:x"}, false, 0, false, false, {L"/places:x"}},
      {{L"/places:10"}, false, 0, false, false, {L"/places:10"}},
      {{L"/places:"}, false, 0, false, false, {L"/places:"}},
      {{L"/places"}, false, 0, false, false, {L"/places"}},
      {{L"/places:０"}, false, 0, false, false, {L"/places:０"}},  // a full-width digit
      {{L"/foo", L"/group"}, false, 0, true, false, {L"/foo"}},
      {{L"selection"}, false, 0, false, false, {L"selection"}},  // no / or -
      {{L"/"}, false, 0, false, false, {L"/"}},
      {{L"/wide:1"}, false, 0, false, false, {L"/wide:1"}},
      {{L""}, false, 0, false, false, {}},  // an empty placeholder names nothing
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.Arguments));
    StartOptions o = ParseStartOptions(r.Arguments);
    EXPECT_EQ(o.Selection, r.Selection);
    EXPECT_EQ(o.Places.value_or(0), r.Places);
    EXPECT_EQ(o.Group, r.Group);
    EXPECT_EQ(o.Wide, r.Wide);
    EXPECT_EQ(o.Rejected, r.Rejected);
  }
}

TEST(CommandLine, AppendingIsAWayOfWorkingInPlace) {
  const struct {
    Args Arguments;
    bool Now, Append;
    Args Rejected;
  } rows[] = {
      {{L"/now"}, true, false, {}},
      {{L"-NOW", L"/Append"}, true, true, {}},
      {{L"/append", L"/now"}, true, true, {}},
      {{L"/append"}, false, false, {L"/append"}},  // alone it would do nothing
      {{L"/now:1"}, false, false, {L"/now:1"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.Arguments));
    StartOptions o = ParseStartOptions(r.Arguments);
    EXPECT_EQ(o.Now, r.Now);
    EXPECT_EQ(o.Append, r.Append);
    EXPECT_EQ(o.Rejected, r.Rejected);
  }
  EXPECT_NE(RejectedArgumentsText({L"/x"}).find(u"/now   /now /append"), std::u16string::npos);
}

TEST(CommandLine, RoundingIsHalfUnlessTheUserPicksDownOrUp) {
  const struct {
    Args Arguments;
    Rounding Round;
    Args Rejected;
  } rows[] = {
      {{}, Rounding::kHalf, {}},
      {{L"/round:half"}, Rounding::kHalf, {}},
      {{L"/round:down"}, Rounding::kDown, {}},
      {{L"-ROUND:UP"}, Rounding::kUp, {}},
      {{L"/round:up", L"/round:down"}, Rounding::kDown, {}},
      {{L"/round"}, Rounding::kHalf, {L"/round"}},
      {{L"/round:"}, Rounding::kHalf, {L"/round:"}},
      {{L"/round:ceil"}, Rounding::kHalf, {L"/round:ceil"}},
      {{L"/round:downx"}, Rounding::kHalf, {L"/round:downx"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(r.Arguments));
    StartOptions o = ParseStartOptions(r.Arguments);
    EXPECT_EQ(o.Round, r.Round);
    EXPECT_EQ(o.Rejected, r.Rejected);
  }
  const std::u16string text = RejectedArgumentsText({L"/x"});
  for (const char16_t* name : {u"/round:half", u"/round:down", u"/round:up"})
    EXPECT_NE(text.find(name), std::u16string::npos) << testing::PrintToString(ToWide(name));
}

TEST(CommandLine, TheSelectionLosesLineBreaksAndTabsOnly) {
  const struct {
    const wchar_t* Selection;
    const wchar_t* Expression;
  } rows[] = {
      {L"1,234*1.08", L"1,234*1.08"},
      {L"1+\r\n2\t*3\r", L"1+2*3"},
      {L" 1 + 2 ", L" 1 + 2 "},
      {L"\r\n\t", L""},
      {L"", L""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ExpressionFromSelection(r.Selection), r.Expression) << testing::PrintToString(std::wstring(r.Selection));
  }
}

// Quorva started with options, as its start-up procedure does it, with or without an editor
// in front.
class StartUp : public ::testing::Test {
 protected:
  void Start(const std::wstring& commandLine) {
    Main(ParseStartOptions(SplitArguments(L"quorva.exe " + commandLine)));
    ASSERT_TRUE(gRun.gCalc);
    SetForegroundWindow(gRun.gCalc->hWnd());
    ASSERT_TRUE(WaitFor([&] { return GetFocus() == Item(IDC_TXTCALC); })) << "focus did not reach txtCalc";
  }
  void TearDown() override {
    gRun.End();
    editor.reset();
    Pump();
  }
  HWND Item(int id) const { return gRun.gCalc->Item(id); }
  std::wstring Text(int id) const { return GetText(Item(id)); }
  bool Checked(int id) const { return GetValue(Item(id)) == BST_CHECKED; }

  MessageBoxRecorder boxes;
  std::optional<FakeEditor> editor;
};

TEST_F(StartUp, WithoutArgumentsEverythingStartsEmptyAndUnchecked) {
  editor.emplace();
  Start(L"");
  EXPECT_EQ(Text(IDC_TXTCALC), L"");
  EXPECT_EQ(Text(IDC_TXTAFTER), L"");
  EXPECT_FALSE(Checked(IDC_CHKGROUP));
  EXPECT_FALSE(Checked(IDC_CHKWIDE));
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_EQ(GetText(editor->Edit()), L"abc XYZ def") << "the editor is not touched";
}

TEST_F(StartUp, PlacesGroupAndWideSetTheFormatOfTheFirstAnswer) {
  Start(L"/places:0 /group -WIDE");
  EXPECT_EQ(Text(IDC_TXTAFTER), L"0");
  EXPECT_TRUE(Checked(IDC_CHKGROUP));
  EXPECT_TRUE(Checked(IDC_CHKWIDE));
  EXPECT_TRUE(boxes.Boxes.empty());
  SetText(Item(IDC_TXTCALC), L"1234.5");
  SendMessageW(Item(IDC_CMDSUM), BM_CLICK, 0, 0);
  EXPECT_EQ(Text(IDC_TXTANS), L"１，２３５");
}

// The window rounds as /round says, after the 15 significant digits, and reads a memo's
// percentages and amounts.
TEST_F(StartUp, RoundingAndMemoNotationInTheWindow) {
  const struct {
    const wchar_t* Options;
    const wchar_t* Expression;
    const wchar_t* Answer;
  } rows[] = {
      {L"/places:0 /group /round:down", L"1,980\u00D71.08", L"2,138"},
      {L"/places:0 /group /round:up", L"1,980\u00D71.08", L"2,139"},
      {L"/places:0 /round:up", L"100\u00D71.1", L"110"},
      {L"/places:0 /group", L"1,980\u00D71.08", L"2,138"},
      {L"/places:0 /group", L"1,280+10%", L"1,408"},
      {L"/places:0 /group", L"1000+8%", L"1,080"},
      {L"/places:0 /group", L"1000-10%", L"900"},
      {L"/places:0 /group", L"1000+200+10%", L"1,320"},
      {L"/places:0 /group", L"(1000+200)\u00D710%", L"120"},
      {L"/places:0 /group", L"1000\u00D78%", L"80"},
      {L"/places:0 /group", L"50\u00F725%", L"200"},
      {L"", L"8%", L"0.08"},
      {L"/places:0 /group", L"\u00A51,200\u00D73", L"3,600"},
      {L"/places:0 /group", L"1,200\u5186\u00D73", L"3,600"},
      {L"/group", L"$19.99\u00D72", L"39.98"},
      {L"/places:0 /group", L"\\1,200\u00D73", L"3,600"},
      {L"/places:0 /group", L"\uFFE51,200\u00D73", L"3,600"},
      {L"/places:0 /group", L"3\u4E075\u5343", L"35,000"},
      {L"/places:0 /group", L"1.5\u4E07", L"15,000"},
      {L"/places:0 /group", L"616\u4E071500\u5186", L"6,161,500"},
      {L"/places:0 /group", L"2\u5104", L"200,000,000"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(r.Options) + L" " + r.Expression));
    Start(r.Options);
    SetText(Item(IDC_TXTCALC), r.Expression);
    SendMessageW(Item(IDC_CMDSUM), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(IDC_TXTANS), r.Answer);
    EXPECT_TRUE(boxes.Boxes.empty());
    gRun.End();
    Pump();
  }
}

TEST_F(StartUp, BadArgumentsAreNamedInOneBoxAndChangeNothing) {
  Start(L"/places:x /group /foo");
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  const MessageBoxRequest& box = boxes.Boxes[0];
  EXPECT_EQ(box.Caption, u"Quorva");
  EXPECT_NE(box.Text.find(u"\r    /places:x"), std::u16string::npos) << testing::PrintToString(ToWide(box.Text));
  EXPECT_NE(box.Text.find(u"\r    /foo"), std::u16string::npos);
  EXPECT_EQ(box.Text.find(u"    /group"), std::u16string::npos) << "a good option is not named";
  EXPECT_NE(box.Text.find(u"/nohistory"), std::u16string::npos) << "the options that can be used include it";
  EXPECT_EQ(Text(IDC_TXTAFTER), L"") << "the bad value leaves the regional default";
  EXPECT_TRUE(Checked(IDC_CHKGROUP)) << "the good option still counts";
}

TEST_F(StartUp, SelectionGoesIntoTheExpressionWithTheCaretAfterIt) {
  editor.emplace();
  SetWindowTextW(editor->Edit(), L"x 1+2\r\n*3 y");
  SendMessageW(editor->Edit(), EM_SETSEL, 2, 9);
  Start(L"/selection");
  HWND calc = Item(IDC_TXTCALC);
  EXPECT_EQ(Text(IDC_TXTCALC), L"1+2*3");
  EXPECT_TRUE(WaitFor([&] { return SelStart(calc) == 5 && SelLength(calc) == 0; }))
      << "caret " << SelStart(calc) << ", selection " << SelLength(calc);
  EXPECT_EQ(Text(IDC_TXTANS), L"") << "nothing is calculated yet";
  EXPECT_EQ(GetText(editor->Edit()), L"x 1+2\r\n*3 y") << "the editor keeps its text";
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(StartUp, TabAwayAndBackSelectsTheWholeExpressionAgain) {
  editor.emplace();
  SetWindowTextW(editor->Edit(), L"x 1+2*3 y");
  SendMessageW(editor->Edit(), EM_SETSEL, 2, 7);
  Start(L"/selection");
  HWND calc = Item(IDC_TXTCALC);
  ASSERT_TRUE(WaitFor([&] { return SelStart(calc) == 5 && SelLength(calc) == 0; })) << "the caret is not after it";
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return GetFocus() != calc; })) << "Tab did not leave the expression";
  SendKeys({{VK_SHIFT, true}, {VK_TAB, true}, {VK_TAB, false}, {VK_SHIFT, false}});
  EXPECT_TRUE(WaitFor([&] { return GetFocus() == calc && SelStart(calc) == 0 && SelLength(calc) == 5; }))
      << "caret " << SelStart(calc) << ", selection " << SelLength(calc);
}

TEST_F(StartUp, SelectionWithoutAnEditorOrWithNothingSelectedStartsEmpty) {
  {
    SCOPED_TRACE("nothing selected");
    editor.emplace();
    SendMessageW(editor->Edit(), EM_SETSEL, 3, 3);
    Start(L"/selection");
    EXPECT_EQ(Text(IDC_TXTCALC), L"");
    TearDown();
  }
  {
    SCOPED_TRACE("no editor in front");
    Start(L"/selection");
    EXPECT_EQ(Text(IDC_TXTCALC), L"");
    EXPECT_TRUE(boxes.Boxes.empty());
  }
}

}  // namespace
}  // namespace quorva::test
