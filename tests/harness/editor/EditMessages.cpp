// The "TEditor" window: answers the edit messages in CP932 byte positions, or in characters
// (--unit chars, and a Unicode window with --unicode), as the switches say.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "EditorState.h"
#include "EditorWindow.h"
#include "common/windows/Clipboard.h"
#include "shared/RuntimeError.h"

namespace qeditor {
namespace {

// A clipboard that another program keeps busy leaves the text where it is, as in any editor.
void CopyToClipboard(EditorState& s) {
  const std::string bytes = s.core.SelectedText();
  if (bytes.empty()) return;
  try {
    quorva::WriteClipboardAnsi(bytes, s.edit);
  } catch (const quorva::RuntimeError&) {
  }
}

void PasteFromClipboard(EditorState& s) {
  std::string bytes;
  try {
    bytes = quorva::ReadClipboardAnsi(s.edit);
  } catch (const quorva::RuntimeError&) {
  }
  if (!bytes.empty()) s.core.ReplaceSel(bytes, true);
}

// Typing for a person trying the editor by hand: single-byte characters, Enter, Backspace.
void Type(EditorState& s, WPARAM ch) {
  if (ch == '\b') {
    if (s.core.SelStart() == s.core.SelEnd() && s.core.Caret() > 0) {
      const int64_t c = static_cast<int64_t>(s.core.Caret());
      s.core.SetSel(c - 1, c);
    }
    s.core.Clear();
  } else if (ch == '\r') {
    s.core.ReplaceSel("\r\n", true);
  } else if (ch >= 0x20 && ch < 0x100) {
    s.core.ReplaceSel(std::string(1, static_cast<char>(ch)), true);
  }
  Changed(s);
}

// A byte position of the core as the window counts it, and back.
int64_t Out(const EditorState& s, int64_t bytePos) {
  return s.chars && bytePos >= 0 ? s.core.CharsAt(static_cast<size_t>(bytePos)) : bytePos;
}
int64_t In(const EditorState& s, int64_t pos) {
  return s.chars && pos >= 0 ? static_cast<int64_t>(s.core.ByteAt(pos)) : pos;
}

std::string FromWide(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return {};
  const int n = WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 1), '\0');
  WideCharToMultiByte(932, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(strlen(out.c_str()));
  return out;
}

// The text that a message carries, in the window's character set.
std::string TextOf(const EditorState& s, LPARAM lParam) {
  if (lParam == 0) return {};
  return s.unicode ? FromWide(reinterpret_cast<const wchar_t*>(lParam)) : reinterpret_cast<const char*>(lParam);
}

// WM_GETTEXT of a Unicode window: the bytes it would hand out (the limit counts bytes), as UTF-16.
LRESULT CopyOutWide(const EditorState& s, wchar_t* buffer, size_t room) {
  if (buffer == nullptr || room == 0) return 0;
  std::string bytes(std::min(s.core.Length(), room * 2) + 1, '\0');
  bytes.resize(s.core.CopyOut(bytes.data(), bytes.size()));
  std::wstring wide(bytes.size(), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), static_cast<int>(wide.size()))));
  if (wide.size() > room - 1) wide.resize(room - 1);
  std::copy(wide.begin(), wide.end(), buffer);
  buffer[wide.size()] = L'\0';
  return static_cast<LRESULT>(wide.size());
}

LRESULT LineLength(const EditorState& s, WPARAM wParam) {
  const int64_t at = In(s, static_cast<int32_t>(wParam));
  const auto begin = static_cast<size_t>(s.core.LineIndex(s.core.LineFromChar(at < 0 ? 0 : at)));
  const int64_t bytes = s.core.LineLength(at);
  if (!s.chars) return static_cast<LRESULT>(bytes);
  return static_cast<LRESULT>(s.core.CharsAt(begin + static_cast<size_t>(bytes)) - s.core.CharsAt(begin));
}

LRESULT GetSel(const EditorState& s, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<size_t>(Out(s, static_cast<int64_t>(s.core.SelStart())));
  const auto end = static_cast<size_t>(Out(s, static_cast<int64_t>(s.core.SelEnd())));
  const GetSelAnswer answer = AnswerGetSel(s.zoo.getSel, start, end);
  if (answer.writeOutputs) {
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
  }
  return static_cast<LRESULT>(answer.result);
}

// Back to the plain editor, so that a test driver can read the true text afterwards.
LRESULT ZooOff(EditorState& s) {
  s.zoo = Zoo{};
  s.chaos.reset();
  s.core.SetLimit(0);
  s.closeAfter.Disarm();
  return 1;
}

// The test driver's own messages: they set the editor up and read its state.
LRESULT OnDriverMessage(EditorState& s, UINT message, WPARAM wParam) {
  switch (message) {
    case kSetLimitMessage: s.core.SetLimit(static_cast<size_t>(wParam)); return 0;
    case kZooOffMessage: return ZooOff(s);
    case kAnsweredMessage: return static_cast<LRESULT>(s.closeAfter.Answered());
    case kUndoDepthMessage: return static_cast<LRESULT>(s.core.UndoDepth());
    case kReceivedMessage: {
      const auto it = s.received.find(static_cast<UINT>(wParam));
      return it == s.received.end() ? 0 : static_cast<LRESULT>(it->second);
    }
  }
  return 0;
}

LRESULT OnMessage(HWND window, EditorState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  EditorCore& core = s.core;
  switch (message) {
    case WM_GETTEXT:
      if (s.unicode) return CopyOutWide(s, reinterpret_cast<wchar_t*>(lParam), wParam);
      return static_cast<LRESULT>(core.CopyOut(reinterpret_cast<char*>(lParam), wParam));
    // An ANSI window that counts characters still gives its length in bytes, as the system's does.
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(s.unicode ? Out(s, static_cast<int64_t>(core.Length())) : core.Length());
    case WM_SETTEXT: core.SetText(TextOf(s, lParam)); Changed(s); return TRUE;
    case EM_GETSEL: return GetSel(s, wParam, lParam);
    case EM_SETSEL:
      core.SetSel(In(s, static_cast<int32_t>(wParam)), In(s, static_cast<int32_t>(lParam)));
      Changed(s);
      return 0;
    case EM_REPLACESEL:
      core.ReplaceSel(TextOf(s, lParam), wParam != 0);
      Changed(s);
      return 0;
    case WM_CLEAR: core.Clear(); Changed(s); return 0;
    case WM_CUT: CopyToClipboard(s); core.Clear(); Changed(s); return 0;
    case WM_COPY: CopyToClipboard(s); return 0;
    case WM_PASTE: PasteFromClipboard(s); Changed(s); return 0;
    case EM_UNDO: { const bool done = core.Undo(); Changed(s); return done; }
    case EM_CANUNDO: return core.UndoDepth() > 0;
    case EM_LINEINDEX: return static_cast<LRESULT>(Out(s, core.LineIndex(static_cast<int32_t>(wParam))));
    case EM_LINEFROMCHAR: return static_cast<LRESULT>(core.LineFromChar(In(s, static_cast<int32_t>(wParam))));
    case EM_LINELENGTH: return LineLength(s, wParam);
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(core.TopLine());
    case EM_GETLINECOUNT: return static_cast<LRESULT>(core.LineCount());
    case kSetLimitMessage: case kZooOffMessage: case kAnsweredMessage: case kUndoDepthMessage: case kReceivedMessage:
      return OnDriverMessage(s, message, wParam);
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_CHAR: Type(s, wParam); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_F5) return SendMessageW(s.main, WM_KEYDOWN, wParam, lParam);
      break;
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_PAINT: Paint(window, s); return 0;
  }
  return s.unicode ? DefWindowProcW(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

// --chaos: this message's way of answering. False when it is not answered at all.
bool RollChaos(EditorState& s, UINT message) {
  const ChaosAnswer a = s.chaos->Next(message);
  if (a.close) PostMessageW(s.main, WM_CLOSE, 0, 0);
  if (!a.answer) return false;
  s.zoo.getSel = s.chaos->GetSel();
  s.zoo.readOnly = a.readOnly;
  s.zoo.delayMs = a.delayMs;
  s.core.SetGiveLimit(a.giveLimit);
  s.core.SetTakeLimit(a.takeLimit);
  return true;
}

// QUORVA_EDITOR_TRACE names a file that gets one line per edit message answered: for chasing
// what a chaos round did.
void Trace(const EditorState& s, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
  static FILE* file = [] {
    char path[MAX_PATH] = {};
    return GetEnvironmentVariableA("QUORVA_EDITOR_TRACE", path, MAX_PATH) ? fopen(path, "a") : nullptr;
  }();
  if (file == nullptr) return;
  fprintf(file, "%04x %lld %lld -> %lld | len %zu sel %zu-%zu give %s\n", message, static_cast<long long>(wParam),
          message == EM_REPLACESEL ? static_cast<long long>(TextOf(s, lParam).size())
                                   : static_cast<long long>(lParam),
          static_cast<long long>(result), s.core.Length(), s.core.SelStart(), s.core.SelEnd(), s.zoo.readOnly ? "ro" : "");
  fflush(file);
}

}  // namespace

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  EditorState* s = StateOf(window);
  if (s == nullptr) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                   : DefWindowProcA(window, message, wParam, lParam);
  }
  ++s->received[message];
  if (IsEditMessage(message)) {
    const CloseAfter::Verdict verdict = s->closeAfter.Next();
    if (verdict.close) PostMessageW(s->main, WM_CLOSE, 0, 0);
    if (!verdict.answer) return 0;
    if (s->chaos && !RollChaos(*s, message)) return 0;
    if (s->zoo.delayMs != 0) Sleep(s->zoo.delayMs);
  }
  if (s->zoo.Ignores(message) || s->zoo.Busy(message)) return 0;
  const LRESULT result = OnMessage(window, *s, message, wParam, lParam);
  if (IsEditMessage(message)) Trace(*s, message, wParam, lParam, result);
  return result;
}

}  // namespace qeditor
