#pragma once
// Start-up options, for people who start Quorva from the editor's tool menu always the same way:
//   /selection   start with the editor's selected text in the expression box
//   /places:N    start with N (one digit, 0 to 9) decimal places
//   /group       start with digit grouping on
//   /wide        start with full-width answers on
//   /now         no window: the editor's selection is calculated line by line and each
//                expression gives way to its answer (the window opens only when something
//                needs the user)
//   /append      with /now: the answer follows the expression ("1+2 = 3.00")
//   /nohistory   neither read nor write the history file
//   /round:half  the answer's last decimal place rounded half away from zero (as without it),
//   /round:down  toward zero (切り捨て), /round:up away from zero (切り上げ); in the window and
//                with /now
//   /hotkey:KEYS  stay resident with no window: at each press of KEYS (Ctrl+Alt+Q, say; the
//                names are listed in HotKey.h) the program in front is worked as with /now,
//                with the other options given beside it
// Names are case-insensitive and may start with "-" instead of "/". Without arguments Quorva
// starts exactly as it always has.
#include <optional>
#include <string>
#include <vector>

#include "engine/FormatAnswer.h"
#include "ui/app/HotKey.h"

namespace quorva {

struct StartOptions {
  bool Selection = false;
  std::optional<wchar_t> Places;  // the digit for the decimal-places box
  bool Group = false;
  bool Wide = false;
  bool Now = false;
  bool Append = false;
  bool NoHistory = false;
  Rounding Round = Rounding::kHalf;
  std::optional<HotKey> Resident;  // /hotkey:KEYS
  std::vector<std::wstring> Rejected;  // unknown arguments and bad values, as given
};

}  // namespace quorva
