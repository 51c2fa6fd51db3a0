#include <windows.h>

#include "common/windows/UserLocale.h"

namespace quorva {

namespace {

// The first character of a locale string; separators are one character in every locale we know
// of, and a longer one cannot be represented in NumberLocale anyway.
bool FirstChar(LCTYPE type, char16_t& out) {
  wchar_t buf[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buf, 8) <= 1) return false;
  out = static_cast<char16_t>(buf[0]);
  return true;
}

}  // namespace

NumberLocale UserNumberLocale() {
  NumberLocale locale;
  FirstChar(LOCALE_SDECIMAL, locale.Decimal);
  FirstChar(LOCALE_STHOUSAND, locale.Group);
  DWORD digits = 0;
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDIGITS | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<LPWSTR>(&digits), sizeof(digits) / sizeof(wchar_t)) > 0 &&
      digits <= 9) {
    locale.DefaultDigits = static_cast<int>(digits);
  }
  return locale;
}

}  // namespace quorva
