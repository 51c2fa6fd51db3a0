// The bridge's whole-text members and its selection read: every text read whole, in the
// control's own units, or not used.
#include "bridge/CallDepth.h"
#include "bridge/EditorMessages.h"
#include "bridge/RetryTrap.h"
#include "bridge/SelectionRecovery.h"
#include "bridge/Transfer.h"
#include "bridge/clsTeraPad.h"
#include "common/text/Ansi.h"
#include "common/subTool.h"

namespace quorva {

std::wstring clsTeraPad::Text() {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  return Trapped(trap, [&]() -> std::wstring {
    if (!Ready(trap, EditorFault::kCannotRead)) return {};
    int32_t lLen = 0;
    Units units;
    if (!trap([&] { lLen = Length(); })) return {};
    if (!trap([&] { units = Control().Read(lLen); })) return {};
    // An editor that has gone away answers like an empty one: that is no text to return.
    if (hEdit() != nullptr && !IsWindow(hEdit())) {
      trap.Report(MakeEditorError(EditorFault::kCannotRead));
      return {};
    }
    if (static_cast<int32_t>(units.size()) < lLen) {
      // The editor hands out less than it holds: read it in pieces. The cuts move the selection,
      // so it is put back afterwards: a write that follows must find the user's selection.
      Selection sel;
      bool known = false;
      if (!trap([&] { sel = ReadSelection(hEdit()); known = ExactSelection(hEdit(), lLen, sel); })) return {};
      Units whole;
      const bool read = ReadInPieces(*this, trap, lLen, std::move(units), whole);
      if (known && IsWindow(hEdit())) trap([&] { Control().Send(EM_SETSEL, sel.start, sel.end); });
      if (!read) return {};
      units = std::move(whole);
    }
    return ToWide(Control().Decode(units));
  });
}

void clsTeraPad::Text(const std::wstring& sText) {
  RetryTrap trap(last_);
  const CallDepth depth(depth_, last_);
  Trapped(trap, [&] {
    if (!Ready(trap, EditorFault::kCannotWrite)) return;
    Units s;
    int32_t n = 0, before = 0, done = 0, left = 0;
    if (!trap([&] { s = Control().Encode(FromWide(sText)); n = static_cast<int32_t>(s.size()); })) return;
    if (!trap([&] { before = Length(); })) return;
    if (!trap([&] { Edit(EM_SETSEL, -1); })) return;
    if (!trap([&] { Edit(EM_REPLACESEL, sText); })) return;
    if (!trap([&] { done = Length(); })) return;
    // Unchanged length with the whole text still selected: the editor ignored the replacement.
    if (done == before && before > 0 && !trap([&] { left = SelLength(); })) return;
    if (done > n || left != 0 || (n > 0 && done <= 0)) {
      trap.Report(MakeEditorError(EditorFault::kCannotWrite));
      return;
    }
    if (done < n) {
      // What went in may be the first text that tells how the control counts.
      if (!trap([&] {
            if (!Control().Recheck(FromWide(sText))) return;
            s = Control().Encode(FromWide(sText));
            n = static_cast<int32_t>(s.size());
            done = Length();
          })) {
        return;
      }
    }
    if (done < n) {
      // A length that misleads must not make a piece land twice: the caret tells what went in.
      int32_t caret = 0, selected = 0;
      if (!trap([&] { caret = SelStart(); selected = SelLength(); })) return;
      if (selected == 0 && SameLow16(caret, n)) return;
      if (selected != 0 || !SameLow16(caret, done)) {
        trap.Report(MakeEditorError(EditorFault::kPartialTake));
        return;
      }
    }
    const int32_t written = PutRest(*this, trap, s, n, done, done, Placement{});
    if (written >= 0 && written < n) trap.Report(MakeEditorError(EditorFault::kPartialTake));
  });
}

std::wstring clsTeraPad::SelText() {
  const CallDepth depth(depth_, last_);
  return Untrapped([&]() -> std::wstring {
    RetryTrap ready(last_);
    if (!Ready(ready, EditorFault::kCannotRead)) return {};
    int32_t start = SelStart();
    int32_t len = SelLength();
    if (!selFull_) {
      // Only 16-bit halves (or -1): used where they are whole or the editor's lines settle them.
      Selection sel = lastSel_;
      if (!ExactSelection(hEdit(), Length(), sel)) {
        RetryTrap trap(last_);
        trap.Report(MakeEditorError(EditorFault::kCannotRead));
        return {};
      }
      start = sel.start;
      len = Sub(sel.end, sel.start);
    }
    const Units t = Control().Encode(FromWide(Text()));
    if (!last_.ok()) return {};
    // A selection past the text's end: the editor handed out less than its text, however
    // whole the read looked. No part of it is taken for the selection.
    if (static_cast<int64_t>(t.size()) < int64_t{start} + len) {
      RetryTrap trap(last_);
      trap.Report(MakeEditorError(EditorFault::kCannotRead));
      return {};
    }
    return ToWide(Control().Decode(Control().Mid(t, start, len)));
  });
}

}  // namespace quorva
