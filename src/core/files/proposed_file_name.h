#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quorvel {

// The name the save dialogs offer: "M", the short date without its "/" and its
// first two characters, then the first four characters of the seconds since
// midnight in the locale's number format. No extension.
QString proposedFileName(const QString& shortDate, double secondsSinceMidnight,
                         const QLocale& locale);
QString proposedFileName(const QDateTime& now, const QLocale& locale);
QString proposedFileName(); // now, in the system's formats

} // namespace quorvel
