#include "bridge/Transfer.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "bridge/EditorMessages.h"
#include "bridge/Patience.h"
#include "common/text/Ansi.h"

namespace quorva {
namespace {

constexpr int32_t kMostPieces = 256;

// Puts the caret right after the units already placed and says whether it is there.
bool CaretAfter(clsTeraPad& bridge, RetryTrap& trap, const Placement& at, int32_t written, bool& failed) {
  int32_t pos = 0;
  if (at.originKnown) {
    int32_t target = 0;
    failed = !trap([&] { target = Add(at.origin, written); }) || !trap([&] { bridge.SelStart(target); }) ||
             !trap([&] { pos = bridge.SelStart(); });
    return !failed && SameLow16(pos, target);
  }
  // Only the low 16 bits of the origin are known: a caret put there by number could land a
  // multiple of 65536 away. The editor leaves it after the piece it took; check that it did.
  int32_t len = 0;
  failed = !trap([&] { pos = bridge.SelStart(); }) || !trap([&] { len = bridge.SelLength(); });
  return !failed && len == 0 && SameLow16(pos, at.origin + written);
}

}  // namespace

int32_t PutRest(clsTeraPad& bridge, RetryTrap& trap, const Units& text, int32_t n, int32_t written,
                int32_t piece, const Placement& at) {
  // At least two units a piece, so that one can hold a double-byte character.
  piece = std::max(piece, 2);
  Patience patience;
  while (n > written) {
    bool failed = false;
    if (!CaretAfter(bridge, trap, at, written, failed)) return failed ? -1 : written;
    int32_t before = 0, after = 0;
    if (!trap([&] { before = bridge.Length(); })) return -1;
    if (!trap([&] {
          EditorControl& control = bridge.Control();
          bridge.Edit(EM_REPLACESEL, ToWide(control.Decode(control.Mid(text, written, piece))));
        })) {
      return -1;
    }
    if (!trap([&] { after = bridge.Length(); })) return -1;
    // A pass that adds nothing is tried again for a while, not forever.
    if (after < before || (after == before && !patience.Again())) break;
    if (after == before) continue;
    patience.Progress();
    written = Add(written, after - before);
  }
  return std::min(written, n);
}

namespace {

// What cutting an editor's text off the front gave: the cuts to put back, and how it ended.
struct Cutting {
  std::vector<Units> cuts;
  bool ok = true;       // no statement failed (else the trap has reported it)
  bool unread = false;  // the editor did not hand out or give up what it should have
};

// Cuts pieces of step units off the front of the editor's length units, of which it handed out
// handed, and appends what each piece held to result.
Cutting CutPieces(clsTeraPad& bridge, RetryTrap& trap, int32_t length, int32_t step, Units handed, Units& result) {
  EditorControl& control = bridge.Control();
  Cutting c;
  for (int32_t left = length; c.ok && left > 0;) {
    int32_t len = 0, before = 0, after = 0;
    c.ok = trap([&] { control.Send(EM_SETSEL, 0, step); }) && trap([&] { len = bridge.SelLength(); }) &&
           trap([&] { before = bridge.Length(); });
    if (!c.ok) break;
    // A piece that the editor did not hand out whole would be lost from the result.
    if (len <= 0 || static_cast<size_t>(len) > handed.size()) {
      c.unread = true;
      break;
    }
    c.ok = trap([&] { bridge.Edit(WM_CLEAR, -1); }) && trap([&] { after = bridge.Length(); });
    if (!c.ok) break;
    if (after != before) c.cuts.push_back(handed.substr(0, static_cast<size_t>(before - after)));
    if (before - after != len) {
      c.unread = true;
      break;
    }
    result.append(handed, 0, static_cast<size_t>(len));
    left = after;
    if (left > 0) c.ok = trap([&] { handed = control.Read(left); });
  }
  return c;
}

// Puts back exactly the cuts that were made, most recent first. An editor without undo gets the
// piece inserted again; an editor that has gone away has nothing left to restore. False when a
// cut could not be put back.
bool PutCutsBack(clsTeraPad& bridge, RetryTrap& trap, const std::vector<Units>& cuts) {
  const HWND edit = bridge.hEdit();
  EditorControl& control = bridge.Control();
  bool damaged = false;
  for (auto cut = cuts.rbegin(); cut != cuts.rend() && IsWindow(edit); ++cut) {
    int32_t before = 0, after = 0;
    trap([&] { before = bridge.Length(); });
    trap([&] { bridge.Edit(EM_UNDO, -1); });
    trap([&] { after = bridge.Length(); });
    if (after - before == static_cast<int32_t>(cut->size())) continue;
    trap([&] { control.Send(EM_SETSEL, 0, 0); });
    trap([&] { bridge.Edit(EM_REPLACESEL, ToWide(control.Decode(*cut))); });
    trap([&] { after = bridge.Length(); });
    damaged = damaged || after - before != static_cast<int32_t>(cut->size());
  }
  return !damaged;
}

}  // namespace

bool ReadInPieces(clsTeraPad& bridge, RetryTrap& trap, int32_t length, Units first, Units& result) {
  // Pieces one unit shorter than what the editor hands out (as much as it surely hands out whole),
  // but at least two, so that a piece can hold a double-byte character.
  const int32_t step = std::max(static_cast<int32_t>(first.size()) - 1, 2);
  // An editor that hands out only a few units would take tens of thousands of cuts: beyond this
  // many the read is reported at once instead of keeping the user waiting.
  if (length / step > kMostPieces) {
    trap.Report(MakeEditorError(EditorFault::kCannotRead));
    return false;
  }
  result.clear();
  result.reserve(static_cast<size_t>(length));
  Cutting cut = CutPieces(bridge, trap, length, step, std::move(first), result);
  if (result.size() != static_cast<size_t>(length) || !IsWindow(bridge.hEdit())) cut.unread = true;
  const bool restored = PutCutsBack(bridge, trap, cut.cuts);
  // One report: a text that could not be put back matters more than the read that failed.
  if (!restored) {
    trap.Report(MakeEditorError(EditorFault::kTextDamaged));
  } else if (cut.ok && cut.unread) {
    trap.Report(MakeEditorError(EditorFault::kCannotRead));
  }
  return cut.ok && !cut.unread && restored;
}

}  // namespace quorva
