#pragma once
// The notes of tests/memo as users wrote them (format in tests/memo/README.md): the selection, the
// options, the text the writer expects and the line a report names where a total stays.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorva::test {

struct MemoNote {
  std::string Title, Options, Selection, Want;  // UTF-8; lines end with LF
  std::string ReportLine;  // "" when no report is expected
  bool Same = false;       // "-- same": nothing may change
};

std::vector<MemoNote> ReadMemoNotes(const std::filesystem::path& file);
// Every note of every notes-*.txt in the folder, its file's name before its title.
std::vector<MemoNote> ReadMemoFolder(const std::filesystem::path& folder);

// A note's options as the command line has them.
struct MemoOptions {
  bool Append = false, Group = false, Wide = false;
  std::optional<std::string> Places;  // the digit
  std::string Round;                  // "", "down" or "up"
};
// Unless a note says "-" (the plain /now) or names its places, it is worked as /places:0 /group.
MemoOptions OptionsOf(const MemoNote& note);

}  // namespace quorva::test
