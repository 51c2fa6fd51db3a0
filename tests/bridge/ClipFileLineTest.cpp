// Clip, File and Line against the in-process stand-in editor.
#include "EditorFixture.h"
#include "tests/harness/support/ClipboardText.h"

namespace quorva::test {
namespace {

using ClipFileLineTest = EditorFixture;

std::wstring TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"quorva-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
  DeleteFileW(path.c_str());
  return path;
}

std::string FileBytes(const std::wstring& path) {
  std::string bytes;
  qeditor::ReadFileBytes(path, bytes);
  return bytes;
}

// Takes the key messages waiting for the window, in order.
std::vector<std::pair<UINT, std::pair<WPARAM, LPARAM>>> TakeKeys(HWND window) {
  std::vector<std::pair<UINT, std::pair<WPARAM, LPARAM>>> keys;
  MSG msg;
  while (PeekMessageW(&msg, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) keys.push_back({msg.message, {msg.wParam, msg.lParam}});
  return keys;
}

TEST_F(ClipFileLineTest, ClipWritePutsTheTextOnTheClipboardAndPastesIt) {
  Open(u"[sel]", 0, 1, 4);
  bridge->Clip(L"１２３.5");
  EXPECT_EQ(ClipboardBytes(), A(u"１２３.5"));
  EXPECT_EQ(Bytes(), A(u"[１２３.5]"));
  EXPECT_TRUE(reports.empty());
}

TEST_F(ClipFileLineTest, ClipReadReturnsTheSelectionThroughTheClipboard) {
  Open(u"前あい後", 0, 2, 6);
  EXPECT_EQ(bridge->Clip(), L"あい");
  core->SetSel(1, 1);  // empty selection: the editor leaves the clipboard alone
  SetClipboardBytes(A(u"以前の内容"));
  EXPECT_EQ(bridge->Clip(), L"以前の内容");
  EXPECT_TRUE(reports.empty());
}

TEST_F(ClipFileLineTest, WithoutAnEditorClipStillUsesTheClipboard) {
  bridge->hEdit(nullptr);
  SetClipboardBytes("earlier");
  EXPECT_EQ(bridge->Clip(), L"earlier");
  bridge->Clip(L"新しい");
  EXPECT_EQ(ClipboardBytes(), A(u"新しい"));
  EXPECT_TRUE(reports.empty());
}

TEST_F(ClipFileLineTest, FileWriteHoldsExactlyTheNewTextAndThenAsksForF5) {
  const std::wstring path = TempFile(L"write.txt");
  bridge->Path(path);
  bridge->File(L"一行目\r\n二行目 abc");
  EXPECT_EQ(FileBytes(path), A(u"一行目\r\n二行目 abc"));
  using Keys = std::vector<std::pair<UINT, std::pair<WPARAM, LPARAM>>>;
  EXPECT_EQ(TakeKeys(main), (Keys{{WM_KEYDOWN, {VK_F5, 1}}, {WM_KEYUP, {VK_F5, 1}}}));

  bridge->File(L"短い");
  EXPECT_EQ(FileBytes(path), A(u"短い")) << "nothing of the longer former content remains";
  EXPECT_EQ(bridge->File(), L"短い");
  EXPECT_TRUE(reports.empty());
  DeleteFileW(path.c_str());
}

TEST_F(ClipFileLineTest, FileWriteMakesTheEditorReload) {
  const std::wstring path = TempFile(L"reload.txt");
  qeditor::Options o;
  o.file = path;
  DestroyWindow(main);
  main = qeditor::CreateEditorWindow(o);
  bridge->hWin(main);
  bridge->Path(path);
  bridge->File(L"再読み込み");
  EXPECT_TRUE(WaitUntil([&] { return qeditor::ReloadCount(main) == 1; }));
  EXPECT_EQ(qeditor::CoreOf(main)->Text(), A(u"再読み込み"));
  DeleteFileW(path.c_str());
}

TEST_F(ClipFileLineTest, FileReadReturnsEveryCharacterOfADoubleByteFile) {
  const std::wstring path = TempFile(L"read.txt");
  const std::u16string text = u"全角１２３４５６７８９０と半角ｶﾅ\r\nend";
  bridge->Path(path);
  bridge->File(ToWide(text));
  TakeKeys(main);
  EXPECT_EQ(bridge->File(), ToWide(text));
  DeleteFileW(path.c_str());
}

TEST_F(ClipFileLineTest, FileThatCannotBeOpenedIsReportedAndPostsNoKeys) {
  const struct {
    const char* name;
    std::wstring path;
  } cases[] = {{"empty path", L""}, {"missing folder", TempFile(L"no-such-folder\\x.txt")}};
  for (const auto& c : cases) {
    bridge->Path(c.path);
    reports.clear();
    EXPECT_EQ(bridge->File(), L"") << c.name;
    EXPECT_EQ(reports.size(), 1u) << c.name;
    bridge->File(L"text");
    EXPECT_EQ(reports.size(), 2u) << c.name;
    EXPECT_TRUE(TakeKeys(main).empty()) << c.name << ": F5 only after a successful write";
    EXPECT_EQ(reports[0].Caption, u"警告");
  }
}

TEST_F(ClipFileLineTest, LineReadsAndMovesTheCaret) {
  Open(u"l0\r\nl1\r\nline2\r\nl3\r\nl4", 0, 9, 18);  // selection from line 2 into line 3
  EXPECT_EQ(bridge->Line(), 2) << "the line of the selection's start";
  bridge->Line(0);
  EXPECT_EQ(core->SelStart(), 0u);
  EXPECT_EQ(core->SelEnd(), 0u);
  bridge->Line(3);
  EXPECT_EQ(core->Caret(), 15u);
  EXPECT_EQ(bridge->Line(), 3);

  bridge->NowLineTop(1);
  bridge->NowLine(4);
  Log().clear();
  bridge->Line(-1);
  const std::vector<Sent> expected = {
      {EM_LINEINDEX, 1, 0, ""}, {EM_SETSEL, 4, 4, ""}, {EM_LINEINDEX, 4, 0, ""}, {EM_SETSEL, 19, 19, ""}};
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(core->Caret(), 19u);
}

TEST_F(ClipFileLineTest, WithoutAnEditorLineReadsZeroAndMovesNothing) {
  bridge->hEdit(nullptr);
  EXPECT_EQ(bridge->Line(), 0);
  bridge->Line(3);
  bridge->Line(-1);
  EXPECT_TRUE(Log().empty());
}

}  // namespace
}  // namespace quorva::test
