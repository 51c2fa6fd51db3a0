#include "bridge/EditorControl.h"

#include <algorithm>
#include <cwchar>

#include "bridge/EditorMessages.h"
#include "common/text/Ansi.h"

namespace quorva {
namespace {

int64_t CrLfPairs(std::u16string_view u) {
  int64_t n = 0;
  for (size_t i = 0; i + 1 < u.size(); ++i) n += u[i] == u'\r' && u[i + 1] == u'\n';
  return n;
}

// Each line break as one position, as the control counts it: CR LF and a lone LF become CR.
std::u16string OneBreak(std::u16string_view u) {
  std::u16string out;
  out.reserve(u.size());
  for (size_t i = 0; i < u.size(); ++i) {
    if (u[i] == u'\r' && i + 1 < u.size() && u[i + 1] == u'\n') ++i;
    out += u[i] == u'\n' ? u'\r' : u[i];
  }
  return out;
}

std::string Narrow(const Units& u) {
  std::string out(u.size(), '\0');
  std::transform(u.begin(), u.end(), out.begin(), [](char16_t c) { return static_cast<char>(c & 0xFF); });
  return out;
}

Units Widen(std::string_view bytes) {
  Units out(bytes.size(), u'\0');
  std::transform(bytes.begin(), bytes.end(), out.begin(), [](char c) { return static_cast<unsigned char>(c); });
  return out;
}

// Bytes that end in the first byte of a double-byte character lose it: it converts to nothing
// that was in the text.
void DropCutCharacter(std::string& bytes) {
  size_t i = 0;
  while (i < bytes.size()) i += IsAnsiLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
  if (i > bytes.size()) bytes.pop_back();
}

std::u16string ReadWide(HWND edit, int32_t room) {
  std::wstring buffer(static_cast<size_t>(room) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(edit, WM_GETTEXT, static_cast<WPARAM>(room) + 1, reinterpret_cast<LPARAM>(buffer.data()));
  size_t n = static_cast<size_t>(std::clamp<LRESULT>(copied, 0, room));
  if (n == 0) n = wcsnlen(buffer.data(), static_cast<size_t>(room));
  return std::u16string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
}

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Room for a text of `length` whose length may understate it, within what a message can carry.
int32_t RoomFor(int64_t length) { return static_cast<int32_t>(std::min<int64_t>(length * 2 + 1, INT32_MAX - 2)); }

}  // namespace

UnitVerdict JudgeUnit(const UnitEvidence& e) {
  const PositionUnit own = e.unicode ? PositionUnit::kChars : PositionUnit::kBytes;
  if (e.length < 0) return {};
  // A control that places its end past all it hands out has not handed out its whole text,
  // whatever its length says.
  const int64_t most = e.whole ? std::max(e.length, e.unicode ? e.chars : e.bytes) : e.length;
  if (e.end > most) return {};
  if (!e.whole) {
    // Only the length is there to compare with, in the window's own unit.
    if (e.end == e.length) return {true, true, own, false};
    return {};
  }
  // Nothing in the text tells the ways of counting apart: any of them gives the same positions.
  if (e.bytes == e.chars && e.chars == e.charsBreakOne) return {true, true, own, false};
  if (!e.unicode && e.end == e.bytes) return {true, false, PositionUnit::kBytes, false};
  if (e.end == e.chars) return {true, false, PositionUnit::kChars, false};
  if (e.end == e.charsBreakOne) return {true, false, PositionUnit::kChars, true};
  // No line answer that fits any count: a "TEditor" that does not answer them keeps its contract.
  if (e.contractBytes && e.end <= e.length) return {true, true, PositionUnit::kBytes, false};
  return {};
}

int64_t EndFromLines(HWND edit) {
  const auto count = static_cast<int64_t>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
  if (count <= 0) return -1;
  const auto last = static_cast<int64_t>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0));
  if (last < 0) return -1;
  const auto length = static_cast<int64_t>(SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(last), 0));
  return length < 0 ? -1 : last + length;
}

EditorControl::EditorControl(HWND edit) : edit_(edit) {
  if (edit_ == nullptr) return;
  unicode_ = IsWindowUnicode(edit_) != FALSE;
  char name[16] = {};
  GetClassNameA(edit_, name, sizeof name);
  contractBytes_ = !unicode_ && lstrcmpA(name, "TEditor") == 0;
}

bool EditorControl::Settle() {
  if (settled_ || edit_ == nullptr) return true;
  UnitEvidence e;
  e.unicode = unicode_;
  e.contractBytes = contractBytes_;
  std::u16string text;
  if (unicode_) {
    e.length = static_cast<int64_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0));
    if (e.length < 0) return false;
    const int32_t room = RoomFor(e.length);
    text = ReadWide(edit_, room);
    e.whole = static_cast<int64_t>(text.size()) == e.length ||
              (static_cast<int64_t>(text.size()) > e.length && static_cast<int64_t>(text.size()) < room);
    e.bytes = static_cast<int64_t>(ToAnsi(text).size());
  } else {
    e.length = static_cast<int64_t>(SendMessageA(edit_, WM_GETTEXTLENGTH, 0, 0));
    if (e.length < 0) return false;
    const int32_t room = RoomFor(e.length);
    const std::string bytes = ReadEditBytes(edit_, room);
    // More than the length, short of the room: the length understated a text handed out whole.
    e.whole = static_cast<int64_t>(bytes.size()) == e.length ||
              (static_cast<int64_t>(bytes.size()) > e.length && static_cast<int64_t>(bytes.size()) < room);
    e.bytes = static_cast<int64_t>(bytes.size());
    text = FromAnsi(bytes);
  }
  e.chars = static_cast<int64_t>(text.size());
  e.charsBreakOne = e.chars - CrLfPairs(text);
  e.end = EndFromLines(edit_);
  const UnitVerdict v = JudgeUnit(e);
  judged_ = v.settled;
  if (!v.settled) return false;
  unit_ = v.unit;
  breakIsOne_ = v.breakIsOne;
  settled_ = !v.provisional;
  return true;
}

bool EditorControl::Recheck(std::u16string_view sent) {
  if (settled_ || !judged_) return false;
  const bool telling = ToAnsi(sent).size() != sent.size() || sent.find_first_of(u"\r\n") != std::u16string_view::npos;
  if (!telling) return false;
  const PositionUnit unit = unit_;
  const bool breakIsOne = breakIsOne_;
  Settle();
  return unit != unit_ || breakIsOne != breakIsOne_;
}

LRESULT EditorControl::Send(UINT message, int64_t wParam, LPARAM lParam) const {
  const WPARAM w = PositionArgument(wParam);
  return unicode_ ? SendMessageW(edit_, message, w, lParam) : SendMessageA(edit_, message, w, lParam);
}

int32_t EditorControl::Length() const {
  if (!breakIsOne_ && unit_ == (unicode_ ? PositionUnit::kChars : PositionUnit::kBytes)) {
    return static_cast<int32_t>(Send(WM_GETTEXTLENGTH));
  }
  // The window's own length counts otherwise (bytes, or CR LF as two): its line answers do not.
  const int64_t end = EndFromLines(edit_);
  return static_cast<int32_t>(std::clamp<int64_t>(end, 0, INT32_MAX));
}

Units EditorControl::Read(int32_t size) const {
  size = std::max(size, 0);  // an empty text is still asked for, with room for its zero
  const bool sameCount = !breakIsOne_ && unit_ == (unicode_ ? PositionUnit::kChars : PositionUnit::kBytes);
  // A unit may take two of what the window hands out (a double-byte character, a CR LF).
  const int32_t room = sameCount ? size : RoomFor(size);
  Units u;
  if (unicode_) {
    u = ReadWide(edit_, room);
  } else if (unit_ == PositionUnit::kBytes) {
    u = Widen(ReadEditBytes(edit_, room));
  } else {
    std::string bytes = ReadEditBytes(edit_, room);
    DropCutCharacter(bytes);
    u = FromAnsi(bytes);
  }
  if (breakIsOne_) u = OneBreak(u);
  if (u.size() > static_cast<size_t>(size)) {
    u.resize(static_cast<size_t>(size));
    if (unit_ == PositionUnit::kChars && IsHigh(u.back())) u.pop_back();
  }
  return u;
}

void EditorControl::Replace(const Units& units, bool undoable) const {
  if (unicode_) {
    const std::wstring text(units.begin(), units.end());
    SendMessageW(edit_, EM_REPLACESEL, undoable, reinterpret_cast<LPARAM>(text.c_str()));
    return;
  }
  const std::string bytes = unit_ == PositionUnit::kBytes ? Narrow(units) : ToAnsi(units);
  SendMessageA(edit_, EM_REPLACESEL, undoable, reinterpret_cast<LPARAM>(bytes.c_str()));
}

Units EditorControl::Encode(std::u16string_view text) const {
  if (unit_ == PositionUnit::kBytes) return Widen(ToAnsi(text));
  return breakIsOne_ ? OneBreak(text) : Units(text);
}

std::u16string EditorControl::Decode(const Units& units) const {
  return unit_ == PositionUnit::kBytes ? FromAnsi(Narrow(units)) : units;
}

Units EditorControl::Mid(const Units& u, int32_t from, int32_t count) const {
  if (from < 0 || count <= 0 || static_cast<size_t>(from) >= u.size()) return {};
  const size_t start = static_cast<size_t>(from);
  const size_t to = std::min(u.size(), start + static_cast<size_t>(count));
  size_t end = to;
  if (unit_ == PositionUnit::kBytes) {
    for (size_t i = 0; i < to;) {
      const size_t width = IsAnsiLeadByte(static_cast<unsigned char>(u[i])) && i + 1 < u.size() ? 2 : 1;
      if (i + width > to) {
        end = std::max(i, start);
        break;
      }
      i += width;
    }
  } else if (end < u.size() && end > start && IsHigh(u[end - 1])) {
    --end;
  }
  return u.substr(start, end - start);
}

}  // namespace quorva
