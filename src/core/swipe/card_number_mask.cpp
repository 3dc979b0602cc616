#include "core/swipe/card_number_mask.h"

#include <QRegularExpression>

namespace quorvel {

namespace {

const QString kMask = QStringLiteral("•");

// A digit as typed ("7") or as an Alt code the reader sent for one ("[Alt+0055]").
bool isDigit(const QString& token) {
    if (token.size() == 1)
        return token.at(0) >= u'0' && token.at(0) <= u'9';
    static const QRegularExpression altCode(QStringLiteral("^\\[Alt\\+0*(4[89]|5[0-7])\\]$"));
    return token.startsWith(u'[') && altCode.match(token).hasMatch();
}

bool isBlank(const QString& token) {
    return token == QLatin1String(" ") || token == QLatin1String("[Space]");
}

// Where a track's account number ends.
bool isSeparator(const QString& token) {
    return token == QLatin1String("^") || token == QLatin1String("=");
}

// What cuts a run of digits apart: the separators and the usual sentinels, so that an
// expiry date or the next track keeps its own digits.
bool endsRun(const QString& token) {
    return isSeparator(token) || token == QLatin1String("?") || token == QLatin1String(";") ||
           token == QLatin1String("%");
}

// A long number keeps its first 6 and last 4 digits, a shorter one its last 4 at most,
// always hiding more than it shows.
void maskDigits(QStringList& tokens, const QList<qsizetype>& digits) {
    constexpr int kLongNumber = 12;
    const qsizetype count = digits.size();
    const qsizetype keptFirst = count >= kLongNumber ? 6 : 0;
    const qsizetype keptLast = count >= kLongNumber ? 4 : count > 6 ? 4 : 0;
    for (qsizetype k = keptFirst; k < count - keptLast; ++k)
        tokens[digits.at(k)] = kMask;
}

} // namespace

QStringList maskCardNumbers(const QStringList& tokens) {
    constexpr int kShortestRun = 12;
    QStringList masked = tokens;

    // By the card's structure: the digits and blanks right before a separator are the
    // account number (track 1 after its format code, tracks 2 and 3 from their start).
    for (qsizetype separator = 0; separator < tokens.size(); ++separator) {
        if (!isSeparator(tokens.at(separator)))
            continue;
        QList<qsizetype> digits;
        for (qsizetype k = separator - 1;
             k >= 0 && (isDigit(tokens.at(k)) || isBlank(tokens.at(k))); --k)
            if (isDigit(tokens.at(k)))
                digits.prepend(k);
        maskDigits(masked, digits);
    }

    // By caution: a long run of digits wherever it stands, blanks or one other character
    // between its groups, since a dead key or a wrong layout may have eaten the structure.
    qsizetype i = 0;
    while (i < tokens.size()) {
        if (!isDigit(tokens.at(i))) {
            ++i;
            continue;
        }
        QList<qsizetype> digits{i};
        qsizetype next = i + 1;
        for (;;) {
            qsizetype k = next;
            while (k < tokens.size() && isBlank(tokens.at(k)))
                ++k;
            if (k < tokens.size() && !isDigit(tokens.at(k)) && !endsRun(tokens.at(k)) &&
                !isBlank(tokens.at(k)))
                ++k;
            if (k >= tokens.size() || !isDigit(tokens.at(k)))
                break;
            digits << k;
            next = k + 1;
        }
        if (digits.size() >= kShortestRun)
            maskDigits(masked, digits);
        i = next;
    }
    return masked;
}

} // namespace quorvel
