#include "core/image/number_reading.h"

#include <cmath>
#include <climits>
#include <cstdint>

namespace quorvel {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

} // namespace

double readNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t')
            s.append(c);
    }

    if (s.size() >= 2 && s[0] == u'&' && (s[1] == u'H' || s[1] == u'h')) {
        int value = 0;
        int digits = 0;
        for (qsizetype i = 2; i < s.size() && digits < 4; ++i, ++digits) {
            const int d = hexDigit(s[i]);
            if (d < 0)
                break;
            value = value * 16 + d;
        }
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }

    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    double value = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        value = value * 10 + (s[i].unicode() - '0');
    if (i < s.size() && s[i] == u'.') {
        double scale = 0.1;
        for (++i; i < s.size() && isDigit(s[i]); ++i, scale /= 10)
            value += (s[i].unicode() - '0') * scale;
    }
    return negative ? -value : value;
}

int roundHalfEven(double value) {
    // Callers range-check first; the clamp only keeps a stray value defined.
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0))
        return INT32_MIN;
    if (r > 2147483647.0)
        return INT32_MAX;
    return static_cast<int>(r);
}

} // namespace quorvel
