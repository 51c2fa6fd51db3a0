#pragma once
// The user's own number conventions, read from the regional settings.
#include "engine/NumberLocale.h"

namespace quorva {

// Decimal separator, digit-group separator and default decimal places of the user's locale.
// A setting that cannot be read keeps the Japanese default.
NumberLocale UserNumberLocale();

}  // namespace quorva
