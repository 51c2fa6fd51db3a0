#include "channels/MessageChannel.h"

#include <new>

namespace quorva {
namespace {

EditorOutcome Failed(EditorStatus status, const RuntimeError& error) {
  EditorOutcome outcome;
  outcome.Status = status;
  outcome.Error = error;
  return outcome;
}

// Runs a member of the bridge: its first recorded fault, or what it raised (its members without
// a trap raise), becomes an outcome of the given status.
template <class Call>
EditorOutcome Run(clsTeraPad& bridge, EditorStatus failure, Call&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return Failed(failure, e);
  } catch (const std::bad_alloc&) {
    return Failed(failure, MakeError(kOutOfMemory));
  }
  const CallOutcome& last = bridge.LastOutcome();
  if (!last.ok()) return Failed(failure, last.Faults.front());
  return {};
}

}  // namespace

SelectionRead MessageChannel::ReadSelection() {
  SelectionRead read;
  if (!bridge_.hEdit()) {
    read.Outcome.Status = EditorStatus::kNoEditor;
    return read;
  }
  std::wstring text;
  read.Outcome = Run(bridge_, EditorStatus::kUnreadable, [&] { text = bridge_.SelText(); });
  if (!read.Outcome.ok()) return read;
  if (text.empty()) {
    read.Outcome.Status = EditorStatus::kEmpty;
    return read;
  }
  read.Text = std::move(text);
  return read;
}

EditorOutcome MessageChannel::ReplaceSelection(const std::wstring& text, bool undoable) {
  // Closed after Quorva started: nothing can take the text.
  if (!StillThere()) return EditorOutcome{EditorStatus::kGone, {}, {}};
  return Run(bridge_, EditorStatus::kNotTaken, [&] {
    if (undoable) {
      bridge_.SelTextUndoable(text);
    } else {
      bridge_.SelText(text);
    }
  });
}

bool MessageChannel::StillThere() { return IsWindow(bridge_.hEdit()) != FALSE; }

}  // namespace quorva
