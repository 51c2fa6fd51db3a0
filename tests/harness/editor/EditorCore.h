#pragma once
// The stand-in editor's text: CP932 bytes, a selection, and an undo stack. Plain C++ so that tests
// can drive it without a window. It shares nothing with the bridge on purpose: the two sides are
// written apart so that one mistake cannot make both agree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qeditor {

// True when the byte opens a two-byte character of code page 932.
bool IsLeadByte(unsigned char byte);

class EditorCore {
 public:
  // Replaces everything and forgets the undo history; the caret goes to 0.
  void SetText(std::string bytes);
  const std::string& Text() const { return text_; }
  size_t Length() const { return text_.size(); }

  // Bytes per message for handing text out (WM_GETTEXT) and taking it in (EM_REPLACESEL,
  // WM_PASTE); 0 means no limit.
  void SetLimit(size_t bytes) { giveLimit_ = takeLimit_ = bytes; }
  void SetGiveLimit(size_t bytes) { giveLimit_ = bytes; }
  void SetTakeLimit(size_t bytes) { takeLimit_ = bytes; }

  size_t SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  size_t Caret() const { return caret_; }
  std::string SelectedText() const { return text_.substr(SelStart(), SelEnd() - SelStart()); }

  // EM_SETSEL: start -1 drops the selection, a negative end means the end of the text, positions
  // past the end are clamped and positions inside a two-byte character move to its start.
  void SetSel(int64_t start, int64_t end);

  // WM_GETTEXT: copies at most room - 1 bytes (and the limit) and a terminating zero; never cuts a
  // two-byte character. Returns the number of bytes copied.
  size_t CopyOut(char* buffer, size_t room) const;

  // EM_REPLACESEL / WM_PASTE: replaces the selection with as much of bytes as the limit allows
  // (whole characters only). An undoable change joins the undo stack; a change that cannot be
  // undone clears it. Returns the number of bytes taken.
  size_t ReplaceSel(const std::string& bytes, bool undoable);

  // WM_CLEAR: deletes the selection; an empty selection changes nothing and records nothing.
  void Clear();

  // EM_UNDO: undoes the most recent recorded change and selects what it put back. False when there
  // is nothing to undo.
  bool Undo();
  size_t UndoDepth() const { return undo_.size(); }

  // Lines end after "\n". EM_LINEINDEX: the first position of a line (-1: the caret's line), or -1
  // past the last line. EM_LINEFROMCHAR: the line of a position (-1: of the selection's start).
  int64_t LineIndex(int64_t line) const;
  int64_t LineFromChar(int64_t pos) const;
  size_t LineCount() const;
  // EM_LINELENGTH: the length of the line that holds a position, without its line break.
  int64_t LineLength(int64_t pos) const;

  // For an editor that counts characters: how many come before a byte position, and the byte
  // position of a character position (past the end: the end).
  int64_t CharsAt(size_t bytePos) const;
  size_t ByteAt(int64_t charPos) const;

  // EM_GETFIRSTVISIBLELINE: set by the window when it scrolls.
  void SetTopLine(size_t line) { top_ = line; }
  size_t TopLine() const { return top_; }

 private:
  struct Change {
    size_t pos;
    std::string removed;
    std::string inserted;
  };
  size_t Snap(size_t pos) const;
  // How many bytes from the front of bytes fit in at most room bytes without cutting a character.
  static size_t WholeCharacters(const std::string& bytes, size_t room);
  void Apply(size_t pos, size_t removeCount, const std::string& insert, bool undoable);

  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t giveLimit_ = 0;
  size_t takeLimit_ = 0;
  size_t top_ = 0;
  std::vector<Change> undo_;
};

}  // namespace qeditor
