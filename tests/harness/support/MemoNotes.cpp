#include "tests/harness/support/MemoNotes.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quorva::test {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) (out += i ? "\n" : "") += lines[i];
  return out;
}

}  // namespace

std::vector<MemoNote> ReadMemoNotes(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<MemoNote> notes;
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

std::vector<MemoNote> ReadMemoFolder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());  // the same order on every system
  std::vector<MemoNote> all;
  for (const auto& file : files) {
    for (MemoNote& note : ReadMemoNotes(file)) {
      note.Title = file.filename().string() + ": " + note.Title;
      all.push_back(std::move(note));
    }
  }
  return all;
}

MemoOptions OptionsOf(const MemoNote& note) {
  MemoOptions options;
  std::istringstream words(note.Options);
  bool plain = false;
  for (std::string word; words >> word;) {
    if (word == "-") plain = true;
    else if (word == "append") options.Append = true;
    else if (word == "group") options.Group = true;
    else if (word == "wide") options.Wide = true;
    else if (word.starts_with("round:")) options.Round = word.substr(6);
    else if (word.starts_with("places:")) options.Places = word.substr(7);
  }
  if (!plain && !options.Places) {
    options.Places = "0";
    options.Group = true;
  }
  return options;
}

}  // namespace quorva::test
