#include "terminal_alt_codes.h"

#include <array>

namespace quorvel {

namespace {

// The keypad's keys with Num Lock off, in the order of the digits they carry.
constexpr std::array<int, 10> kNumLockOff{Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown,
                                          Qt::Key_Left,   Qt::Key_Clear, Qt::Key_Right, Qt::Key_Home,
                                          Qt::Key_Up,     Qt::Key_PageUp};

int plainDigit(const CapturedKey& key) {
    if (key.text.size() != 1 || key.modifiers.testFlag(Qt::ControlModifier))
        return -1;
    const QChar c = key.text.at(0);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

int numLockOffDigit(const CapturedKey& key) {
    for (std::size_t d = 0; d < kNumLockOff.size(); ++d)
        if (kNumLockOff[d] == key.key)
            return static_cast<int>(d);
    return -1;
}

} // namespace

QList<CapturedKey> altCodesFromTerminal(const QList<CapturedKey>& keys) {
    QList<CapturedKey> result;
    QList<CapturedKey> held; // the keys of the code being gathered, as they came
    QString digits;
    const auto giveBack = [&] {
        result += held;
        held.clear();
        digits.clear();
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const CapturedKey& key = keys.at(i);
        int digit = numLockOffDigit(key);
        qsizetype used = 1;
        if (digit < 0 && key.key == Qt::Key_Escape && i + 1 < keys.size()) {
            digit = plainDigit(keys.at(i + 1));
            used = 2;
        }
        if (digit < 0) {
            digit = plainDigit(key);
            used = 1;
        }
        if (digit < 0) {
            giveBack();
            result << key;
            continue;
        }
        held += keys.mid(i, used);
        i += used - 1;
        digits += QChar(u'0' + digit);
        if (digits.size() < (digits.startsWith(u'0') ? 4 : 3))
            continue;
        const qint64 time = held.last().timeMs;
        for (const QChar c : std::as_const(digits))
            result << CapturedKey{time, Qt::Key_0 + (c.unicode() - u'0'), Qt::AltModifier | Qt::KeypadModifier, QString(c)};
        result << CapturedKey{time, Qt::Key_Alt, Qt::NoModifier, QString()};
        held.clear();
        digits.clear();
    }
    giveBack();
    return result;
}

} // namespace quorvel
