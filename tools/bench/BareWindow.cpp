// The baselines of the start-up benchmark: the least a Win32 program does to show a window; with
// QUORVA_BARE_CONTROLS one edit control of the common controls v6 besides; with
// QUORVA_THIRTEEN_CONTROLS the calculator's thirteen controls (three edit boxes, four picture
// buttons, two check boxes, two frames, two labels) and nothing else.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

struct Row {
  const wchar_t* Class;
  DWORD Style;
  int Left, Top, Width, Height;  // pixels at 96 dpi
  const wchar_t* Caption;
};

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP;
const Row kRows[] = {
    {L"EDIT", WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 4, 4, 309, 37, L""},
    {L"BUTTON", kButton, 216, 48, 25, 21, L""},
    {L"BUTTON", kButton | WS_DISABLED, 240, 48, 25, 21, L""},
    {L"BUTTON", kButton | WS_DISABLED, 264, 48, 25, 21, L""},
    {L"EDIT", WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, 4, 48, 205, 21, L""},
    {L"EDIT", WS_TABSTOP | ES_MULTILINE | ES_CENTER, 116, 96, 17, 21, L""},
    {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 12, 124, 121, 13, L"check one"},
    {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 12, 148, 121, 13, L"check two"},
    {L"BUTTON", BS_GROUPBOX, 148, 76, 165, 101, L"frame one"},
    {L"STATIC", SS_LEFT | SS_NOPREFIX, 160, 96, 144, 72, L"1:()\r\n2:^\r\n3:*/\r\n4:+-\r\n\r\nlabel"},
    {L"BUTTON", BS_GROUPBOX, 4, 76, 137, 101, L"frame two"},
    {L"STATIC", SS_LEFT | SS_NOPREFIX, 12, 100, 96, 12, L"label two"},
    {L"BUTTON", kButton, 288, 48, 25, 21, L""},
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef QUORVA_THIRTEEN_CONTROLS
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
#endif
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"QuorvaBare";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowW(L"QuorvaBare", L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                            CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
#ifdef QUORVA_BARE_CONTROLS
  // The share of the start-up time that the platform's control library takes.
  CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, hwnd, nullptr, instance, nullptr);
#endif
#ifdef QUORVA_THIRTEEN_CONTROLS
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const Row& r : kRows) {
    HWND c = CreateWindowExW(0, r.Class, r.Caption, WS_CHILD | WS_VISIBLE | r.Style, r.Left, r.Top, r.Width, r.Height,
                             hwnd, nullptr, instance, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
#endif
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
