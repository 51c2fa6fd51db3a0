// Edit: which single message each mode sends to the editor.
#include "EditorFixture.h"

namespace quorva::test {
namespace {

using EditTest = EditorFixture;

TEST_F(EditTest, SendsExactlyTheMessagesOfEachMode) {
  const std::u16string text = u"l0\r\nline1\r\nl2\r\nline3\r\nl4";  // line 3 starts at 15, line 4 at 22
  const struct {
    const char* name;
    int32_t mode;
    clsTeraPad::Any any;
    std::vector<Sent> sent;
  } cases[] = {
      {"EM_UNDO", 199, -1, {{EM_UNDO, 0, 0, ""}}},
      {"WM_CUT", 768, -1, {{WM_CUT, 0, 0, ""}}},
      {"WM_COPY", 769, -1, {{WM_COPY, 0, 0, ""}}},
      {"WM_PASTE", 770, -1, {{WM_PASTE, 0, 0, ""}}},
      {"WM_CLEAR", 771, -1, {{WM_CLEAR, 0, 0, ""}}},
      {"EM_SETSEL 0 selects all", 177, 0, {{EM_SETSEL, 0, -1, ""}}},
      {"EM_SETSEL -1 selects all", 177, -1, {{EM_SETSEL, 0, -1, ""}}},
      {"EM_SETSEL 3 selects line 3",
       177,
       3,
       {{EM_LINEINDEX, 3, 0, ""}, {EM_LINEINDEX, 4, 0, ""}, {EM_SETSEL, 15, 21, ""}}},
      {"EM_SETSEL with a numeric text", 177, std::wstring(L"3"),
       {{EM_LINEINDEX, 3, 0, ""}, {EM_LINEINDEX, 4, 0, ""}, {EM_SETSEL, 15, 21, ""}}},
      {"EM_SETSEL on the last line passes the editor's -1 on", 177, 4,
       {{EM_LINEINDEX, 4, 0, ""}, {EM_LINEINDEX, 5, 0, ""}, {EM_SETSEL, 22, -2, ""}}},
      {"EM_REPLACESEL converts to code page 932, not undoable", 194, std::wstring(L"１+あ"),
       {{EM_REPLACESEL, 0, 0, "\x82\x50+\x82\xA0"}}},
      {"EM_REPLACESEL with a number", 194, 42, {{EM_REPLACESEL, 0, 0, "42"}}},
      {"unknown 0 sends nothing", 0, -1, {}},
      {"unknown 200 sends nothing", 200, -1, {}},
      {"EM_GETSEL is not an Edit mode", 176, -1, {}},
  };
  for (const auto& c : cases) {
    Open(text, 0);
    bridge->Edit(c.mode, c.any);
    EXPECT_EQ(Log(), c.sent) << c.name;
    EXPECT_TRUE(reports.empty()) << c.name;
  }
}

TEST_F(EditTest, LineSelectionCoversTheLineWithoutItsLastByte) {
  Open(u"l0\r\nline1\r\nl2\r\nline3\r\nl4", 0);
  bridge->Edit(EM_SETSEL, 3);
  EXPECT_EQ(core->SelectedText(), "line3\r");
  bridge->Edit(EM_SETSEL, 0);
  EXPECT_EQ(core->SelectedText(), core->Text());
}

TEST_F(EditTest, WithoutAnEditorNothingHappensAndNothingIsReported) {
  bridge->hEdit(nullptr);
  for (int32_t mode : {199, 768, 769, 770, 771, 177, 194}) bridge->Edit(mode, 3);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(reports.empty());
}

TEST_F(EditTest, AnOverflowingLineNumberIsReportedOnce) {
  Open(u"abc", 0);
  bridge->Edit(EM_SETSEL, INT32_MAX);  // line + 1 overflows
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].Text.find(u"Error #6"), std::u16string::npos);
  EXPECT_EQ(Log().back().message, static_cast<UINT>(EM_LINEINDEX)) << "no EM_SETSEL after the failure";
}

}  // namespace
}  // namespace quorva::test
