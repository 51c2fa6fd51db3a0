#include "ui/form/ControlProperties.h"

#include <vector>

namespace quorva {

namespace {

bool IsComboBox(HWND control) {
  wchar_t cls[16] = {};
  GetClassNameW(control, cls, 16);
  return lstrcmpiW(cls, L"ComboBox") == 0;
}

void GetSel(HWND control, DWORD& start, DWORD& end) {
  if (IsComboBox(control)) {
    SendMessageW(control, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  } else {
    SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  }
}

}  // namespace

std::wstring GetText(HWND control) {
  int length = GetWindowTextLengthW(control);
  std::vector<wchar_t> buf(static_cast<size_t>(length) + 1);
  int got = GetWindowTextW(control, buf.data(), length + 1);
  return std::wstring(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void SetText(HWND control, std::wstring_view text) { SetWindowTextW(control, std::wstring(text).c_str()); }

int GetValue(HWND control) { return static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0)); }

void SetValue(HWND control, int value) { SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0); }

int SelStart(HWND control) {
  DWORD start = 0, end = 0;
  GetSel(control, start, end);
  return static_cast<int>(start);
}

int SelLength(HWND control) {
  DWORD start = 0, end = 0;
  GetSel(control, start, end);
  return static_cast<int>(end - start);
}

void SetSelStart(HWND control, int start) { SetSel(control, start, start); }

void SetSel(HWND control, int start, int end) {
  if (IsComboBox(control)) {
    SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
  } else {
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(start), end);
  }
}

void ReplaceUndoably(HWND control, int start, int end, std::wstring_view text) {
  SetSel(control, start, end);
  SendMessageW(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
}

std::wstring Trim(std::wstring_view text) {
  auto blank = [](wchar_t c) { return c == L' ' || c == L'\u3000'; };
  size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return std::wstring(text.substr(first, last - first));
}

}  // namespace quorva
