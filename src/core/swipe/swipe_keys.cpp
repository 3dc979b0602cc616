#include "core/swipe/swipe_keys.h"

#include "core/swipe/swipe_check.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvel {

SwipeKeys::SwipeKeys(const QStringList& raw, const QStringList& shown)
    : m_raw(raw), m_shown(shown), m_count(static_cast<int>(raw.size())) {}

QString SwipeKeys::came(int at, int count) const {
    constexpr int kQuoted = 12;
    const int n = std::min(count, kQuoted);
    QString text = swipeLine(m_shown.mid(at, n));
    if (count > n)
        text += QStringLiteral("…");
    return text;
}

int SwipeKeys::mismatch(int at, const QStringList& expected) const {
    for (int i = 0; i < expected.size(); ++i)
        if (at + i >= m_count || m_raw.at(at + i) != expected.at(i))
            return at + i;
    return -1;
}

QString SwipeKeys::mismatchText(const QStringList& expected, int from, int at,
                                const QString& where) const {
    if (at >= m_count)
        return QCoreApplication::translate("quorvel::SwipeAnalysis",
                                           "expected %1%2, the swipe ended after key %3")
            .arg(spaced(expected), where, QString::number(m_count));
    return QCoreApplication::translate("quorvel::SwipeAnalysis",
                                       "expected %1%2, came %3 instead of %4 at key %5")
        .arg(spaced(expected), where, came(at), expected.at(at - from), QString::number(at + 1));
}

QString spaced(const QStringList& tokens) {
    return tokens.join(u' ');
}

} // namespace quorvel
