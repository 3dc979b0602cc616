#pragma once

#include <QStringList>

namespace quorvel {

enum class CardNumbers { Masked, Shown };

// Runs of 12 to 19 digits keep their first 6 and last 4 digits; the rest become "•".
QStringList maskCardNumbers(const QStringList& tokens);

} // namespace quorvel
