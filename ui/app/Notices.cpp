#include "ui/app/Notices.h"

#include <string>

#include "common/subTool.h"
#include "engine/Calculate.h"
#include "shared/MessageBox.h"

namespace quorva {
namespace {

// The notice of a status; null where the status has none.
const char16_t* NoticeOf(EditorStatus status) {
  switch (status) {
    case EditorStatus::kGone: return kEditorClosedNotice;
    case EditorStatus::kUnreadable: return kNotReadNotice;
    case EditorStatus::kNotTaken: return kNotTakenNotice;
    case EditorStatus::kKeysHeld: return kKeysHeldNotice;
    case EditorStatus::kNotPasted: return kNotPastedNotice;
    case EditorStatus::kRefused: return kRefusedNotice;
    case EditorStatus::kDone:
    case EditorStatus::kNoEditor:
    case EditorStatus::kEmpty: return nullptr;
  }
  return nullptr;
}

}  // namespace

void ShowNotice(std::u16string_view text) {
  MessageBoxRequest box;
  box.Text = std::u16string(text);
  box.Caption = kAppTitle;
  box.Style = kMbIconExclamation;
  ShowMessageBox(box);
}

void TellEditorOutcome(const EditorOutcome& outcome) {
  if (outcome.Error) {
    ErrReport(*outcome.Error);
    return;
  }
  const std::u16string detail(outcome.Detail.begin(), outcome.Detail.end());
  const char16_t* notice = NoticeOf(outcome.Status);
  if (notice == nullptr) return;
  ShowNotice(detail.empty() ? std::u16string(notice) : std::u16string(notice) + u"\r\r" + detail);
}

}  // namespace quorva
