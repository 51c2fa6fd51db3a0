#pragma once
// The message channel behind the editor face: the bridge (clsTeraPad) drives the edit control by
// window messages, and its faults become the face's outcomes.
#include <memory>

#include "bridge/clsTeraPad.h"
#include "channels/EditorFace.h"

namespace quorva {

class MessageChannel final : public EditorFace {
 public:
  // Over a bridge that the caller keeps (the run's, which the window's editor button uses too).
  explicit MessageChannel(clsTeraPad& bridge) : bridge_(bridge) {}
  // Over a bridge of its own.
  explicit MessageChannel(std::unique_ptr<clsTeraPad> bridge) : owned_(std::move(bridge)), bridge_(*owned_) {}

  // kNoEditor without an edit control, kEmpty for an empty selection, kUnreadable (with the
  // bridge's error) where the selection could not be read whole.
  SelectionRead ReadSelection() override;
  // kGone where the edit control was closed, kNotTaken (with the bridge's error) where the
  // control did not take the text whole.
  EditorOutcome ReplaceSelection(const std::wstring& text, bool undoable) override;
  bool StillThere() override;

  clsTeraPad& Bridge() { return bridge_; }

 private:
  std::unique_ptr<clsTeraPad> owned_;
  clsTeraPad& bridge_;
};

}  // namespace quorva
