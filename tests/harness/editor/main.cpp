// quorva-editor.exe: a stand-in for the outside text editor, so that Quorva can be tried and
// tested on a machine without it. Its main window holds a direct child of window class "TEditor"
// that keeps the text as CP932 bytes and answers the edit messages in byte positions.
//
// Command line (every option is optional, and they combine freely):
//   --text TEXT        initial text, as typed on the command line (UTF-8 on Linux); "\n" in it
//                      becomes a line break (CR LF), "\0" a zero byte, "\\" a backslash
//   --file PATH        a file of raw CP932 bytes: its content is the initial text unless --text is
//                      given, and F5 (a key-down posted to the main window) reloads it
//   --sel START[,END]  initial selection in byte positions (default 0: caret at the start);
//                      END -1 means the end of the text
//   --limit N          hand out (WM_GETTEXT) and take (EM_REPLACESEL, WM_PASTE) at most N bytes
//                      per message; 0 (default) means no limit
//   --give-limit N     the limit for handing out only; --take-limit N for taking only
//                      (Wine answers a WM_GETTEXTLENGTH from another process through WM_GETTEXT,
//                      so across processes under Wine a give limit also shortens the length)
//   --top LINE         first visible line (0-based)
//   --title TEXT       caption of the main window (default "quorva-editor")
//   --pos X,Y,W,H      position and size of the main window
// Editors that answer otherwise, within what an edit control may do:
//   --getsel MODE      how EM_GETSEL answers: "both" (default) writes the output addresses and
//                      returns the packed value (start and end modulo 65536, start in the low
//                      word); "packed" returns the packed value and never writes the addresses;
//                      "minus-one" writes the addresses and returns -1 when a position exceeds 65535
//   --read-only        EM_REPLACESEL, WM_CLEAR, WM_CUT, WM_PASTE, WM_SETTEXT and typing change
//                      nothing (text and undo history stay) and answer 0
//   --no-clear         WM_CLEAR changes nothing
//   --no-undo          EM_UNDO does nothing and answers 0; EM_CANUNDO answers 0
//   --close-after N    answers N edit messages (WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT,
//                      EM_GETSEL, EM_SETSEL, EM_REPLACESEL, EM_UNDO, WM_CUT, WM_COPY, WM_PASTE,
//                      WM_CLEAR, EM_LINEINDEX, EM_LINEFROMCHAR, EM_GETFIRSTVISIBLELINE), then
//                      answers every further one with 0 and closes its main window (under Wine
//                      a WM_GETTEXTLENGTH from another process arrives with a WM_GETTEXT: two)
//   --delay MS         waits MS milliseconds before answering each of those edit messages
//   --busy N           after the first message that changes the text, ignores the next N that
//                      would (answering 0), as an editor busy for a moment
//   --unit chars       answers every position in characters (UTF-16 units), as the system's ANSI
//                      edit control does under Wine; WM_GETTEXTLENGTH still counts bytes
//   --unicode          a Unicode window (registered with the W call) answering the W messages:
//                      text as UTF-16, positions and length in characters. The text is still kept
//                      as CP932, so a character outside it cannot be stored (--real edit-unicode can)
//   --real KIND        the system's own control in place of the stand-in's core: "edit" (a
//                      superclass of EDIT named "TEditor", ANSI), "edit-unicode" (the same,
//                      Unicode), "richedit" (a RICHEDIT50W child, found as the focused control).
//                      --sel then counts in the control's own positions; the zoo's switches and
//                      the limits do not apply to it
//   --chaos SEED       answers each edit message in a way chosen at random from the seed, within
//                      what an edit control may do (EM_GETSEL's way, byte limits per message, an
//                      occasional delay, read-only spells, closing at some message); without
//                      --text or --file the seed also makes the text and the selection
// The window comes to the foreground when it opens. Exit code 2 means a bad command line.
//
// A test driver finds the main window by its title (window class "QuorvaStandInEditor"), the
// editor with FindWindowEx(main, NULL, "TEditor", NULL), reads the text with WM_GETTEXTLENGTH and
// WM_GETTEXT, and sends these to the "TEditor" window (none of them counts as an edit message):
//   WM_APP + 1  wParam becomes the byte limit (0 for none)
//   WM_APP + 2  switches every behaviour above off (getsel both, not read-only, clear and undo
//               work, no limits, no delay; close-after disarmed unless it has fired); answers 1.
//               WM_GETTEXTLENGTH and WM_GETTEXT then read the true text.
//   WM_APP + 3  answers how many edit messages have been answered so far
//   WM_APP + 4  answers the depth of the undo history
//   WM_APP + 5  answers how many times the message numbered wParam has arrived since start-up,
//               answered or ignored
// WM_CLOSE to the main window ends the program.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "Chaos.h"
#include "EditorWindow.h"
#include "RealControl.h"

namespace {

std::string ToCp932(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Unescape(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
    if (text[i] == L'\\' && (next == L'n' || next == L'0' || next == L'\\')) {
      ++i;
      if (next == L'n') out += L"\r\n";
      else out += next == L'0' ? L'\0' : L'\\';
    } else {
      out += text[i];
    }
  }
  return out;
}

bool ParseNumbers(const std::wstring& text, std::vector<long long>& numbers) {
  numbers.clear();
  size_t i = 0;
  while (i <= text.size()) {
    size_t used = 0;
    try {
      numbers.push_back(std::stoll(text.substr(i), &used));
    } catch (...) {
      return false;
    }
    i += used;
    if (i == text.size()) return true;
    if (text[i] != L',') return false;
    ++i;
  }
  return false;
}

bool ParseGetSel(const std::wstring& value, qeditor::GetSelMode& mode) {
  if (value == L"both") mode = qeditor::GetSelMode::kBoth;
  else if (value == L"packed") mode = qeditor::GetSelMode::kPacked;
  else if (value == L"minus-one") mode = qeditor::GetSelMode::kMinusOne;
  else return false;
  return true;
}

constexpr long long kMaxDelayMs = 60000;  // --delay

// The switches that take no value.
bool ParseFlag(const std::wstring& name, qeditor::Zoo& zoo) {
  if (name == L"--read-only") zoo.readOnly = true;
  else if (name == L"--no-clear") zoo.noClear = true;
  else if (name == L"--no-undo") zoo.noUndo = true;
  else return false;
  return true;
}

// A number switch's one value, at least 0.
bool OneCount(const std::wstring& value, long long& count) {
  std::vector<long long> n;
  if (!ParseNumbers(value, n) || n.size() != 1 || n[0] < 0) return false;
  count = n[0];
  return true;
}

// The switches with a value that make the editor answer like another one.
bool ParseBehaviour(const std::wstring& name, const std::wstring& value, qeditor::Options& o) {
  long long n = 0;
  if ((name == L"--limit" || name == L"--give-limit" || name == L"--take-limit") && OneCount(value, n)) {
    if (name != L"--take-limit") o.giveLimit = static_cast<size_t>(n);
    if (name != L"--give-limit") o.takeLimit = static_cast<size_t>(n);
  } else if (name == L"--getsel" && ParseGetSel(value, o.zoo.getSel)) {
  } else if (name == L"--close-after" && OneCount(value, n)) {
    o.zoo.closeAfter = n;
  } else if (name == L"--delay" && OneCount(value, n) && n <= kMaxDelayMs) {
    o.zoo.delayMs = static_cast<uint32_t>(n);
  } else if (name == L"--busy" && OneCount(value, n)) {
    o.zoo.busy = n;
  } else if (name == L"--chaos" && OneCount(value, n)) {
    o.chaos = n;
  } else if (name == L"--unit" && (value == L"chars" || value == L"bytes")) {
    o.unitChars = value == L"chars";
  } else if (name == L"--real" && qeditor::IsRealKind(value)) {
    o.real = value;
  } else {
    return false;
  }
  return true;
}

// The switches with a value that say what the editor holds and where its window is.
bool ParseContent(const std::wstring& name, const std::wstring& value, qeditor::Options& o) {
  std::vector<long long> n;
  long long count = 0;
  if (name == L"--text") {
    o.wideText = Unescape(value);
    o.text = ToCp932(o.wideText);
  } else if (name == L"--file") {
    o.file = value;
  } else if (name == L"--sel" && ParseNumbers(value, n) && n.size() <= 2) {
    o.selStart = n[0];
    o.selEnd = n.size() == 2 ? n[1] : n[0];
  } else if (name == L"--top" && OneCount(value, count)) {
    o.topLine = static_cast<size_t>(count);
  } else if (name == L"--title") {
    o.title = value;
  } else if (name == L"--pos" && ParseNumbers(value, n) && n.size() == 4) {
    o.x = static_cast<int>(n[0]), o.y = static_cast<int>(n[1]);
    o.width = static_cast<int>(n[2]), o.height = static_cast<int>(n[3]);
  } else {
    return false;
  }
  return true;
}

bool Parse(int argc, wchar_t** argv, qeditor::Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (ParseFlag(name, o.zoo)) continue;
    if (name == L"--unicode") {
      o.unicode = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const std::wstring value = argv[++i];
    if (!ParseContent(name, value, o) && !ParseBehaviour(name, value, o)) return false;
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  qeditor::Options options;
  options.quitOnClose = true;
  const bool ok = argv != nullptr && Parse(argc, argv, options);
  LocalFree(argv);
  if (ok && options.chaos >= 0 && options.text.empty() && options.file.empty()) {
    const qeditor::ChaosScene scene = qeditor::MakeChaosScene(static_cast<uint64_t>(options.chaos));
    options.text = scene.text;
    options.selStart = static_cast<int64_t>(scene.selStart);
    options.selEnd = static_cast<int64_t>(scene.selEnd);
  }
  if (ok && options.chaos >= 0) {
    // The seed also picks how the editor counts and speaks, unless the switches said.
    const qeditor::ChaosKind kind = qeditor::MakeChaosKind(static_cast<uint64_t>(options.chaos));
    options.unitChars = options.unitChars || kind.chars;
    options.unicode = options.unicode || kind.unicode;
  }
  if (!ok) {
    MessageBoxW(nullptr,
                L"quorva-editor [--text TEXT] [--file PATH] [--sel START[,END]] [--limit N] [--give-limit N] "
                L"[--take-limit N] [--top LINE] [--title TEXT] [--pos X,Y,W,H] [--getsel both|packed|minus-one] "
                L"[--read-only] [--no-clear] [--no-undo] [--close-after N] [--delay MS] [--busy N] [--chaos SEED] "
                L"[--unit chars|bytes] [--unicode] [--real edit|edit-unicode|richedit]",
                L"quorva-editor", MB_ICONERROR);
    return 2;
  }
  HWND main = qeditor::CreateEditorWindow(options);
  if (main == nullptr) return 1;
  // Showing activates the window, and its WM_SETFOCUS passes the focus on to the editor. Nothing
  // after this may take the foreground: a driver that sees the window in front may already have
  // put another one there.
  ShowWindow(main, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(main);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
