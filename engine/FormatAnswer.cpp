#include "FormatAnswer.h"

#include <algorithm>
#include <string>

#include "NumberCore.h"
#include "Width.h"

namespace quorva {
namespace {

// Whether the dropped digits carry into the last kept one.
bool CarriesUp(const std::string& digits, size_t dropped, Rounding rounding) {
  if (rounding == Rounding::kDown) return false;
  if (rounding == Rounding::kHalf) return dropped < digits.size() && digits[dropped] >= '5';
  return digits.find_first_not_of('0', dropped) != std::string::npos;
}

// The magnitude rounded to `places` decimals, as the digits of |value| * 10^places. Works on the
// value's 15 significant decimal digits, so that ‹1.005› rounds up as the user reads it rather
// than as binary64 stores it, and ‹100×1.1› rounded up stays 110.
std::string RoundedDigits(double magnitude, int places, Rounding rounding) {
  if (magnitude == 0) return "0";
  char raw[15];
  const int exponent = detail::ScientificDigits15(magnitude, raw);
  const std::string digits(raw, sizeof raw);
  long long kept = static_cast<long long>(exponent) + 1 + places;  // integer digits of magnitude*10^places
  if (kept < 0) return rounding == Rounding::kUp ? "1" : "0";
  if (kept == 0) return CarriesUp(digits, 0, rounding) ? "1" : "0";
  std::string out;
  if (kept >= static_cast<long long>(digits.size())) {
    out = digits;
    out.append(static_cast<size_t>(kept) - digits.size(), '0');
    return out;
  }
  out = digits.substr(0, static_cast<size_t>(kept));
  if (CarriesUp(digits, static_cast<size_t>(kept), rounding)) {
    int i = static_cast<int>(out.size()) - 1;
    for (; i >= 0 && out[i] == '9'; --i) out[i] = '0';
    if (i < 0) out.insert(out.begin(), '1');
    else ++out[i];
  }
  return out;
}

}  // namespace

std::u16string FormatAnswer(std::u16string_view result, std::u16string_view decimalPlacesText, bool group,
                            bool wide, const NumberLocale& locale, Rounding rounding) {
  double value = 0;
  if (detail::ParseNumber(result, locale, false, value) != 0) return u"";
  int places = std::clamp(locale.DefaultDigits, 0, 9);
  if (decimalPlacesText.size() == 1 && decimalPlacesText[0] >= u'0' && decimalPlacesText[0] <= u'9')
    places = decimalPlacesText[0] - u'0';

  std::string digits = RoundedDigits(value < 0 ? -value : value, places, rounding);
  if (digits.size() < static_cast<size_t>(places) + 1) digits.insert(0, places + 1 - digits.size(), '0');
  size_t intLength = digits.size() - static_cast<size_t>(places);
  bool allZero = digits.find_first_not_of('0') == std::string::npos;

  std::u16string out;
  if (value < 0 && !allZero) out.push_back(u'-');  // a value that rounds to zero shows no sign
  for (size_t i = 0; i < intLength; ++i) {
    if (group && i > 0 && (intLength - i) % 3 == 0) out.push_back(locale.Group);
    out.push_back(static_cast<char16_t>(digits[i]));
  }
  if (places > 0) {
    out.push_back(locale.Decimal);
    for (size_t i = intLength; i < digits.size(); ++i) out.push_back(static_cast<char16_t>(digits[i]));
  }
  return wide ? ToFullWidth(out) : ToHalfWidth(out);
}

}  // namespace quorva
