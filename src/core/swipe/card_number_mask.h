#pragma once

#include <QStringList>

namespace quorvel {

enum class CardNumbers { Masked, Shown };

// Every reader of swipes shows card numbers through this. Masked: the account number
// before a track's first separator ("^" or "="), whatever its length or blanks, and any
// run of 12 or more digits (Alt codes of digits too, blanks or one other character between
// groups); a long number keeps its first 6 and last 4 digits, the rest become "•".
QStringList maskCardNumbers(const QStringList& tokens);

} // namespace quorvel
