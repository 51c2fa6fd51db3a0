#include "ui/app/RunHistory.h"

#include <string>

#include "common/history/HistoryFile.h"
#include "common/text/Ansi.h"
#include "ui/app/Notices.h"

namespace quorva {
namespace {

void TellHistoryUnusable(const std::wstring& path) {
  ShowNotice(std::u16string(kHistoryUnusableNotice) + u"\r\r" + FromWide(path));
}

}  // namespace

History& OpenRunHistory(std::unique_ptr<History>& slot, bool noHistory) {
  if (!slot) slot = std::make_unique<History>(noHistory ? std::wstring() : DefaultHistoryPath(), TellHistoryUnusable);
  return *slot;
}

}  // namespace quorva
