#pragma once
// The kind of edit control the bridge drives, known before any position is used: its character
// set (a Unicode window's text travels in W messages; EM_GETSEL, which carries positions only,
// goes as A to every window), how it counts positions (bytes of the code page, or
// UTF-16 units) and how it counts a line break (CR LF as two, or as one, as RichEdit does).
// TeraPad's "TEditor" counts bytes; the system's Edit counts characters, even as an ANSI window
// under Wine. The unit is found from the control's own answers, never from its class.
//
// Between the bridge and the control, text travels as units: one element a position (a CP932
// byte, or a UTF-16 unit), line breaks as the control counts them. A position read from the
// control indexes the units read from it, whatever the kind.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quorva {

using Units = std::u16string;

enum class PositionUnit { kBytes, kChars };

// What a control says of its text, in the ways it may count it.
struct UnitEvidence {
  bool unicode = false;        // a Unicode window: its length and text come in UTF-16 units
  bool contractBytes = false;  // an ANSI "TEditor": bytes, unless its answers say otherwise
  int64_t length = -1;         // WM_GETTEXTLENGTH in the window's character set
  bool whole = false;          // WM_GETTEXT handed out all of that length
  // Counts of the handed-out text (when whole): code-page bytes, UTF-16 units, and UTF-16 units
  // with each CR LF as one.
  int64_t bytes = -1, chars = -1, charsBreakOne = -1;
  int64_t end = -1;  // where the control says its text ends (its line answers); -1: no answer
};

struct UnitVerdict {
  bool settled = false;      // false: the answers disagree or cannot settle it; use no position
  bool provisional = false;  // true: good for this text only (no character tells the units apart)
  PositionUnit unit = PositionUnit::kBytes;
  bool breakIsOne = false;
};

UnitVerdict JudgeUnit(const UnitEvidence& e);

// Where the control says its text ends: the last line's index plus its length; -1 without answer.
int64_t EndFromLines(HWND edit);

class EditorControl {
 public:
  EditorControl() = default;
  explicit EditorControl(HWND edit);

  HWND Hwnd() const { return edit_; }
  bool Unicode() const { return unicode_; }
  PositionUnit Unit() const { return unit_; }
  bool BreakIsOne() const { return breakIsOne_; }

  // Asks the control how it counts, unless a text with telling characters has settled it. False
  // when its answers disagree or cannot settle it: then no position may be used.
  bool Settle();
  // Whether the last answers are good for any text: they settled it, or they did not contradict
  // a "TEditor", which counts bytes unless it says otherwise.
  bool Settled() const { return settled_ || (judged_ && contractBytes_); }
  // After part of `sent` went in, where only a text that could not tell the ways of counting
  // apart had been judged: asks again, now that the control may hold characters that can. True
  // when the unit or the line model turned out otherwise; positions and counts made before in
  // units of the text are then to be made again.
  bool Recheck(std::u16string_view sent);

  // A message that carries no text, in the window's character set, its wParam a position (or
  // -1) as PositionArgument makes it.
  LRESULT Send(UINT message, int64_t wParam = 0, LPARAM lParam = 0) const;

  // The text's length in units.
  int32_t Length() const;
  // The first `size` units (fewer when the control hands out less), never a character cut.
  Units Read(int32_t size) const;
  // EM_REPLACESEL with the units; wParam says whether the control may undo it.
  void Replace(const Units& units, bool undoable) const;

  Units Encode(std::u16string_view text) const;
  std::u16string Decode(const Units& units) const;
  // Units [from, from + count) of u, less a character that the end would cut.
  Units Mid(const Units& u, int32_t from, int32_t count) const;

 private:
  HWND edit_ = nullptr;
  bool unicode_ = false;
  bool contractBytes_ = false;
  bool settled_ = false;
  bool judged_ = false;  // the last answers settled it, for their text at least
  PositionUnit unit_ = PositionUnit::kBytes;
  bool breakIsOne_ = false;
};

}  // namespace quorva
