// The one-pass evaluator against the literal rewriting, on random expressions: the same text or
// the same error for every input.
#include <gtest/gtest.h>

#include <random>

#include "tests/harness/support/MessageBoxes.h"
#include "ReferenceEvaluator.h"
#include "common/text/Utf8.h"
#include "shared/MessageBox.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"

namespace quorva {
namespace {


struct Outcome {
  std::u16string text;
  int error = 0;
  bool operator==(const Outcome&) const = default;
};

template <typename F>
Outcome Capture(F f) {
  try {
    return {f(), 0};
  } catch (const RuntimeError& e) {
    return {u"", e.Number};
  }
}

// Pieces that make the interesting cases likely: exponent marks next to signs, decimal points,
// operands that are not numbers, brackets in every position.
const std::u16string kCanonicalPieces[] = {
    u"1", u"2", u"7", u"0", u"10", u"25", u"0.5", u".5", u"9.", u"3.25", u"1E", u"2e", u"E", u"e", u"1E+", u"1E_",
    u"1e3", u"a", u"x", u"-", u"+", u"_", u"\u00D7", u"/", u"^", u"(", u")", u"(", u")", u".", u",", u"99999999",
};
const std::u16string kTypedPieces[] = {
    u"1", u"2", u"7", u"0", u"10", u"0.5", u".5", u"1E", u"e", u"E", u"a", u"-", u"+", u"*", u"/", u"^", u"~",
    u"(", u")", u"[", u"]", u" ", u"\u3000", u"\uFF11", u"\uFF0B", u"\uFF0A", u"\u00D7", u"_", u"**", u"--", u"1e3",
};
const char16_t kChars[] = u"0123456789.Ee+-_\u00D7/^()a";

// A decimal as users type them: up to 17 digits, the point anywhere, now and then a sign.
std::u16string RandomDecimal(std::mt19937& rng) {
  std::u16string number;
  if (rng() % 6 == 0) number += u'-';
  int digits = static_cast<int>(rng() % 4 == 0 ? rng() % 17 + 1 : rng() % 5 + 1);
  int point = static_cast<int>(rng() % (digits + 2));  // digits + 1: no point
  for (int k = 0; k < digits; ++k) {
    if (k == point) number += u'.';
    number += static_cast<char16_t>(u'0' + rng() % 10);
  }
  return number;
}

// Decimals and all four operators (a power now and then), with brackets: every intermediate
// value goes through the 15-digit number text.
std::u16string RandomDecimalText(std::mt19937& rng, bool typed) {
  const std::u16string_view operators = typed ? u"+-*/+-*/^" : u"+_\u00D7/+_\u00D7/^";
  std::u16string text;
  int operands = static_cast<int>(rng() % 8) + 1;
  int open = 0;
  for (int i = 0; i < operands; ++i) {
    if (i > 0) text += operators[rng() % operators.size()];
    if (rng() % 5 == 0) {
      text += u'(';
      ++open;
    }
    text += RandomDecimal(rng);
    if (open > 0 && rng() % 3 == 0) {
      text += u')';
      --open;
    }
  }
  text.append(static_cast<size_t>(open), u')');
  return text;
}

std::u16string RandomText(std::mt19937& rng, bool typed) {
  std::uniform_int_distribution<int> length(0, 14);
  std::u16string text;
  int n = length(rng);
  switch (rng() % 4) {
    case 0:
      for (int i = 0; i < n; ++i) text += kChars[rng() % (sizeof(kChars) / sizeof(char16_t) - 1)];
      break;
    case 1:
      text = RandomDecimalText(rng, typed);
      break;
    default:
      if (typed) {
        for (int i = 0; i < n; ++i) text += kTypedPieces[rng() % std::size(kTypedPieces)];
      } else {
        for (int i = 0; i < n; ++i) text += kCanonicalPieces[rng() % std::size(kCanonicalPieces)];
      }
  }
  return text;
}

TEST(Differential, EvalTextMatchesTheLiteralRewriting) {
  std::mt19937 rng(20261207);
  int compared = 0;
  for (int i = 0; i < 100'000; ++i) {
    std::u16string text = RandomText(rng, false);
    Outcome fast = Capture([&] { return EvalText(text); });
    Outcome slow = Capture([&] { return reference::EvalText(text); });
    if (!(fast == slow)) {
      ADD_FAILURE() << "input ‹" << Utf16ToUtf8(text) << "›: evaluator ‹" << Utf16ToUtf8(fast.text) << "› error " << fast.error
                    << ", rewriting ‹" << Utf16ToUtf8(slow.text) << "› error " << slow.error;
      if (++compared > 20) break;
    }
  }
}

TEST(Differential, CalculateMatchesTheLiteralRewriting) {
  std::mt19937 rng(7);
  std::u16string shown;
  test::ScopedMessageBoxHandler boxes([&](const MessageBoxRequest& r) {
    shown = r.Text;
    return kIdOk;
  });
  int failures = 0;
  for (int i = 0; i < 100'000 && failures < 20; ++i) {
    std::u16string typed = RandomText(rng, true);
    std::u16string fastText = typed, slowText = typed, slowMessages;
    shown.clear();
    Outcome fast = Capture([&] { return Calculate(fastText); });
    std::u16string fastMessages = shown;
    Outcome slow = Capture([&] { return reference::Calculate(slowText, slowMessages); });
    if (!(fast == slow) || fastText != slowText || fastMessages != slowMessages) {
      ++failures;
      ADD_FAILURE() << "input ‹" << Utf16ToUtf8(typed) << "›: ‹" << Utf16ToUtf8(fast.text) << "› error " << fast.error << " text ‹"
                    << Utf16ToUtf8(fastText) << "›, rewriting ‹" << Utf16ToUtf8(slow.text) << "› error " << slow.error << " text ‹"
                    << Utf16ToUtf8(slowText) << "›";
    }
  }
}

// Memo notation among the typed pieces: currency signs, 円, counting units, percent signs,
// grouped numbers, and now and then a piece of any other expression.
std::u16string RandomMemoText(std::mt19937& rng) {
  static const std::u16string kMemoPieces[] = {
      u"1", u"8", u"10", u"25", u"1,200", u"0.5", u"1.5", u"%", u"%", u"\uFF05", u"\u00A5", u"\uFFE5", u"$", u"\\",
      u"円", u"万", u"千", u"百", u"億", u"兆", u"+", u"-", u"*", u"/", u"^", u"(", u")", u"(", u")", u"1E", u"e",
      u"a", u" ", u"=",
  };
  static const std::u16string kTerms[] = {u"1000", u"\u00A51,200", u"1,200円", u"3万5千", u"616万1500円", u"2億",
                                          u"$19.99", u"8", u"10", u"1.5万", u"3億5千万", u"0.1"};
  std::u16string text;
  if (rng() % 2 == 0) {
    const int n = static_cast<int>(rng() % 12);
    for (int i = 0; i < n; ++i) text += kMemoPieces[rng() % std::size(kMemoPieces)];
    return text;
  }
  const std::u16string_view operators = u"+-*/+-*^";
  const int terms = static_cast<int>(rng() % 5) + 1;
  int open = 0;
  for (int i = 0; i < terms; ++i) {
    if (i > 0) text += operators[rng() % operators.size()];
    if (rng() % 4 == 0) text += u'(', ++open;
    text += kTerms[rng() % std::size(kTerms)];
    if (rng() % 3 == 0) text += u'%';
    if (open > 0 && rng() % 3 == 0) {
      text += u')';
      --open;
      if (rng() % 3 == 0) text += u'%';
    }
  }
  text.append(static_cast<size_t>(open), u')');
  return text;
}

TEST(Differential, MemoNotationMatchesTheReference) {
  std::mt19937 rng(2026120923);
  test::MessageBoxRecorder boxes;
  int failures = 0;
  for (int i = 0; i < 100'000 && failures < 20; ++i) {
    const std::u16string typed = RandomMemoText(rng);
    std::u16string fastText = typed, slowText = typed, slowMessages;
    Outcome fast = Capture([&] { return Calculate(fastText); });
    Outcome slow = Capture([&] { return reference::Calculate(slowText, slowMessages); });
    if (!(fast == slow) || fastText != slowText) {
      ++failures;
      ADD_FAILURE() << "input ‹" << Utf16ToUtf8(typed) << "›: ‹" << Utf16ToUtf8(fast.text) << "› error " << fast.error
                    << ", reference ‹" << Utf16ToUtf8(slow.text) << "› error " << slow.error;
    }
  }
}

}  // namespace
}  // namespace quorva
