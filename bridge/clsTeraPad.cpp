#include "bridge/clsTeraPad.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "bridge/RetryTrap.h"
#include "common/Ansi.h"
#include "common/subTool.h"
#include "engine/NumberText.h"

namespace quorva {
namespace {

constexpr DWORD kUnfilled = 0xFFFFFFFF;

int32_t Add(int32_t a, int32_t b) {
  int32_t r = 0;
  if (__builtin_add_overflow(a, b, &r)) Raise(kOverflow);
  return r;
}

int32_t Sub(int32_t a, int32_t b) {
  int32_t r = 0;
  if (__builtin_sub_overflow(a, b, &r)) Raise(kOverflow);
  return r;
}

[[noreturn]] void Fail(int32_t number, const char16_t* description) {
  RuntimeError e = MakeError(number);
  e.Source = u"clsTeraPad";
  e.Description = description;
  throw e;
}

[[noreturn]] void FailFile(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: Fail(53, u"ファイルが見つかりません。");
    case ERROR_PATH_NOT_FOUND: Fail(76, u"パスが見つかりません。");
    case ERROR_DISK_FULL: Fail(61, u"ディスクの空き容量が不足しています。");
    default: Fail(75, u"パス名が無効です。");
  }
}

int32_t AsInteger(const clsTeraPad::Any& v) {
  if (const auto* n = std::get_if<int32_t>(&v)) return *n;
  const double d = std::nearbyint(TextToNumber(FromWide(std::get<std::wstring>(v))));
  if (!(d >= INT32_MIN && d <= INT32_MAX)) Raise(kOverflow);
  return static_cast<int32_t>(d);
}

std::wstring AsText(const clsTeraPad::Any& v) {
  if (const auto* s = std::get_if<std::wstring>(&v)) return *s;
  return std::to_wstring(std::get<int32_t>(v));
}

// WM_GETTEXT into a buffer of size + 1 zero bytes. The text ends at the first zero byte: an editor
// that hands out less than asked leaves the rest of the buffer zero, and that is not its text.
std::u16string ReadEditText(HWND edit, int32_t size) {
  const int32_t room = Add(std::max(size, 0), 1);
  std::string buffer(static_cast<size_t>(room), '\0');
  SendMessageA(edit, WM_GETTEXT, static_cast<WPARAM>(room), reinterpret_cast<LPARAM>(buffer.data()));
  const size_t n = strnlen(buffer.data(), static_cast<size_t>(room) - 1);
  return FromAnsi(std::string_view(buffer.data(), n));
}

// EM_GETSEL with output addresses: full 32-bit positions. The packed 16-bit halves of the result
// serve only an editor that leaves the addresses alone.
void GetSelection(HWND edit, int32_t& start, int32_t& end) {
  DWORD s = kUnfilled, e = kUnfilled;
  const auto packed = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s),
                                                      reinterpret_cast<LPARAM>(&e)));
  start = static_cast<int32_t>(s != kUnfilled ? s : LOWORD(packed));
  end = static_cast<int32_t>(e != kUnfilled ? e : HIWORD(packed));
}

class Clipboard {
 public:
  Clipboard() {
    if (!OpenClipboard(nullptr)) Fail(521, u"クリップボードを開けません。");
  }
  ~Clipboard() { CloseClipboard(); }
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;
};

std::wstring ReadClipboardText() {
  Clipboard open;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return {};
  const char* p = static_cast<const char*>(GlobalLock(data));
  if (p == nullptr) return {};
  const std::string bytes(p, strnlen(p, GlobalSize(data)));
  GlobalUnlock(data);
  return ToWide(FromAnsi(bytes));
}

void WriteClipboardText(const std::string& bytes) {
  Clipboard open;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  if (mem == nullptr) throw std::bad_alloc();
  char* p = static_cast<char*>(GlobalLock(mem));
  std::memcpy(p, bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(mem);
  if (SetClipboardData(CF_TEXT, mem) == nullptr) {
    GlobalFree(mem);
    Fail(521, u"クリップボードを開けません。");
  }
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {
    if (h_ == INVALID_HANDLE_VALUE) FailFile(GetLastError());
  }
  ~FileHandle() { CloseHandle(h_); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

std::string ReadWholeFile(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) FailFile(GetLastError());
  if (size.QuadPart > INT32_MAX) Raise(kOverflow);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t got = 0;
  while (got < bytes.size()) {
    DWORD n = 0;
    if (!ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr)) {
      FailFile(GetLastError());
    }
    if (n == 0) break;  // the file shrank meanwhile
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

// Afterwards the file holds exactly these bytes: opening it truncates what was there.
void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  size_t put = 0;
  while (put < bytes.size()) {
    DWORD n = 0;
    if (!WriteFile(file.get(), bytes.data() + put, static_cast<DWORD>(bytes.size() - put), &n, nullptr) || n == 0) {
      FailFile(GetLastError());
    }
    put += n;
  }
}

}  // namespace

clsTeraPad::clsTeraPad() {
  HWND fg = GetForegroundWindow();
  // With no foreground window there is no editor to take: a search over the top-level windows
  // could pick some unrelated "TEditor".
  if (fg == nullptr) return;
  if (FindWindowA(nullptr, "Program Manager") == fg) return;
  if (FindWindowA("Shell_TrayWnd", nullptr) == fg) return;
  hWin_ = fg;
  hEdit_ = FindWindowExA(fg, nullptr, "TEditor", "");
  nowLineTop_ = static_cast<int32_t>(SendMessageA(hEdit_, EM_GETFIRSTVISIBLELINE, 0, 0));
  nowLine_ = static_cast<int32_t>(SendMessageA(hEdit_, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}

HWND clsTeraPad::hWin() const { return hWin_; }
void clsTeraPad::hWin(HWND value) { hWin_ = value; }
HWND clsTeraPad::hEdit() const { return hEdit_; }
void clsTeraPad::hEdit(HWND value) { hEdit_ = value; }
std::wstring clsTeraPad::Path() const { return path_; }
void clsTeraPad::Path(const std::wstring& value) { path_ = value; }
int32_t clsTeraPad::NowLineTop() const { return nowLineTop_; }
void clsTeraPad::NowLineTop(int32_t value) { nowLineTop_ = value; }
int32_t clsTeraPad::NowLine() const { return nowLine_; }
void clsTeraPad::NowLine(int32_t value) { nowLine_ = value; }

void clsTeraPad::Edit(int32_t lMode, const Any& vAny) {
  RetryTrap trap;
  switch (lMode) {
    case EM_UNDO:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
      trap([&] { SendMessageA(hEdit(), static_cast<UINT>(lMode), 0, 0); });
      return;
    case EM_SETSEL: {
      int32_t n = 0;
      if (!trap([&] { n = AsInteger(vAny); })) return;
      if (n <= 0) {
        trap([&] { SendMessageA(hEdit(), EM_SETSEL, 0, -1); });
        return;
      }
      int32_t s = 0, e = 0;
      if (!trap([&] { s = static_cast<int32_t>(SendMessageA(hEdit(), EM_LINEINDEX, static_cast<WPARAM>(n), 0)); })) return;
      if (!trap([&] { e = static_cast<int32_t>(SendMessageA(hEdit(), EM_LINEINDEX, static_cast<WPARAM>(Add(n, 1)), 0)); })) return;
      trap([&] { SendMessageA(hEdit(), EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(s)), Sub(e, 1)); });
      return;
    }
    case EM_REPLACESEL: {
      std::string bytes;
      if (!trap([&] { bytes = ToAnsi(FromWide(AsText(vAny))); })) return;
      // wParam 0: the replacement is not undoable.
      trap([&] { SendMessageA(hEdit(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(bytes.c_str())); });
      return;
    }
    default:
      return;
  }
}

int32_t clsTeraPad::Length() { return static_cast<int32_t>(SendMessageA(hEdit(), WM_GETTEXTLENGTH, 0, 0)); }

int32_t clsTeraPad::SelStart() {
  int32_t start = 0, end = 0;
  GetSelection(hEdit(), start, end);
  return start;
}

void clsTeraPad::SelStart(int32_t lSel) {
  SendMessageA(hEdit(), EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(lSel)), lSel);
}

int32_t clsTeraPad::SelLength() {
  int32_t unused = 0, end = 0;
  GetSelection(hEdit(), unused, end);
  const int32_t start = SelStart();
  return Sub(end, start);
}

void clsTeraPad::SelLength(int32_t lSel) {
  const int32_t start = SelStart();
  SendMessageA(hEdit(), EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(start)), Add(start, lSel));
}

std::wstring clsTeraPad::Text() {
  RetryTrap trap;
  int32_t lLen = 0;
  std::u16string t;
  int32_t lRead = 0;
  if (!trap([&] { lLen = Length(); })) return {};
  if (!trap([&] { t = ReadEditText(hEdit(), lLen); })) return {};
  if (!trap([&] { lRead = LenAnsi(t); })) return {};
  if (lLen <= lRead) return ToWide(t);

  // The editor hands out less than it holds: cut pieces off the front, then undo the cuts.
  // Pieces are lRead - 1 bytes, but at least two so that one can hold a double-byte character
  // (an editor that handed out one byte or none gets the same chance instead of a silent result).
  const int32_t step = std::max(lRead - 1, 2);
  const int32_t room = std::max(lRead, step);
  std::u16string result;
  int32_t cleared = 0;
  bool failed = false;
  // A pass per piece until nothing is left to cut. Pieces can come out shorter than step (the
  // editor keeps double-byte characters whole), so passes are not counted in advance; each pass
  // cuts at least one byte, so lLen + 1 passes always suffice.
  for (int32_t pass = 0; pass <= lLen && !failed; ++pass) {
    int32_t len = 0;
    std::u16string piece;
    failed = !trap([&] { SendMessageA(hEdit(), EM_SETSEL, 0, step); }) || !trap([&] { len = SelLength(); });
    // Nothing left to cut: a clear now would change nothing, and one undo too many would take
    // back an edit that the user made before.
    if (failed || len <= 0) break;
    failed = !trap([&] { piece = MidAnsi(t, 1, len); });
    if (failed) break;
    // Cutting more than was handed out would lose text from the result.
    if (LenAnsi(piece) != len) {
      trap([] { Fail(5, u"エディタから文字列を読み取れません。"); });
      failed = true;
      break;
    }
    result += piece;
    failed = !trap([&] { Edit(WM_CLEAR, -1); });
    if (failed) break;
    ++cleared;
    failed = !trap([&] { t = ReadEditText(hEdit(), room); });
  }
  // Text still in the editor means the pieces missed some of it: that is no result to return.
  int32_t left = 0;
  if (!failed) failed = !trap([&] { left = Length(); });
  if (!failed && left > 0) {
    trap([] { Fail(5, u"エディタから文字列を読み取れません。"); });
    failed = true;
  }
  // The cuts are undone even after a reported error, so the editor's text is never left cut.
  for (int32_t i = 0; i < cleared; ++i) {
    trap([&] { Edit(EM_UNDO, -1); });
  }
  return failed ? std::wstring() : ToWide(result);
}

void clsTeraPad::Text(const std::wstring& sText) {
  RetryTrap trap;
  const std::u16string s = FromWide(sText);
  int32_t n = 0, done = 0;
  if (!trap([&] { n = LenAnsi(s); })) return;
  if (!trap([&] { Edit(EM_SETSEL, -1); })) return;
  if (!trap([&] { Edit(EM_REPLACESEL, sText); })) return;
  if (!trap([&] { done = Length(); })) return;
  if (n > 0 && done <= 0) {
    trap([] { Fail(5, u"エディタに文字列を書き込めません。"); });
    return;
  }
  // The rest in pieces of done bytes, but at least two so that a piece can hold a double-byte
  // character. written: how much of the text the editor holds; a pass that adds nothing ends the
  // loop instead of repeating it forever.
  const int32_t piece = std::max(done, 2);
  int32_t written = done;
  while (n > written) {
    int32_t pos = 0, len = 0;
    if (!trap([&] { SelStart(written); })) return;
    if (!trap([&] { pos = SelStart(); })) return;
    if (!trap([&] { SelLength(Sub(Length(), pos)); })) return;
    if (!trap([&] { Edit(EM_REPLACESEL, ToWide(MidAnsi(s, Add(pos, 1), piece))); })) return;
    if (!trap([&] { len = Length(); })) return;
    if (len <= written) break;
    written = len;
  }
  if (n > written) trap([] { Fail(5, u"エディタが文字列の一部しか受け取りませんでした。"); });
}

std::wstring clsTeraPad::SelText() {
  const int32_t start = SelStart();
  const int32_t len = SelLength();
  const std::wstring t = Text();
  return ToWide(MidAnsi(FromWide(t), Add(start, 1), len));
}

void clsTeraPad::SelText(const std::wstring& sText) {
  RetryTrap trap;
  const std::u16string s = FromWide(sText);
  int32_t n = 0, st = 0, rest = 0, done = 0;
  if (!trap([&] { n = LenAnsi(s); })) return;
  if (!trap([&] { st = SelStart(); })) return;
  if (!trap([&] { rest = Length(); rest = Sub(rest, SelLength()); })) return;
  if (!trap([&] { Edit(EM_REPLACESEL, sText); })) return;
  if (!trap([&] { done = Sub(Length(), rest); })) return;
  // An editor that took nothing (closed since start-up, say) must not look like a success.
  if (n > 0 && done <= 0) {
    trap([] { Fail(5, u"エディタに文字列を書き込めません。"); });
    return;
  }
  // The rest in pieces of done bytes (at least two, for a double-byte character), each right after
  // what the editor took so far. Progress is measured by the editor's length, so a piece it took
  // only in part is continued where it ended.
  const int32_t piece = std::max(done, 2);
  int32_t written = done;
  int32_t len = 0;
  if (n > written && !trap([&] { len = Length(); })) return;
  while (n > written) {
    int32_t pos = 0, after = 0;
    if (!trap([&] { SelStart(Add(st, written)); })) return;
    if (!trap([&] { pos = SelStart(); })) return;
    if (pos != st + written) break;  // the caret cannot be put there
    if (!trap([&] { Edit(EM_REPLACESEL, ToWide(MidAnsi(s, Add(written, 1), piece))); })) return;
    if (!trap([&] { after = Length(); })) return;
    if (after <= len) break;
    written = Add(written, after - len);
    len = after;
  }
  if (n > written) trap([] { Fail(5, u"エディタが文字列の一部しか受け取りませんでした。"); });
}

std::wstring clsTeraPad::Clip() {
  RetryTrap trap;
  std::wstring result;
  if (!trap([&] { Edit(WM_COPY, -1); })) return {};
  if (!trap([&] { result = ReadClipboardText(); })) return {};
  return result;
}

void clsTeraPad::Clip(const std::wstring& sText) {
  RetryTrap trap;
  std::string bytes;
  if (!trap([&] { bytes = ToAnsi(FromWide(sText)); })) return;
  if (!trap([&] { WriteClipboardText(bytes); })) return;
  trap([&] { Edit(WM_PASTE, -1); });
}

std::wstring clsTeraPad::File() {
  RetryTrap trap;
  std::string bytes;
  std::wstring result;
  if (!trap([&] { bytes = ReadWholeFile(Path()); })) return {};
  if (!trap([&] { result = ToWide(FromAnsi(bytes)); })) return {};
  return result;
}

void clsTeraPad::File(const std::wstring& sText) {
  RetryTrap trap;
  std::string bytes;
  if (!trap([&] { bytes = ToAnsi(FromWide(sText)); })) return;
  if (!trap([&] { WriteWholeFile(Path(), bytes); })) return;
  // Only a file that was written whole is worth a reload.
  if (!trap([&] { PostMessageA(hWin(), WM_KEYDOWN, VK_F5, 1); })) return;
  trap([&] { PostMessageA(hWin(), WM_KEYUP, VK_F5, 1); });
}

int32_t clsTeraPad::Line() {
  return static_cast<int32_t>(SendMessageA(hEdit(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}

void clsTeraPad::Line(int32_t lLine) {
  const auto lineIndex = [this](int32_t line) {
    return static_cast<int32_t>(SendMessageA(hEdit(), EM_LINEINDEX, static_cast<WPARAM>(static_cast<INT_PTR>(line)), 0));
  };
  if (lLine >= 0) {
    SelStart(lineIndex(lLine));
    return;
  }
  SelStart(lineIndex(NowLineTop()));
  SelStart(lineIndex(NowLine()));
}

}  // namespace quorva
