// Up and Down in the expression box, pressed as real keys with the window in front.
#include "CalcFixture.h"

namespace quorva::test {
namespace {

class Recall : public CalcFixture {
 protected:
  void SetUp() override {
    history = std::make_unique<History>(L"");  // the run's list only
    history->Add(u"1+1");
    history->Add(u"2*3");
    Open();
  }
  std::pair<int, int> Selection() {
    HWND calc = Item(IDC_TXTCALC);
    return {SelStart(calc), SelStart(calc) + SelLength(calc)};
  }
  // Presses the key and waits until the box shows the text with the caret after it.
  bool KeyGives(WORD key, const std::wstring& text) {
    PressKey(key);
    const int end = static_cast<int>(text.size());
    return WaitFor([&] { return Text(IDC_TXTCALC) == text && Selection() == std::make_pair(end, end); });
  }
};

TEST_F(Recall, UpAtTheEndBringsBackEarlierExpressionsAndDownWhatWasTyped) {
  TypeText(L"7-");
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"7-"; }));
  EXPECT_TRUE(KeyGives(VK_UP, L"2*3")) << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_TRUE(KeyGives(VK_UP, L"1+1")) << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_TRUE(KeyGives(VK_DOWN, L"2*3")) << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_TRUE(KeyGives(VK_DOWN, L"7-")) << "what was typed comes back: " << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_EQ(Text(IDC_TXTANS), L"") << "recall never calculates";
}

TEST_F(Recall, UpAtTheStartRecallsToo) {
  TypeText(L"5+5");
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"5+5"; }));
  PressKey(VK_HOME);
  ASSERT_TRUE(WaitFor([&] { return Selection() == std::make_pair(0, 0); }));
  EXPECT_TRUE(KeyGives(VK_UP, L"2*3")) << testing::PrintToString(Text(IDC_TXTCALC));
  EXPECT_TRUE(KeyGives(VK_DOWN, L"5+5")) << testing::PrintToString(Text(IDC_TXTCALC));
}

TEST_F(Recall, UpAndDownElsewhereAreTheBoxsOwn) {
  const struct {
    const char* Where;
    int Start, End;
    std::vector<std::pair<WORD, bool>> Keys;
  } rows[] = {
      {"Up in the middle", 2, 2, {{VK_UP, true}, {VK_UP, false}}},
      {"Down in the middle", 2, 2, {{VK_DOWN, true}, {VK_DOWN, false}}},
      {"Up on a selection", 0, 5, {{VK_UP, true}, {VK_UP, false}}},
      {"Shift+Up at the end", 5, 5, {{VK_SHIFT, true}, {VK_UP, true}, {VK_UP, false}, {VK_SHIFT, false}}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Where);
    SetText(Item(IDC_TXTCALC), L"12+34");
    SetSel(Item(IDC_TXTCALC), r.Start, r.End);
    SendKeys(r.Keys);
    // Keys after it show that it went through, and to what text.
    PressKey(VK_END);
    TypeText(L"9");
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_TXTCALC) == L"12+349"; })) << testing::PrintToString(Text(IDC_TXTCALC));
  }
}

TEST_F(Recall, EnterOnARecalledExpressionCalculatesItWithoutRepeatingIt) {
  ASSERT_TRUE(KeyGives(VK_UP, L"2*3"));
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == L"6.00"; }));
  EXPECT_EQ(history->Entries(), (HistoryEntries{u"1+1", u"2*3"}));
  TypeText(L"+1");
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_TXTANS) == L"7.00"; }));
  EXPECT_EQ(history->Entries(), (HistoryEntries{u"1+1", u"2*3", u"2*3+1"}));
  EXPECT_TRUE(KeyGives(VK_UP, L"2*3")) << "the box's own expression is the newest entry: "
                                       << testing::PrintToString(Text(IDC_TXTCALC));
}

}  // namespace
}  // namespace quorva::test
