// A baseline of the start-up benchmark: a window with the calculator's thirteen controls (three
// edit boxes, four picture buttons, two check boxes, two frames, two labels) and nothing else.
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
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"QuorvaThirteen";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowW(L"QuorvaThirteen", L"thirteen", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                            CW_USEDEFAULT, 323, 212, nullptr, nullptr, instance, nullptr);
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const Row& r : kRows) {
    HWND c = CreateWindowExW(0, r.Class, r.Caption, WS_CHILD | WS_VISIBLE | r.Style, r.Left, r.Top, r.Width, r.Height,
                             hwnd, nullptr, instance, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
