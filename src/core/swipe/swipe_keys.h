#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The tokens of one swipe, as received and as shown (card numbers masked
// unless asked for), and how the checks quote them.
class SwipeKeys {
public:
    SwipeKeys(const QStringList& raw, const QStringList& shown);

    int count() const { return m_count; }
    const QString& at(int i) const { return m_raw.at(i); }
    QStringList mid(int from, int length = -1) const { return m_raw.mid(from, length); }

    // What came from key `at` on, shortened; card numbers as shown.
    QString came(int at, int count = 1) const;
    // The first position from `at` where `expected` differs from the swipe; -1 when it all came.
    int mismatch(int at, const QStringList& expected) const;
    // "expected … , came … instead of … at key N" for a mismatch found from `from`.
    QString mismatchText(const QStringList& expected, int from, int at, const QString& where) const;

private:
    const QStringList& m_raw;
    const QStringList& m_shown;
    int m_count;
};

// Tokens separated by blanks, as the checks quote what they expected.
QString spaced(const QStringList& tokens);

} // namespace quorvel
