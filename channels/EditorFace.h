#pragma once
// How the program sees the editor in front, whatever it is: read the selection, replace it, ask
// whether it is still there. Each call says what happened; the layer that talks to the user tells
// it, once. Two channels stand behind it: window messages to an edit control (the bridge) and the
// clipboard with synthesised keys, for every other program.
#include <optional>
#include <string>

#include "shared/RuntimeError.h"

namespace quorva {

enum class EditorStatus {
  kDone,         // read whole, or the replacement is in
  kNoEditor,     // nothing in front that Quorva can drive
  kRefused,      // a window Quorva must not drive (a terminal, an elevated program)
  kEmpty,        // nothing is selected
  kUnreadable,   // the selection could not be read whole
  kNotTaken,     // the editor did not take the text (read-only, or it stopped answering); its text is as it was
  kGone,         // the editor was closed
  kKeysHeld,     // the user's keys stayed down past the deadline: nothing was sent
  kNotPasted,    // the target never read the answer: it is left on the clipboard to paste by hand
};

// What a call did, and what the notice should name beyond its status (a window class, the
// clipboard formats that could not be kept, ...).
struct EditorOutcome {
  EditorStatus Status = EditorStatus::kDone;
  std::wstring Detail;
  // The catalogue's error where one says best what went wrong (the message channel's faults of
  // the editor, out of memory): the user is told it as every run-time error is.
  std::optional<RuntimeError> Error;
  bool ok() const { return Status == EditorStatus::kDone; }
};

struct SelectionRead {
  EditorOutcome Outcome;
  std::wstring Text;  // whole when Outcome is kDone, else empty
};

class EditorFace {
 public:
  virtual ~EditorFace() = default;
  virtual SelectionRead ReadSelection() = 0;
  // Puts text in place of the selection; undoable: one undo in the editor gives the selection back.
  virtual EditorOutcome ReplaceSelection(const std::wstring& text, bool undoable) = 0;
  virtual bool StillThere() = 0;
};

}  // namespace quorva
