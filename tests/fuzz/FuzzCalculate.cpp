// libFuzzer target: Calculate on arbitrary expressions, FormatAnswer on what it returns.
//
// Input layout. Byte 0 holds the options: bit 0 picks how the rest becomes text (0: raw
// UTF-16LE code units, 1: one character of kAlphabet per byte), bits 1-4 the decimal-places
// text, bit 5 grouping, bit 6 full width. The seed corpus uses the raw form, so its files read
// as the expressions they hold.
//
// A RuntimeError 5, 6 or 13 is an expected outcome. Crashes, leaks, undefined behaviour, other
// exceptions and broken promises of the interface (checked below) are findings. Two independent
// yardsticks check values too: the C library for the number conversions, and the engine tests'
// literal rewriting evaluator for short inputs.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/FormatAnswer.h"
#include "shared/MessageBox.h"
#include "engine/NumberText.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"
#include "tests/engine/ReferenceEvaluator.h"

namespace {

// Everything the rewrite rules, the checks and the number conversion react to, with digits
// repeated so that numbers of several digits come up often.
constexpr std::u16string_view kAlphabet =
    u"0123456789012345678901234567890123456789"
    u"..EEeeax,"
    u"++--**//^^~~__××"
    u"(((()))))[]"
    u"  \u3000\t"
    u"０１２３９．＋－＊／＾～（）［］Ｅ＿，"
    u"%%％¥￥$\\円万万千百億兆==";

// The decimal-places box: single digits, and texts that must fall back to the default.
constexpr std::u16string_view kPlaces[16] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7",
                                              u"8", u"9", u"",  u"10", u"５", u" 2", u"a", u"-1"};

int gBoxes = 0;
std::u16string gBoxText;

// Printable form of a text for a finding's report.
std::string Show(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    char buf[8];
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out;
}

[[noreturn]] void Finding(const char* what, std::u16string_view about = {}) {
  std::fprintf(stderr, "finding: %s [%s]\n", what, Show(about).c_str());
  std::abort();
}

std::u16string MakeText(const uint8_t* data, size_t size, bool alphabet) {
  std::u16string text;
  if (alphabet) {
    text.reserve(size);
    for (size_t i = 0; i < size; ++i) text += kAlphabet[data[i] % kAlphabet.size()];
  } else {
    text.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  }
  return text;
}

// The answer box may only hold a sign, digits and the Japanese separators, with exactly the
// asked number of decimals.
void CheckAnswer(std::u16string_view answer, std::u16string_view places, bool group, bool wide) {
  const char16_t zero = wide ? u'０' : u'0';
  const char16_t point = wide ? u'．' : u'.';
  const char16_t comma = wide ? u'，' : u',';
  const char16_t minus = wide ? u'－' : u'-';
  if (answer.empty()) Finding("a numeric result formatted to nothing");
  size_t decimals = 0;
  bool seenPoint = false;
  for (size_t i = 0; i < answer.size(); ++i) {
    const char16_t c = answer[i];
    if (c >= zero && c <= zero + 9) {
      if (seenPoint) ++decimals;
    } else if (c == point && !seenPoint) {
      seenPoint = true;
    } else if (!(c == comma && group && !seenPoint) && !(c == minus && i == 0)) {
      Finding("unexpected character in the answer");
    }
  }
  const size_t wanted = places.size() == 1 && places[0] >= u'0' && places[0] <= u'9' ? places[0] - u'0' : 2;
  if (decimals != wanted || seenPoint != (wanted > 0)) Finding("wrong number of decimal places");
}

// Number text is the C library's "%.15G" (15 significant digits, plain notation for exponents
// -4 to 14), with "0" for negative zero.
void CheckNumberText(double value) {
  if (!std::isfinite(value)) return;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", value == 0 ? 0.0 : value);
  const std::u16string text = quorva::NumberText(value);
  if (text != std::u16string(buf, buf + std::strlen(buf))) Finding("NumberText differs from %.15G", text);
}

// A text in the plain grammar (sign, digits with at most one ".", an exponent) reads as strtod
// reads it, and a value beyond the binary64 range is an overflow.
void CheckTextToNumber(std::u16string_view text) {
  std::string ascii;
  size_t i = 0;
  auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  auto takeDigits = [&] {
    size_t n = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++n) ascii += static_cast<char>(text[i]);
    return n;
  };
  auto takeSign = [&] {
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
  };
  takeSign();
  size_t digits = takeDigits();
  if (i < text.size() && text[i] == u'.') {
    ascii += '.';
    ++i;
    digits += takeDigits();
  }
  if (digits == 0) return;
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
    ascii += 'e';
    ++i;
    takeSign();
    if (takeDigits() == 0) return;
  }
  if (i != text.size()) return;

  errno = 0;
  const double expected = std::strtod(ascii.c_str(), nullptr);
  const bool overflow = errno == ERANGE && std::isinf(expected);
  if (errno == ERANGE && !overflow) return;  // underflow: left to the implementation
  try {
    const double value = quorva::TextToNumber(text);
    if (overflow || value != expected) Finding("TextToNumber differs from strtod", text);
  } catch (const quorva::RuntimeError& e) {
    if (!overflow || e.Number != quorva::kOverflow) Finding("TextToNumber refused a plain number", text);
  }
}

// Same result, same caller's text, same messages and the same error as the literal rewriting.
// Only short inputs: the reference is quadratic and recursive.
void CompareWithReference(const std::u16string& original, const std::u16string& text, const std::u16string& result,
                          int error) {
  if (original.size() > 300) return;
  std::u16string referenceText = original, messages, referenceResult;
  int referenceError = 0;
  try {
    referenceResult = quorva::reference::Calculate(referenceText, messages);
  } catch (const quorva::RuntimeError& e) {
    referenceError = e.Number;
  }
  const std::u16string& boxText = gBoxes ? gBoxText : u"";
  if (referenceError == error && referenceResult == result && referenceText == text && messages == boxText) return;
  std::fprintf(stderr, "engine:    error %d, result [%s], text [%s], messages [%s]\n", error, Show(result).c_str(),
               Show(text).c_str(), Show(boxText).c_str());
  std::fprintf(stderr, "reference: error %d, result [%s], text [%s], messages [%s]\n", referenceError,
               Show(referenceResult).c_str(), Show(referenceText).c_str(), Show(messages).c_str());
  Finding("Calculate differs from the literal rewriting", original);
}

void Format(std::u16string_view result, std::u16string_view places, bool group, bool wide) {
  try {
    const std::u16string answer = quorva::FormatAnswer(result, places, group, wide);
    if (quorva::IsNumeric(result)) {
      CheckAnswer(answer, places, group, wide);
      for (const auto rounding : {quorva::Rounding::kDown, quorva::Rounding::kUp})
        CheckAnswer(quorva::FormatAnswer(result, places, group, wide, {}, rounding), places, group, wide);
    } else if (!answer.empty()) {
      Finding("a text that is not numeric was formatted");
    }
  } catch (const quorva::RuntimeError& e) {
    if (e.Number != quorva::kOverflow) Finding("FormatAnswer raised an error other than overflow");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  quorva::SetMessageBoxHandler([](const quorva::MessageBoxRequest& box) {
    ++gBoxes;
    gBoxText = box.Text;
    return quorva::kIdOk;
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t options = data[0];
  const std::u16string_view places = kPlaces[(options >> 1) & 0x0F];
  const bool group = options & 0x20;
  const bool wide = options & 0x40;
  const std::u16string original = MakeText(data + 1, size - 1, options & 1);

  std::u16string text = original;
  gBoxes = 0;
  gBoxText.clear();
  std::u16string result;
  try {
    result = quorva::Calculate(text);
  } catch (const quorva::RuntimeError& e) {
    if (e.Number != quorva::kInvalidArgument && e.Number != quorva::kOverflow &&
        e.Number != quorva::kTypeMismatch) {
      Finding("Calculate raised an unknown error number");
    }
    if (gBoxes != 0) Finding("an evaluation error after a message box");
    if (text != original) Finding("an evaluation error changed the caller's text");
    CompareWithReference(original, text, result, e.Number);
    return 0;
  }

  // A rejected expression: one box with its messages, the display form, no result.
  if (gBoxes > 1) Finding("more than one message box");
  if (gBoxes == 1) {
    if (!result.empty()) Finding("a rejected expression has a result");
    if (gBoxText.size() < 2 || !gBoxText.ends_with(u"\r\n")) Finding("a message box without its line break");
  } else if (text != original) {
    Finding("an accepted expression changed the caller's text");
  }
  if (!result.empty() && !quorva::IsNumeric(result)) Finding("a result that is not numeric");
  CompareWithReference(original, text, result, 0);

  CheckTextToNumber(original);
  CheckTextToNumber(result);
  if (quorva::IsNumeric(result)) CheckNumberText(quorva::TextToNumber(result));
  if (size >= 9) {
    double raw;
    std::memcpy(&raw, data + 1, sizeof raw);
    CheckNumberText(raw);
  }

  Format(result, places, group, wide);
  Format(result, u"9", !group, !wide);
  Format(original, u"0", group, !wide);  // the number conversion on raw text
  return 0;
}
