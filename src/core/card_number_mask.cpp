#include "card_number_mask.h"

namespace quorvel {

namespace {

bool isDigitToken(const QString& token) {
    return token.size() == 1 && token.at(0) >= u'0' && token.at(0) <= u'9';
}

} // namespace

QStringList maskCardNumbers(const QStringList& tokens) {
    constexpr int kShortest = 12;
    constexpr int kLongest = 19;
    constexpr int kKeptFirst = 6;
    constexpr int kKeptLast = 4;
    QStringList masked = tokens;
    qsizetype i = 0;
    while (i < masked.size()) {
        if (!isDigitToken(masked.at(i))) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < masked.size() && isDigitToken(masked.at(end)))
            ++end;
        const qsizetype length = end - i;
        if (length >= kShortest && length <= kLongest)
            for (qsizetype k = i + kKeptFirst; k < end - kKeptLast; ++k)
                masked[k] = QStringLiteral("•");
        i = end;
    }
    return masked;
}

} // namespace quorvel
