// Properties over generated memos (seeded): a line that is not calculated comes back byte for
// byte, a written total is the sum of the values shown above it in its range, and a run on its
// own output changes nothing more.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/text/Utf8.h"
#include "engine/InPlace.h"

namespace quorva {
namespace {

enum class Kind { kCalculation, kValue, kNote, kUnreadable, kTotal };

struct GeneratedLine {
  std::u16string Text;
  Kind What;
  long long Value = 0;  // what a calculation or a value line shows
};

std::u16string U(const std::string& s) { return Utf8ToUtf16(s); }

std::u16string Grouped(long long v) {
  std::string digits = std::to_string(v < 0 ? -v : v), out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return U((v < 0 ? "-" : "") + out);
}

GeneratedLine LineOf(std::mt19937& rng) {
  static const char* kLabels[] = {"食費", "交通費", "ランチ", "Taxi", "【日用品】", "家賃", "・牛乳"};
  static const char* kNotes[] = {"2026/12/24", "090-1234-5678", "会議 14:30", "〒150-0001", "v1.2.3",
                                 "メモ", "", "3F会議室", "iPhone 15 ケース"};
  static const char* kUnreadable[] = {"70 85 90", "1,2,3", "+300", "3～5", "コーヒー 5,20"};
  static const char* kTotals[] = {"合計", "小計", "計", "合計：", "Total"};
  auto pick = [&](auto& list) { return std::string(list[rng() % std::size(list)]); };
  const std::string label = pick(kLabels);
  switch (rng() % 9) {
    case 0: case 1: case 2: {
      const long long a = 1 + rng() % 9999, b = 1 + rng() % 12;
      return {U(label + " " + std::to_string(a) + "×" + std::to_string(b) + " ="), Kind::kCalculation, a * b};
    }
    case 3: case 4: {
      const long long v = 1 + rng() % 99999;
      return {U(label + " ") + Grouped(v), Kind::kValue, v};
    }
    case 5: case 6: return {U(pick(kNotes)), Kind::kNote};
    case 7: return {U(pick(kUnreadable)), Kind::kUnreadable};
    default: return {U(pick(kTotals)), Kind::kTotal};
  }
}

// The sums a total line should show, from what the generator knows: nothing where its range
// holds an unreadable line or no value.
std::vector<std::u16string> ExpectedLines(const std::vector<GeneratedLine>& memo) {
  std::vector<std::u16string> out;
  struct Range { long long Sum = 0; bool Any = false, Stop = false; } sub, total;
  for (const GeneratedLine& l : memo) {
    if (l.What == Kind::kTotal) {
      const bool small = l.Text == u"小計" || l.Text == u"計";
      Range& r = small ? sub : total;
      out.push_back(r.Any && !r.Stop ? l.Text + (l.Text.back() == u'\uFF1A' ? u"" : u" ") + Grouped(r.Sum) : l.Text);
      sub = {};
      if (!small) total = {};
      continue;
    }
    for (Range* r : {&sub, &total}) {
      if (l.What == Kind::kUnreadable) r->Stop = true;
      if (l.What == Kind::kCalculation || l.What == Kind::kValue) r->Sum += l.Value, r->Any = true;
    }
    out.push_back(l.What == Kind::kCalculation ? l.Text + u" " + Grouped(l.Value) : l.Text);
  }
  return out;
}

TEST(MemoProperties, LinesStayTotalsAddWhatIsShownAndASecondRunChangesNothing) {
  std::mt19937 rng(20261209);
  const AnswerFormat format{u"0", true, false};
  for (int round = 0; round < 3000; ++round) {
    std::vector<GeneratedLine> memo(2 + rng() % 10);
    for (GeneratedLine& l : memo) l = LineOf(rng);
    std::u16string selection;
    for (size_t i = 0; i < memo.size(); ++i) (selection += i ? u"\r\n" : u"") += memo[i].Text;
    SCOPED_TRACE(Utf16ToUtf8(selection));
    size_t filled = 0;
    for (const GeneratedLine& l : memo) filled += !l.Text.empty();
    if (filled < 2) continue;  // one line alone is read as the window reads it
    const std::vector<std::u16string> want = ExpectedLines(memo);
    std::u16string expected;
    for (size_t i = 0; i < want.size(); ++i) (expected += i ? u"\r\n" : u"") += want[i];
    const InPlaceResult once = WorkLines(selection, InPlaceMode::kAppend, format);
    ASSERT_EQ(Utf16ToUtf8(once.Text), Utf16ToUtf8(expected));
    ASSERT_EQ(Utf16ToUtf8(WorkLines(once.Text, InPlaceMode::kAppend, format).Text), Utf16ToUtf8(once.Text));
    const std::u16string replaced = WorkLines(selection, InPlaceMode::kReplace, format).Text;
    ASSERT_EQ(Utf16ToUtf8(WorkLines(replaced, InPlaceMode::kReplace, format).Text), Utf16ToUtf8(replaced));
  }
}

}  // namespace
}  // namespace quorva
