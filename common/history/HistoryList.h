#pragma once
// The rules of the expression history, apart from any file: what is kept, in which order, how
// the file's bytes are read (a damaged file as far as it is sound) and written.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorva {

inline constexpr size_t kHistoryMaxEntries = 100;
inline constexpr size_t kHistoryMaxChars = 4096;  // UTF-16 code units, as the box counts them
// The largest file the rules can produce: every entry at its longest (three UTF-8 bytes a code
// unit at most) with its line break. Anything beyond this is damage; only the end is read.
inline constexpr size_t kHistoryReadLimit = kHistoryMaxEntries * (kHistoryMaxChars * 3 + 2);

using HistoryEntries = std::vector<std::u16string>;

// Whether an expression may be kept: not empty, at most kHistoryMaxChars, one line (no line
// break, no zero character), and well-formed UTF-16.
bool KeepsEntry(std::u16string_view expression);

// Adds the expression as the newest entry unless it may not be kept or repeats the newest one;
// the oldest entries go beyond kHistoryMaxEntries. Returns whether the list changed.
bool AddEntry(HistoryEntries& entries, std::u16string_view expression);

// The entries of a history file's bytes, oldest first. Lines that are not sound (not UTF-8, over
// long, with a zero byte, empty) are skipped; the rest go in by AddEntry. cutAtStart: the bytes
// are the end of a longer file, so the first line is a piece and is skipped.
HistoryEntries ParseHistory(std::string_view bytes, bool cutAtStart = false);

// The file's bytes for the entries: UTF-8, each entry on its own line ending in CR LF.
std::string HistoryBytes(const HistoryEntries& entries);

}  // namespace quorva
