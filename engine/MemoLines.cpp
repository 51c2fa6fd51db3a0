#include "MemoLines.h"

#include "Amounts.h"
#include "InPlace.h"
#include "Width.h"
#include "shared/AsciiCase.h"

namespace quorva {
namespace {

// Characters that an expression or an amount may hold, after width narrowing.
bool IsExpressionChar(char16_t c) {
  if (c >= u'0' && c <= u'9') return true;
  switch (c) {
    case u'+': case u'-': case u'*': case u'/': case u'^': case u'~': case u'(': case u')': case u'[':
    case u']': case u'.': case u',': case u'=': case u'E': case u'e': case u'_':
    case u'\u00D7': case u'\u00F7': case u'\uFF1D':
      return true;
    default:
      return IsMemoChar(c) || IsBlank(c);
  }
}

bool IsPunctuation(char16_t c) { return c == u':' || c == u'=' || c == u'\uFF1A' || c == u'\uFF1D'; }

// The longest total word with its punctuation, in characters; a longer line is no total word.
constexpr size_t kTotalWordMax = 12;

struct TotalWord {
  std::u16string_view Word;
  TotalKind Kind;
  bool Prefixed;  // may follow a prefix such as "12月"
};

constexpr TotalWord kTotalWords[] = {
    {u"\u5C0F\u8A08", TotalKind::kSubtotal, true},            // 小計
    {u"\u8A08", TotalKind::kSubtotal, false},                  // 計
    {u"subtotal", TotalKind::kSubtotal, false},
    {u"\u5408\u8A08\u91D1\u984D", TotalKind::kTotal, true},  // 合計金額
    {u"\u5408\u8A08", TotalKind::kTotal, true},                // 合計
    {u"\u7DCF\u8A08", TotalKind::kTotal, true},                // 総計
    {u"\u7DCF\u984D", TotalKind::kTotal, true},                // 総額
    {u"total", TotalKind::kTotal, false},
    {u"sum", TotalKind::kTotal, false},
    {u"grandtotal", TotalKind::kGrand, false},
};

// The prefix of a prefixed total word: a few characters, none of them a blank or a figure's end.
constexpr size_t kTotalPrefixMax = 4;

std::optional<TotalKind> TotalKindOf(std::u16string_view word) {
  for (const TotalWord& w : kTotalWords) {
    if (word == w.Word) return w.Kind;
    if (w.Prefixed && word.size() > w.Word.size() && word.size() <= w.Word.size() + kTotalPrefixMax &&
        word.ends_with(w.Word))
      return w.Kind;
  }
  return std::nullopt;
}

}  // namespace

size_t LabelEnd(std::u16string_view core) {
  size_t last = std::u16string_view::npos;
  for (size_t i = 0; i < core.size(); ++i)
    if (!IsExpressionChar(HalfWidthOf(core[i]))) last = i;
  if (last == std::u16string_view::npos) return 0;
  // A label of ASCII letters ends at a blank ("A1 1+2 =" keeps "A1 "); a Japanese one may run
  // straight into the figure ("交通費1,200×2=").
  size_t k = last + 1;
  if (HalfWidthOf(core[last]) < 0x80) {
    while (k < core.size() && !IsBlank(core[k])) ++k;
  }
  while (k < core.size() && IsBlank(core[k])) ++k;
  return k < core.size() ? k : std::u16string_view::npos;
}

std::optional<TotalKind> TotalWordOf(std::u16string_view core) {
  if (core.size() > kTotalWordMax) return std::nullopt;
  size_t e = core.size();
  if (e > 0 && IsPunctuation(HalfWidthOf(core[e - 1]))) --e;
  while (e > 0 && IsBlank(core[e - 1])) --e;
  std::u16string word;
  for (size_t i = 0; i < e; ++i)
    if (!IsBlank(core[i])) word += AsciiLower(HalfWidthOf(core[i]));
  return TotalKindOf(word);
}

std::optional<TotalKind> WrittenTotalOf(std::u16string_view core) {
  for (size_t k = 1; k < core.size() && k <= kTotalWordMax; ++k) {
    const std::optional<TotalKind> kind = TotalWordOf(core.substr(0, k));
    if (!kind) continue;
    std::u16string_view sum = core.substr(k);
    while (!sum.empty() && IsBlank(sum.front())) sum.remove_prefix(1);
    if (!sum.empty() && LooksLikeAmount(sum)) return kind;
  }
  return std::nullopt;
}

std::u16string WithTotal(std::u16string_view line, std::u16string_view sum) {
  size_t e = line.size();
  while (e > 0 && IsBlank(line[e - 1])) --e;
  std::u16string out(line.substr(0, e));
  const char16_t last = e > 0 ? line[e - 1] : u' ';
  if (e < line.size() && IsPunctuation(HalfWidthOf(last))) {
    out += line.substr(e);  // the user's own blank after the punctuation
  } else if (last == u':' || (last == u'=' && e >= 2 && IsBlank(line[e - 2])) || !IsPunctuation(HalfWidthOf(last))) {
    out += u' ';
  } else if (last == u'\uFF1D' && e >= 2 && IsBlank(line[e - 2])) {
    out += line[e - 2];
  }
  out += sum;
  return out;
}

}  // namespace quorva
