// The calculator window as it opens: frame, layout in pixels, fonts, texts, flags, Tab order.
#include "CalcFixture.h"

#include <commctrl.h>
#include <imm.h>

#include <cstdlib>
#include <vector>

namespace quorva::test {
namespace {

struct Placement {
  int Id;
  int Left, Top, Width, Height;  // twips, relative to the window's client area
};

// The designed layout, with frame-relative positions already added to their frame's corner.
constexpr Placement kLayout[] = {
    {IDC_TXTCALC, 60, 60, 4635, 555},        {IDC_CMDSUM, 3240, 720, 375, 315},
    {IDC_CMDCOPY, 3600, 720, 375, 315},      {IDC_CMDTERAPAD, 3960, 720, 375, 315},
    {IDC_TXTANS, 60, 720, 3075, 315},        {IDC_TXTAFTER, 60 + 1680, 1140 + 300, 255, 315},
    {IDC_CHKGROUP, 60 + 120, 1140 + 720, 1815, 195}, {IDC_CHKWIDE, 60 + 120, 1140 + 1080, 1815, 195},
    {IDC_FRATIPS, 2220, 1140, 2475, 1515},   {IDC_LBLLABEL1, 2220 + 180, 1140 + 300, 2160, 1080},
    {IDC_FRAPARAMETER, 60, 1140, 2055, 1515}, {IDC_LBLLABEL0, 60 + 120, 1140 + 360, 1440, 180},
    {IDC_CMDCLR, 4320, 720, 375, 315},
};

RECT ClientRectOf(HWND parent, HWND child) {
  RECT rc;
  GetWindowRect(child, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class Window : public CalcFixture {};

void ExpectLayout(HWND window, int dpi) {
  auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, px(4755)) << "dpi " << dpi;
  EXPECT_EQ(client.bottom, px(2730)) << "dpi " << dpi;
  for (const Placement& p : kLayout) {
    RECT rc = ClientRectOf(window, GetDlgItem(window, p.Id));
    SCOPED_TRACE(testing::Message() << "control " << p.Id << " at " << dpi << " dpi");
    EXPECT_EQ(rc.left, px(p.Left));
    EXPECT_EQ(rc.top, px(p.Top));
    bool label = p.Id == IDC_LBLLABEL0 || p.Id == IDC_LBLLABEL1;
    if (label) {  // sized to its text: never smaller than designed
      EXPECT_GE(rc.right - rc.left, px(p.Width));
      EXPECT_GE(rc.bottom - rc.top, px(p.Height));
    } else {
      EXPECT_EQ(rc.right - rc.left, px(p.Width));
      EXPECT_EQ(rc.bottom - rc.top, px(p.Height));
    }
  }
}

TEST_F(Window, LayoutInPixelsAt96AndAfterMovingTo120And144Dpi) {
  Open();
  ASSERT_EQ(form->Dpi(), 96u);
  ExpectLayout(form->hWnd(), 96);
  // Neighbouring buttons overlap by one pixel at 96 dpi.
  EXPECT_EQ(ClientRectOf(form->hWnd(), Item(IDC_CMDSUM)).right - 1,
            ClientRectOf(form->hWnd(), Item(IDC_CMDCOPY)).left);

  // Moving to a monitor at 125 % and then 150 %: the window lays itself out again.
  for (int dpi : {120, 144}) {
    RECT suggested{100, 80, 600, 500};
    SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ExpectLayout(form->hWnd(), dpi);
    RECT rc;
    GetWindowRect(form->hWnd(), &rc);
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.top, 80);
    // Fonts follow: 9 pt is 15 pixels high at 120 dpi, 18 at 144.
    LOGFONTW lf;
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(IDC_TXTCALC), WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(9, dpi, 72)) << dpi;
  }
}

TEST_F(Window, FrameCaptionIconAndPlace) {
  Open();
  HWND w = form->hWnd();
  EXPECT_EQ(TextOf(w), L"Quorva β1");
  LONG style = GetWindowLongW(w, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME) << "fixed border";
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  // The window's icons are its class's: what the caption, the task bar and Alt+Tab show.
  EXPECT_NE(GetClassLongPtrW(w, GCLP_HICON), 0);
  auto smallIcon = reinterpret_cast<HICON>(GetClassLongPtrW(w, GCLP_HICONSM));
  ASSERT_NE(smallIcon, nullptr);
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(smallIcon, &info));
  BITMAP bm;
  GetObjectW(info.hbmMask, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON)) << "the small image, not a shrunk large one";
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr) << "modeless, without owner";
  RECT rc;
  GetWindowRect(w, &rc);
  int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((rc.left + rc.right) / 2 - cx / 2), 1);
  EXPECT_LE(std::abs((rc.top + rc.bottom) / 2 - cy / 2), 1);
}

TEST_F(Window, IconHasBothSizesIn256Colours) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  for (int size : {32, 16}) {
    auto icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_QUORVA), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm;
    GetObjectW(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

struct ExpectedFont {
  int Id;
  const wchar_t* Face;
  bool Bold;
};

TEST_F(Window, FontsAreTheDesignedJapaneseFaces) {
  Open();
  const ExpectedFont fonts[] = {
      {IDC_TXTCALC, L"ＭＳ Ｐゴシック", true},   {IDC_TXTANS, L"ＭＳ Ｐゴシック", true},
      {IDC_LBLLABEL1, L"ＭＳ ゴシック", false}, {IDC_LBLLABEL0, L"ＭＳ Ｐゴシック", false},
      {IDC_CHKWIDE, L"ＭＳ Ｐゴシック", false},
  };
  for (const ExpectedFont& f : fonts) {
    LOGFONTW lf;
    auto font = reinterpret_cast<HFONT>(SendMessageW(Item(f.Id), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr) << f.Id;
    GetObjectW(font, sizeof(lf), &lf);
    EXPECT_STREQ(lf.lfFaceName, f.Face) << f.Id;
    EXPECT_EQ(lf.lfHeight, -12) << f.Id;  // 9 pt at 96 dpi
    EXPECT_EQ(lf.lfWeight, f.Bold ? FW_BOLD : FW_NORMAL) << f.Id;
    EXPECT_EQ(lf.lfCharSet, 128) << f.Id;
  }
}

TEST_F(Window, CaptionsAndPriorityText) {
  Open();
  const std::pair<int, const wchar_t*> captions[] = {
      {IDC_CHKGROUP, L"桁区切り"},
      {IDC_CHKWIDE, L"全角文字 (2 バイト) "},
      {IDC_FRATIPS, L"優先順位"},
      {IDC_FRAPARAMETER, L"ﾊﾟﾗﾒｰﾀ"},
      {IDC_LBLLABEL0, L"小数点以下の桁数"},
      {IDC_LBLLABEL1, L"1:() カッコ最優先\r\n2:^  べき乗\r\n3:*/ 積・商\r\n4:+- 和・差\r\n\r\n負の値は()で括って下さい"},
      {IDC_CMDSUM, L""},
  };
  for (auto [id, text] : captions) EXPECT_EQ(Text(id), text) << id;
}

TEST_F(Window, TooltipsNameTheButtonsAndBoxes) {
  Open();
  HWND tip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM p) {
        wchar_t cls[64];
        GetClassNameW(h, cls, 64);
        if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(h, GW_OWNER)) *reinterpret_cast<HWND*>(p) = h;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip, nullptr);
  const std::pair<int, const wchar_t*> tips[] = {
      {IDC_TXTCALC, L"半角の数字と記号で式を入力して下さい"}, {IDC_CMDSUM, L"計算"}, {IDC_CMDCOPY, L"コピー"},
      {IDC_CMDTERAPAD, L"TeraPad"}, {IDC_TXTANS, L"答え"}, {IDC_CMDCLR, L"クリア"},
  };
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 6);
  for (auto [id, text] : tips) {
    wchar_t buf[128] = {};
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = form->hWnd();
    ti.uId = reinterpret_cast<UINT_PTR>(Item(id));
    ti.lpszText = buf;
    SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(buf, text) << id;
  }
}

TEST_F(Window, BoxFlagsAndInputMethod) {
  Open();
  auto style = [&](int id) { return GetWindowLongW(Item(id), GWL_STYLE); };
  EXPECT_TRUE(style(IDC_TXTCALC) & ES_MULTILINE);
  EXPECT_TRUE(style(IDC_TXTCALC) & WS_HSCROLL);
  EXPECT_TRUE(style(IDC_TXTCALC) & ES_AUTOHSCROLL) << "lines do not wrap";
  EXPECT_TRUE(style(IDC_TXTANS) & ES_RIGHT);
  EXPECT_TRUE(style(IDC_TXTAFTER) & ES_MULTILINE);
  EXPECT_TRUE(style(IDC_TXTAFTER) & ES_CENTER);
  EXPECT_TRUE(style(IDC_TXTAFTER) & ES_NUMBER) << "Tag \"0\": digits only";
  EXPECT_EQ(SendMessageW(Item(IDC_TXTAFTER), EM_GETLIMITTEXT, 0, 0), 1);
  for (int id : {IDC_TXTCALC, IDC_TXTAFTER}) {
    HIMC imc = ImmGetContext(Item(id));
    EXPECT_EQ(imc, nullptr) << "input method off in " << id;
    if (imc) ImmReleaseContext(Item(id), imc);
  }
  for (int id : {IDC_CMDSUM, IDC_CMDCOPY, IDC_CMDTERAPAD, IDC_CMDCLR}) {
    EXPECT_NE(SendMessageW(Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "picture on " << id;
  }
}

TEST_F(Window, StartsEmptyWithBothExchangeButtonsDisabled) {
  Open();
  for (int id : {IDC_TXTCALC, IDC_TXTANS, IDC_TXTAFTER}) EXPECT_EQ(Text(id), L"") << id;
  EXPECT_EQ(GetValue(Item(IDC_CHKGROUP)), BST_UNCHECKED);
  EXPECT_EQ(GetValue(Item(IDC_CHKWIDE)), BST_UNCHECKED);
  EXPECT_TRUE(Enabled(IDC_CMDSUM));
  EXPECT_TRUE(Enabled(IDC_CMDCLR));
  EXPECT_FALSE(Enabled(IDC_CMDCOPY));
  EXPECT_FALSE(Enabled(IDC_CMDTERAPAD));
  EXPECT_TRUE(HasFocus(IDC_TXTCALC));
}

struct TabCase {
  const char* Name;
  bool WithEditor;  // an editor in front at start-up enables the exchange button
  std::vector<int> Forward;  // from the expression box, Tab after Tab
};

TEST_F(Window, TabVisitsTheControlsInTabIndexOrder) {
  const TabCase cases[] = {
      {"both buttons enabled", true,
       {IDC_CMDSUM, IDC_CMDCOPY, IDC_CMDTERAPAD, IDC_TXTANS, IDC_TXTAFTER, IDC_CHKGROUP, IDC_CHKWIDE, IDC_CMDCLR,
        IDC_TXTCALC}},
      {"no editor: the exchange button is skipped", false,
       {IDC_CMDSUM, IDC_CMDCOPY, IDC_TXTANS, IDC_TXTAFTER, IDC_CHKGROUP, IDC_CHKWIDE, IDC_CMDCLR, IDC_TXTCALC}},
  };
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Open(c.WithEditor);
    SetText(Item(IDC_TXTANS), L"3");  // an answer enables the copy and exchange buttons
    Pump();
    ASSERT_EQ(Enabled(IDC_CMDTERAPAD), c.WithEditor);
    for (int id : c.Forward) {
      PostKey(GetFocus(), VK_TAB);
      EXPECT_TRUE(HasFocus(id)) << "expected " << id << ", focus on " << GetDlgCtrlID(GetFocus());
    }
    // Shift+Tab goes back the same way, with real keys.
    for (auto id = c.Forward.rbegin() + 1; id != c.Forward.rend(); ++id) {
      SendKeys({{VK_SHIFT, true}, {VK_TAB, true}, {VK_TAB, false}, {VK_SHIFT, false}});
      EXPECT_TRUE(WaitFor([&] { return HasFocus(*id) && GetKeyState(VK_SHIFT) >= 0; }))
          << "expected " << *id << ", focus on " << GetDlgCtrlID(GetFocus());
    }
    TearDown();
  }
  // Frames and labels never take the focus.
  Open();
  for (int id : {IDC_FRATIPS, IDC_FRAPARAMETER, IDC_LBLLABEL0, IDC_LBLLABEL1}) {
    EXPECT_FALSE(GetWindowLongW(Item(id), GWL_STYLE) & WS_TABSTOP) << id;
  }
}

TEST_F(Window, CloseCommandEndsWithoutTouchingTheClipboard) {
  Open();
  SetClipboardBytes("before");
  SetText(Item(IDC_TXTANS), L"42");
  SendMessageW(form->hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(IsWindow(form->hWnd()));
  EXPECT_NE(bridge, nullptr) << "the run, not the window, owns the bridge";
  EXPECT_EQ(ClipboardBytes(), "before");
}

}  // namespace
}  // namespace quorva::test
