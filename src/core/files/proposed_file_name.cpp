#include "core/files/proposed_file_name.h"

namespace quorvel {

QString proposedFileName(const QString& shortDate, double secondsSinceMidnight,
                         const QLocale& locale) {
    QString date = shortDate;
    date.remove(u'/');
    date.remove(0, 2);

    // The clock has hundredths of a second; shown as the shortest decimal text.
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QString seconds = numbers.toString(secondsSinceMidnight, 'f', 2);
    const QString decimal = numbers.decimalPoint();
    if (seconds.contains(decimal)) {
        while (seconds.endsWith(u'0'))
            seconds.chop(1);
        if (seconds.endsWith(decimal))
            seconds.chop(decimal.size());
    }
    return QStringLiteral("M") + date + seconds.left(4);
}

QString proposedFileName(const QDateTime& now, const QLocale& locale) {
    const double seconds = now.time().msecsSinceStartOfDay() / 10 / 100.0;
    return proposedFileName(locale.toString(now.date(), QLocale::ShortFormat), seconds, locale);
}

QString proposedFileName() { return proposedFileName(QDateTime::currentDateTime(), QLocale::system()); }

} // namespace quorvel
