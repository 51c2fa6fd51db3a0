// Every note of tests/memo through the probe's memo road: the text each user expects, and the
// line a report names where a total stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tools/probe/Probe.h"

namespace quorva::probe {
namespace {

struct Note {
  std::string Title, Options, Selection, Want;
  std::string ReportLine;  // "" when no report is expected
  bool Same = false;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) (out += i ? "\n" : "") += lines[i];
  return out;
}

std::vector<Note> ReadNotes(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<Note> notes;
  std::vector<std::string> selection, want;
  bool inWant = false;
  auto close = [&] {
    if (notes.empty()) return;
    notes.back().Selection = Joined(selection);
    notes.back().Want = notes.back().Same ? notes.back().Selection : Joined(want);
  };
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("@@")) {
      close();
      const size_t bar = line.find('|');
      notes.push_back({line.substr(bar + 2), line.substr(3, bar - 3), "", "", "", false});
      selection.clear();
      want.clear();
      inWant = false;
    } else if (line == "-- same") {
      notes.back().Same = inWant = true;
    } else if (line == "--") {
      inWant = true;
    } else if (line.starts_with("!! ")) {
      notes.back().ReportLine = line.substr(3);
    } else {
      (inWant ? want : selection).push_back(line);
    }
  }
  close();
  return notes;
}

std::string RequestOf(const Note& note) {
  nlohmann::json request{{"memo", note.Selection}, {"mode", "replace"}};
  std::istringstream words(note.Options);
  bool plain = false, places = false;
  for (std::string word; words >> word;) {
    if (word == "-") plain = true;
    else if (word == "append") request["mode"] = "append";
    else if (word == "group") request["group"] = 1;
    else if (word == "wide") request["wide"] = 1;
    else if (word.starts_with("round:")) request["round"] = word.substr(6);
    else if (word.starts_with("places:")) request["places"] = word.substr(7), places = true;
  }
  // Unless a note says "-" (the plain /now) or names its places, it is worked as /places:0 /group.
  if (!plain && !places) {
    request["places"] = "0";
    request["group"] = 1;
  }
  return request.dump();
}

TEST(MemoCorpus, EveryNoteGetsTheTextItsWriterExpects) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUORVA_MEMO_NOTES)) {
    if (entry.path().extension() != ".txt") continue;
    for (const Note& note : ReadNotes(entry.path())) {
      ++count;
      SCOPED_TRACE(entry.path().filename().string() + ": " + note.Title + "\n" + note.Selection);
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
  }
  EXPECT_GE(count, 150u);
}

}  // namespace
}  // namespace quorva::probe
