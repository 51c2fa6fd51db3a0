#pragma once
// The in-place road (/now): the editor's selection is calculated line by line and goes back in one
// step, with no window. Where that cannot finish, the window takes over with what there is.
#include <functional>
#include <optional>
#include <string>

#include "bridge/clsTeraPad.h"
#include "common/history/History.h"
#include "ui/app/StartOptions.h"
#include "ui/app/WindowStart.h"

namespace quorva {

// Reads the selection, writes every answer back as one undoable replacement and returns nothing
// when the editor holds them. Otherwise (no editor, nothing selected, no expression, a read or a
// write that failed and was reported) returns how the window should start. history gives the
// run's history, asked for once the editor has its answers, so that the file costs no wait.
std::optional<WindowStart> RunInPlace(clsTeraPad& bridge, const StartOptions& options,
                                      const std::function<History&()>& history);

// Puts text into the editor in place of its selection, as the editor button does. False, after
// one report, when the editor has gone or did not take it.
bool HandOver(clsTeraPad& bridge, const std::wstring& text, bool undoable);

}  // namespace quorva
