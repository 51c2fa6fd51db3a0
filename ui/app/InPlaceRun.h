#pragma once
// The in-place road (/now): the editor's selection is calculated line by line and goes back in one
// step, with no window. Where that cannot finish, the window takes over with what there is.
#include <functional>
#include <optional>

#include "channels/EditorFace.h"
#include "common/history/History.h"
#include "ui/app/StartOptions.h"
#include "ui/app/WindowStart.h"

namespace quorva {

// Reads the selection, writes every answer back as one undoable replacement and returns nothing
// when the editor holds them. Otherwise returns how the window should start: no editor, nothing
// selected or no expression open it to show that; a read or a write that failed is told to the
// user once first. history gives the run's history, asked for once the editor has its answers, so
// that the file costs no wait.
std::optional<WindowStart> RunInPlace(EditorFace& editor, const StartOptions& options,
                                      const std::function<History&()>& history);

}  // namespace quorva
