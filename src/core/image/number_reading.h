#pragma once

#include <QString>

namespace quorvel {

// The numeric reading every entry text shares: blanks are skipped; "&H" (any
// case) introduces up to four hexadecimal digits read as a signed 16-bit
// number; anything else is decimal with an optional sign and fraction.
// Reading stops at the first character that cannot continue the number, and a
// text that does not begin with a number gives 0.
double readNumber(const QString& text);

// Rounds to the nearest whole number, halves to even, as the pages store
// fractional entries.
int roundHalfEven(double value);

} // namespace quorvel
