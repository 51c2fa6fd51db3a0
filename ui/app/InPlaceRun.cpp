#include "ui/app/InPlaceRun.h"

#include "common/text/Ansi.h"
#include "common/windows/UserLocale.h"
#include "engine/InPlace.h"
#include "ui/app/Notices.h"

namespace quorva {
namespace {

AnswerFormat FormatOf(const StartOptions& options) {
  AnswerFormat format;
  if (options.Places) format.Places = std::u16string(1, static_cast<char16_t>(*options.Places));
  format.Group = options.Group;
  format.Wide = options.Wide;
  format.Round = options.Round;
  return format;
}

InPlaceResult WorkSelection(const std::wstring& selection, const StartOptions& options) {
  const AnswerFormat format = FormatOf(options);
  const NumberLocale locale = UserNumberLocale();
  return WorkLines(FromWide(selection), options.Append ? InPlaceMode::kAppend : InPlaceMode::kReplace, format,
                   locale);
}

// A total line left as it was is told once, with the line that stopped it.
void TellMemoReport(const std::u16string& report) {
  if (!report.empty()) ShowNotice(report);
}

}  // namespace

std::optional<WindowStart> RunInPlace(EditorFace& editor, const StartOptions& options,
                                      const std::function<History&()>& history) {
  const SelectionRead read = editor.ReadSelection();
  if (!read.Outcome.ok()) {
    TellEditorOutcome(read.Outcome);
    return WindowStart{};
  }
  const InPlaceResult work = WorkSelection(read.Text, options);
  if (work.Answered == 0) {
    TellMemoReport(work.Report);
    // Nothing to put in: the window shows what Enter would have shown for the selection.
    return WindowStart{ExpressionFromSelection(read.Text), L"", true};
  }
  const EditorOutcome put = editor.ReplaceSelection(ToWide(work.Text), true);
  // What went wrong with the editor first: it is what the user is waiting for.
  TellEditorOutcome(put);
  // Then the total that stayed as it was, and the line that stopped it.
  TellMemoReport(work.Report);
  // Kept after the editor has its answers, so that the file costs the user no wait. The lines'
  // expressions come without the blanks around them.
  History& kept = history();
  for (const std::u16string& expression : work.Expressions) kept.Add(expression);
  if (put.ok()) return std::nullopt;
  return WindowStart{ToWide(work.Expression), ToWide(work.Answer), false};
}

}  // namespace quorva
