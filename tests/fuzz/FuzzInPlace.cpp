// libFuzzer target: the in-place work on an editor's selection. Byte 0 holds the options (bit 0
// appends instead of replacing, bit 1 grouping, bit 2 full width, bits 3-6 the decimal places);
// the rest is the selection in UTF-16LE code units. It goes through the memo road that /now and
// the probe use. Findings: any exception, a line break that moves, a line of several that changes
// though the memo reader calls it no calculation, a total line that loses its word, and a second
// run on the output that changes it again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Amounts.h"
#include "engine/InPlace.h"
#include "engine/MemoLines.h"
#include "engine/MemoReader.h"
#include "shared/MessageBox.h"

namespace {

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

const bool kNoBoxes = [] {
  quorva::SetMessageBoxHandler([](const quorva::MessageBoxRequest&) -> int { Finding("a message box"); });
  return true;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t options = data[0];
  const auto mode = options & 1 ? quorva::InPlaceMode::kAppend : quorva::InPlaceMode::kReplace;
  const unsigned places = (options >> 3) & 0x0F;
  const quorva::AnswerFormat format{places < 10 ? std::u16string(1, static_cast<char16_t>(u'0' + places)) : u"",
                                    (options & 2) != 0, (options & 4) != 0};
  std::u16string selection;
  for (size_t i = 1; i + 1 < size; i += 2) selection += static_cast<char16_t>(data[i] | data[i + 1] << 8);

  std::u16string joined;
  const std::vector<quorva::Line> lines = quorva::SplitLines(selection);
  for (const quorva::Line& l : lines) joined.append(l.Text).append(l.Break);
  if (joined != selection) Finding("split lines do not join back");

  const quorva::InPlaceResult r = quorva::WorkLines(selection, mode, format);
  const std::vector<quorva::Line> out = quorva::SplitLines(r.Text);
  if (out.size() != lines.size()) Finding("the number of lines changed");
  size_t filled = 0;
  for (const quorva::Line& l : lines) filled += l.Text.find_first_not_of(u" \t\u3000") != std::u16string_view::npos;
  int changed = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (out[i].Break != lines[i].Break) Finding("a line break changed");
    const std::u16string_view line = lines[i].Text;
    size_t b = 0, e = line.size();
    while (b < e && quorva::IsBlank(line[b])) ++b;
    while (e > b && quorva::IsBlank(line[e - 1])) --e;
    const std::u16string_view core = line.substr(b, e - b);
    if (out[i].Text == line) continue;
    ++changed;
    if (!core.empty() && quorva::TotalWordOf(core)) {
      if (out[i].Text.substr(0, e) != line.substr(0, e)) Finding("a total line lost its word");
      continue;
    }
    if (filled > 1 && quorva::ReadMemoLine(core).Kind != quorva::LineKind::kCalculation)
      Finding("a line that is no calculation changed");
  }
  if (changed > r.Answered) Finding("more lines changed than were answered");
  // Only where every line is one of several: a single line is read as the window reads it.
  if (filled > 1 && mode == quorva::InPlaceMode::kAppend &&
      quorva::WorkLines(r.Text, mode, format).Text != r.Text)
    Finding("a second run changed the output");
  return 0;
}
