// The Japanese guide's message tables name the program's own texts: every message of the engine
// that a generated set of expressions brings up, and every error of the catalogue that the guide
// lists, word for word.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "common/text/Utf8.h"
#include "engine/InPlace.h"
#include "bridge/EditorFault.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"
#include "ui/app/Notices.h"  // the notice texts alone: a header without Windows
#include "tests/harness/support/MessageBoxes.h"

namespace quorva {
namespace {


std::string ReadGuide() {
  std::ifstream in(QUORVA_GUIDE, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  size_t at = row.find('|');
  while (at != std::string::npos) {
    const size_t next = row.find('|', at + 1);
    if (next == std::string::npos) break;
    std::string cell = row.substr(at + 1, next - at - 1);
    cell.erase(0, cell.find_first_not_of(' '));
    cell.erase(cell.find_last_not_of(' ') + 1);
    cells.push_back(cell);
    at = next;
  }
  return cells;
}

// The rows of the first table under the heading, header and rule left out.
std::vector<std::vector<std::string>> TableUnder(const std::string& guide, const std::string& heading) {
  std::vector<std::vector<std::string>> rows;
  size_t at = guide.find("\n" + heading + "\n");
  if (at == std::string::npos) return rows;
  at = guide.find("\n|", at);
  std::istringstream lines(guide.substr(at + 1));
  std::string line;
  for (int n = 0; std::getline(lines, line) && line.rfind("|", 0) == 0; ++n) {
    if (n >= 2) rows.push_back(Cells(line));
  }
  return rows;
}

// Every message of the engine's message box: each operator pair and each unbalanced bracket.
std::set<std::string> EngineMessages() {
  test::MessageBoxRecorder boxes;
  const std::u16string operators = u"+-*/^~";
  std::vector<std::u16string> expressions = {u"(1", u"1)", u"((1)", u"(1))"};
  for (char16_t a : operators) {
    for (char16_t b : operators) expressions.push_back(std::u16string(u"1") + a + b + u"2");
  }
  for (std::u16string text : expressions) {
    try {
      Calculate(text);
    } catch (const RuntimeError&) {
    }
  }
  std::set<std::string> messages;
  for (const MessageBoxRequest& box : boxes.Boxes) {
    std::string text = Utf16ToUtf8(box.Text);
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
      messages.insert(text.substr(at, end - at));
    }
  }
  return messages;
}

TEST(Guide, ItsExpressionMessagesAreTheEnginesMessages) {
  const auto rows = TableUnder(ReadGuide(), "### 式についてのメッセージ（タイトル「Quorva」）");
  ASSERT_FALSE(rows.empty()) << "no table under the heading in " << QUORVA_GUIDE;
  const std::set<std::string> engine = EngineMessages();
  std::set<std::string> guide;
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0]);
    EXPECT_EQ(engine.count(row[0]), 1u) << "not a message of the engine";
    guide.insert(row[0]);
  }
  for (const std::string& message : engine) EXPECT_EQ(guide.count(message), 1u) << "missing from the guide: " << message;
}

TEST(Guide, ItsErrorTableNamesTheCataloguesTexts) {
  const std::string guide = ReadGuide();
  const auto rows = TableUnder(guide, "### 警告（エラーの報告）");
  ASSERT_FALSE(rows.empty()) << "no table under the heading in " << QUORVA_GUIDE;
  const EditorFault faults[] = {EditorFault::kCannotRead, EditorFault::kCannotWrite, EditorFault::kPartialTake,
                                EditorFault::kTextDamaged};
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0] + " " + row[1]);
    ASSERT_GE(row.size(), 2u);
    const int number = std::stoi(row[0]);
    const std::string source = row[0].substr(row[0].find("/ ") + 2);
    std::vector<RuntimeError> candidates = {MakeError(number)};
    for (EditorFault f : faults) candidates.push_back(MakeEditorError(f));
    bool found = false;
    for (const RuntimeError& e : candidates) {
      found = found || (e.Number == number && Utf16ToUtf8(e.Source) == source && Utf16ToUtf8(e.Description) == row[1]);
    }
    EXPECT_TRUE(found) << "no such error in the catalogue";
  }
  // The notice of a closed editor is a heading of its own: the first line of the notice.
  const std::u16string notice = kEditorClosedNotice;
  EXPECT_NE(guide.find("\n### " + Utf16ToUtf8(notice.substr(0, notice.find(u'\r'))) + "\n"), std::string::npos);
}

// A cell of the memo table: one code span per line, lines joined by <br>.
std::u16string MemoCell(std::string cell) {
  std::string text;
  for (char c : cell)
    if (c != '`') text += c;
  for (size_t at; (at = text.find("<br>")) != std::string::npos;) text.replace(at, 4, "\r\n");
  return Utf8ToUtf16(text);
}

TEST(Guide, ItsMemoExamplesAreWhatNowWrites) {
  const auto rows = TableUnder(ReadGuide(), "### メモを計算する（パーセント、金額、ラベル、合計、端数）");
  ASSERT_GE(rows.size(), 25u) << "no table under the heading in " << QUORVA_GUIDE;
  const AnswerFormat format{u"0", true, false};  // /places:0 /group
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 4u);
    SCOPED_TRACE(row[1]);
    const std::u16string memo = MemoCell(row[1]);
    auto work = [&](InPlaceMode mode) {
      return Utf16ToUtf8(WorkLines(memo, mode, format).Text);
    };
    EXPECT_EQ(work(InPlaceMode::kReplace), Utf16ToUtf8(MemoCell(row[2])));
    EXPECT_EQ(work(InPlaceMode::kAppend), Utf16ToUtf8(MemoCell(row[3])));
  }
}

}  // namespace
}  // namespace quorva
