// Every note of tests/memo through the probe's memo road: the text each user expects, and the
// line a report names where a total stays.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "tests/harness/support/MemoNotes.h"
#include "tools/probe/Probe.h"

namespace quorva::probe {
namespace {

using test::MemoNote;

std::string RequestOf(const MemoNote& note) {
  const test::MemoOptions options = test::OptionsOf(note);
  nlohmann::json request{{"memo", note.Selection}, {"mode", options.Append ? "append" : "replace"}};
  if (options.Group) request["group"] = 1;
  if (options.Wide) request["wide"] = 1;
  if (!options.Round.empty()) request["round"] = options.Round;
  if (options.Places) request["places"] = *options.Places;
  return request.dump();
}

TEST(MemoCorpus, EveryNoteGetsTheTextItsWriterExpects) {
  size_t count = 0;
  for (const MemoNote& note : test::ReadMemoFolder(QUORVA_MEMO_NOTES)) {
    ++count;
    SCOPED_TRACE(note.Title + "\n" + note.Selection);
    const nlohmann::json reply = nlohmann::json::parse(ProbeLine(RequestOf(note)));
    EXPECT_EQ(reply["text"].get<std::string>(), note.Want);
    const std::string report = reply["report"].get<std::string>();
    if (note.ReportLine.empty()) {
      EXPECT_EQ(report, "");
    } else {
      EXPECT_NE(report.find(": " + note.ReportLine + " 行目"), std::string::npos) << report;
    }
    EXPECT_EQ(reply["messages"].get<std::string>(), "");
  }
  EXPECT_GE(count, 150u);
}

}  // namespace
}  // namespace quorva::probe
