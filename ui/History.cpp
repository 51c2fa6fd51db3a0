#include "ui/History.h"

#include "common/Ansi.h"
#include "engine/MessageBox.h"
#include "engine/RuntimeError.h"
#include "engine/mainProc.h"
#include "ui/ControlProperties.h"

namespace quorva {

std::unique_ptr<History> gHistory;

History::History(const std::wstring& path) {
  if (!path.empty()) file_ = std::make_unique<HistoryFile>(path);
}

void History::Load() {
  if (!file_ || loaded_) return;
  try {
    HistoryEntries read;
    if (!file_->Read(read)) return GiveUpFile();
    // Anything kept before the file was read stays newest.
    for (const std::u16string& entry : entries_) AddEntry(read, entry);
    entries_ = std::move(read);
    loaded_ = true;
  } catch (const std::bad_alloc&) {
    // No memory for the list: the run goes on without the earlier expressions.
  }
}

void History::Add(std::u16string_view expression) {
  try {
    const std::u16string kept = FromWide(Trim(ToWide(expression)));
    if (!KeepsEntry(kept)) return;
    HistoryEntries merged;
    if (file_ && file_->Add(kept, merged)) {
      entries_ = std::move(merged);
      loaded_ = true;
      return;
    }
    if (file_) GiveUpFile();
    AddEntry(entries_, kept);
  } catch (const std::bad_alloc&) {
    // Out of memory while keeping an expression: the calculation has its answer; the history
    // simply goes without this one.
  }
}

void History::GiveUpFile() {
  MessageBoxRequest box;
  box.Text = std::u16string(kHistoryUnusableNotice) + u"\r\r" + FromWide(file_->Path());
  box.Caption = kAppTitle;
  box.Style = kMbIconExclamation;
  file_.reset();
  ShowMessageBox(box);
}

void OpenHistory(bool noHistory) { gHistory = std::make_unique<History>(noHistory ? std::wstring() : DefaultHistoryPath()); }

void AddToHistory(std::u16string_view expression) {
  if (gHistory) gHistory->Add(expression);
}

}  // namespace quorva
