#include "common/history/HistoryList.h"

#include "common/text/Utf8.h"

namespace quorva {

bool KeepsEntry(std::u16string_view expression) {
  if (expression.empty() || expression.size() > kHistoryMaxChars) return false;
  if (expression.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos) return false;
  return EncodeUtf8(expression).has_value();
}

bool AddEntry(HistoryEntries& entries, std::u16string_view expression) {
  if (!KeepsEntry(expression)) return false;
  if (!entries.empty() && entries.back() == expression) return false;
  entries.emplace_back(expression);
  if (entries.size() > kHistoryMaxEntries) entries.erase(entries.begin(), entries.end() - kHistoryMaxEntries);
  return true;
}

HistoryEntries ParseHistory(std::string_view bytes, bool cutAtStart) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (cutAtStart) {
    const size_t first = bytes.find('\n');
    bytes.remove_prefix(first == std::string_view::npos ? bytes.size() : first + 1);
  } else if (bytes.starts_with(kBom)) {
    bytes.remove_prefix(kBom.size());  // as some editors save UTF-8
  }
  HistoryEntries entries;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    // Too many bytes for any entry: skipped without decoding, so a huge line costs one scan.
    if (line.size() > kHistoryMaxChars * 3) continue;
    if (std::optional<std::u16string> text = DecodeUtf8(line)) AddEntry(entries, *text);
  }
  return entries;
}

std::string HistoryBytes(const HistoryEntries& entries) {
  std::string bytes;
  for (const std::u16string& entry : entries) {
    if (std::optional<std::string> line = EncodeUtf8(entry)) bytes += *line + "\r\n";
  }
  return bytes;
}

}  // namespace quorva
