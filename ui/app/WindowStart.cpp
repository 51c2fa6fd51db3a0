#include "ui/app/WindowStart.h"

#include "ui/app/CommandLine.h"
#include "ui/app/Notices.h"
#include "ui/window/OneLineBox.h"

namespace quorva {

std::wstring ExpressionFromSelection(std::wstring_view selection) {
  std::wstring text;
  for (wchar_t c : selection) {
    if (!IsLineBreakOrTab(c)) text += c;
  }
  return text;
}

void ReportRejectedArguments(const StartOptions& options) {
  if (options.Rejected.empty()) return;
  ShowNotice(RejectedArgumentsText(options.Rejected));
}

}  // namespace quorva
