#pragma once
// Behaviours that a real editor may show within the edit-control contract, each switched on from
// the command line, so the bridge can be tried against editors that do not answer as it hopes.
// The decisions here are plain C++; the window consults them for each message.
#include <cstddef>
#include <cstdint>

namespace qeditor {

// How EM_GETSEL answers.
enum class GetSelMode {
  kBoth,      // writes the output addresses and returns the packed value
  kPacked,    // returns the packed value only; the output addresses stay untouched
  kMinusOne,  // writes the output addresses; returns -1 when a position does not fit in 16 bits
};

struct Zoo {
  GetSelMode getSel = GetSelMode::kBoth;
  bool readOnly = false;   // EM_REPLACESEL, WM_CLEAR, WM_CUT, WM_PASTE, WM_SETTEXT change nothing
  bool noClear = false;    // WM_CLEAR changes nothing
  bool noUndo = false;     // EM_UNDO does nothing and answers 0
  int64_t closeAfter = -1; // answers this many edit messages, then closes; -1: never
  uint32_t delayMs = 0;    // pause before answering each edit message
  int64_t busy = 0;        // after the first message that changes the text, this many more are ignored
  int64_t busyLeft = -1;   // of those, still to ignore; -1: the first has not come yet

  // True when the message is to be ignored and answered 0 (typing counts as editing).
  bool Ignores(unsigned message) const;
  // --busy: true when the message would change the text and comes while the editor is busy, as
  // one does for a moment after a change (saving, say). Counts the messages it ignores.
  bool Busy(unsigned message);
};

struct GetSelAnswer {
  bool writeOutputs;
  int64_t result;  // the LRESULT
};

// What EM_GETSEL answers for a selection from start to end.
GetSelAnswer AnswerGetSel(GetSelMode mode, size_t start, size_t end);

// True for the edit messages that --close-after counts and --delay slows down.
bool IsEditMessage(unsigned message);

// Counts the edit messages answered and decides when the editor stops answering and closes.
class CloseAfter {
 public:
  explicit CloseAfter(int64_t limit = -1) : limit_(limit) {}
  struct Verdict {
    bool answer;  // false: ignore the message and answer 0, as a destroyed window would
    bool close;   // true once: the editor should close itself now
  };
  // An edit message has arrived.
  Verdict Next();
  // Stops counting towards a close that has not happened yet.
  void Disarm();
  int64_t Answered() const { return answered_; }

 private:
  int64_t limit_;
  int64_t answered_ = 0;
  bool closed_ = false;
};

}  // namespace qeditor
