#pragma once
// The few locale values the number conversions need. The defaults are the Japanese ones; on
// Windows the program reads the user's own.

namespace quorva {

struct NumberLocale {
  char16_t Decimal = u'.';
  char16_t Group = u',';
  int DefaultDigits = 2;  // decimal places when the user asks for none
};

}  // namespace quorva
