// The replacement of the selection that SelText write and Clip write share: the editor's text
// ends exactly as promised or exactly as before, and a failure is reported once.
#include <cstring>

#include "bridge/EditorMessages.h"
#include "bridge/Patience.h"
#include "bridge/RetryTrap.h"
#include "bridge/SelectionRecovery.h"
#include "bridge/Transfer.h"
#include "bridge/clsTeraPad.h"
#include "common/text/Ansi.h"
#include "common/subTool.h"

namespace quorva {
namespace {

// The selected units before the replacement, read from the front of the text; false when the
// editor does not hand them out whole, or they hold a zero (no message could put it back).
bool SaveSelected(const EditorControl& control, int32_t start, int32_t length, Units& saved) {
  saved.clear();
  if (length == 0) return true;
  Units front = control.Read(Add(start, length));
  if (front.size() != static_cast<size_t>(start) + static_cast<size_t>(length)) return false;
  saved = front.substr(static_cast<size_t>(start));
  return saved.find(u'\0') == Units::npos;
}

// How often a read that came out short is tried again.
constexpr int kAttempts = 7;

// The whole text when the editor hands out exactly `length` units (asked for one more, so that
// a length that misleads short is not taken for the whole); empty otherwise.
Units ReadWhole(const EditorControl& control, int32_t length) {
  for (int attempt = 0; attempt < kAttempts && length > 0; ++attempt) {
    Units text = control.Read(Add(length, 1));
    if (text.size() == static_cast<size_t>(length)) return text;
  }
  return {};
}

// Deletes the units from start to end and says whether the text lost exactly those.
bool Delete(clsTeraPad& bridge, RetryTrap& trap, int32_t start, int32_t end) {
  const HWND edit = bridge.hEdit();
  const EditorControl& control = bridge.Control();
  for (Patience patience; IsWindow(edit);) {
    int32_t was = 0, now = 0;
    if (!trap([&] { was = bridge.Length(); }) || !trap([&] { control.Send(EM_SETSEL, start, end); }) ||
        !trap([&] { control.Replace(Units(), false); }) ||
        !trap([&] { now = bridge.Length(); })) {
      return false;
    }
    if (was - now == end - start) return true;
    if (now != was) return false;  // something else went: no second try can mend that
    if (!patience.Again()) return false;
  }
  return false;
}

// Takes out the `held` units of the new text at start and puts the saved units back in their
// place, piece by piece if the editor takes less at a time. Each step is checked by the length it
// must give, so that a step the editor ignored is not taken for done. True when the text is as
// before; the saved units are then selected, as they were.
bool PutBack(clsTeraPad& bridge, RetryTrap& trap, int32_t start, int32_t held, const Units& saved,
             int32_t before) {
  const HWND edit = bridge.hEdit();
  const EditorControl& control = bridge.Control();
  const auto size = static_cast<int32_t>(saved.size());
  int32_t now = 0;
  if (held < 0 || (held > 0 && !Delete(bridge, trap, start, Add(start, held))) ||
      !trap([&] { now = bridge.Length(); }) || now != before - size) {
    return false;
  }
  Patience patience;
  for (int32_t put = 0; put < size;) {
    int32_t next = 0;
    if (!IsWindow(edit) || !trap([&] { control.Send(EM_SETSEL, Add(start, put), Add(start, put)); }) ||
        !trap([&] { control.Replace(saved.substr(static_cast<size_t>(put)), false); }) ||
        !trap([&] { next = bridge.Length(); }) || next < now || next - now > size - put) {
      return false;
    }
    if (next == now && !patience.Again()) return false;
    if (next != now) patience.Progress();
    put += next - now;
    now = next;
  }
  trap([&] { control.Send(EM_SETSEL, start, Add(start, size)); });
  return true;
}

// Where the selected units cannot be read to be put back (an editor that hands out less than the
// text before them), the new text goes in right after them first, and they are deleted only once
// all of it is there: a failure then has only to take out what went in.
void InsertBeforeDeleting(clsTeraPad& bridge, RetryTrap& trap, const Units& s, int32_t n, int32_t st,
                          int32_t selLen, int32_t before, const std::function<void()>& send) {
  const EditorControl& control = bridge.Control();
  int32_t end = 0, after = 0;
  if (!trap([&] { end = Add(st, selLen); }) || !trap([&] { control.Send(EM_SETSEL, end, end); })) return;
  if (!trap(send) || !trap([&] { after = bridge.Length(); })) return;
  int32_t written = after - before;  // less than nothing from an editor that has gone
  if (written > 0 && written < n) {
    written = PutRest(bridge, trap, s, n, written, written, Placement{end, true});
    if (written < 0) return;  // reported by the trap
  }
  if (written < n) {
    const EditorFault fault = written <= 0 ? EditorFault::kCannotWrite : EditorFault::kPartialTake;
    const bool back = written <= 0 || Delete(bridge, trap, end, Add(end, written));
    trap([&] { control.Send(EM_SETSEL, st, end); });
    trap.Report(MakeEditorError(back ? fault : EditorFault::kTextDamaged));
    return;
  }
  if (Delete(bridge, trap, st, end)) {
    trap([&] { control.Send(EM_SETSEL, Add(st, n), Add(st, n)); });
    return;
  }
  // The old text would not go: take the new one out again.
  const bool back = Delete(bridge, trap, end, Add(end, n));
  trap.Report(MakeEditorError(back ? EditorFault::kCannotWrite : EditorFault::kTextDamaged));
}

}  // namespace

// One replacement of the selection, in its phases: the selection settled, what can be put back
// saved, the text sent and the change measured, then the rest put in or the text put back.
class clsTeraPad::Replacement {
 public:
  Replacement(clsTeraPad& bridge, RetryTrap& trap, const std::function<void()>& send)
      : b_(bridge), trap_(trap), send_(send) {}

  void Run(const std::wstring& sText) {
    if (!SettleSelection(sText) || !SaveSelected()) return;
    // Only a length that reaches past the selection can judge an insertion (under Wine an editor
    // that hands out little also gives a short length).
    if (exact_ && !restorable_ && before_ >= Add(st_, selLen_)) {
      InsertBeforeDeleting(b_, trap_, s_, n_, st_, selLen_, before_, send_);
      return;
    }
    if (SendAndMeasure()) Finish();
  }

 private:
  // Whole positions, or halves that are whole or that the editor's lines settle.
  bool SettleSelection(const std::wstring& sText) {
    text_ = FromWide(sText);
    if (!trap_([&] { s_ = b_.Control().Encode(text_); n_ = static_cast<int32_t>(s_.size()); })) return false;
    if (!trap_([&] { sel_ = b_.CurrentSelection(); })) return false;
    st_ = sel_.start;
    if (!trap_([&] { before_ = b_.Length(); selLen_ = Sub(sel_.end, sel_.start); })) return false;
    exact_ = selLen_ >= 0 && (sel_.full || before_ <= 0xFFFF);
    return exact_ || trap_([&] {
             Selection sel = sel_;
             if (!ExactSelection(b_.hEdit(), before_, sel)) return;
             st_ = sel.start;
             selLen_ = Sub(sel.end, sel.start);
             exact_ = true;
           });
  }

  // What the user had selected, so that a replacement that cannot be completed can be undone.
  bool SaveSelected() {
    return !exact_ || trap_([&] { restorable_ = quorva::SaveSelected(b_.Control(), st_, selLen_, saved_); });
  }

  // Sends the text and measures how much went in. Where only the halves of the selection are
  // known, the whole text before and after tells where it went, and so what to put back.
  bool SendAndMeasure() {
    Units whole;
    if (!exact_ && sel_.halves && !trap_([&] { whole = ReadWhole(b_.Control(), before_); })) return false;
    if (!trap_(send_) || !trap_([&] { after_ = b_.Length(); })) return false;
    if (!whole.empty() && !trap_([&] {
          const int32_t low = selLen_ & 0xFFFF;
          const auto at = LocateChange(whole, ReadWhole(b_.Control(), after_), static_cast<uint16_t>(st_), low, s_);
          if (!at) return;
          st_ = *at;
          selLen_ = low;
          exact_ = true;
          saved_ = whole.substr(static_cast<size_t>(st_), static_cast<size_t>(selLen_));
          restorable_ = saved_.find(u'\0') == Units::npos;
        })) {
      return false;
    }
    return trap_([&] {
      // Judged by how much the text grew; where the selection is known only by its low 16 bits,
      // so is the growth that a whole take would give.
      const int32_t missing = Sub(Sub(n_, Sub(after_, before_)), selLen_);
      took_ = exact_ ? Sub(n_, missing) : Sub(n_, missing & 0xFFFF);
    });
  }

  void Finish() {
    // Same length and the selection still there: the editor ignored the replacement.
    int32_t left = 0;
    if (after_ == before_ && selLen_ != 0 && !trap_([&] { left = b_.SelLength(); })) return;
    if (left != 0) return trap_.Report(MakeEditorError(EditorFault::kCannotWrite));
    if (n_ > 0 && took_ <= 0) return Fail(EditorFault::kCannotWrite, took_);
    if (took_ >= n_) return;
    // What went in may be the first text that tells how the control counts.
    if (!trap_([&] {
          if (!b_.Control().Recheck(text_)) return;
          s_ = b_.Control().Encode(text_);
          n_ = static_cast<int32_t>(s_.size());
          after_ = b_.Length();
          took_ = Sub(n_, Sub(Sub(n_, Sub(after_, before_)), selLen_));
        })) {
      return;
    }
    if (took_ >= n_) return;
    // The length can mislead (an editor may answer WM_GETTEXTLENGTH with less or more than it
    // holds); the caret the replacement left behind tells how much went in. Go on only where both
    // say the same, so that no piece lands twice.
    Selection now;
    int32_t selected = 0;
    if (!trap_([&] { now = b_.CurrentSelection(); selected = Sub(now.end, now.start); })) return;
    const int32_t caret = now.start;
    // A caret read only by its low 16 bits is compared by them, even where the start was settled.
    const bool caretWhole = exact_ && now.full;
    const auto at = [&](int32_t count) { return caretWhole ? caret == Add(st_, count) : SameLow16(caret, st_ + count); };
    if (selected == 0 && at(n_)) return;
    if (selected != 0 || !at(took_)) return Fail(EditorFault::kPartialTake, took_);
    const int32_t written = PutRest(b_, trap_, s_, n_, took_, took_, Placement{st_, exact_});
    if (written >= 0 && written < n_) Fail(EditorFault::kPartialTake, written);
  }

  // Reports the failure once, after the text has been put back as it was where that can be done.
  void Fail(EditorFault fault, int32_t held) {
    if (restorable_ && !PutBack(b_, trap_, st_, held, saved_, before_)) fault = EditorFault::kTextDamaged;
    trap_.Report(MakeEditorError(fault));
  }

  clsTeraPad& b_;
  RetryTrap& trap_;
  const std::function<void()>& send_;
  std::u16string text_;
  Selection sel_;  // as the editor gave it before the replacement
  Units s_, saved_;
  int32_t n_ = 0, st_ = 0, before_ = 0, selLen_ = 0, after_ = 0, took_ = 0;
  bool exact_ = false, restorable_ = false;
};

void clsTeraPad::ReplaceSelection(RetryTrap& trap, const std::wstring& sText, const std::function<void()>& send) {
  Replacement(*this, trap, send).Run(sText);
}

}  // namespace quorva
