#include "key_sequence_decoder.h"

#include <algorithm>

namespace quorvel {

namespace {

constexpr char kEsc = '\x1b';
// Longer than any sequence a key sends: such a run is no key.
constexpr qsizetype kLongestSequence = 16;

CapturedKey special(int key, qint64 timeMs, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
    return {timeMs, key, modifiers, text};
}

// xterm's modifier parameter: 1 + Shift 1, Alt 2, Ctrl 4.
Qt::KeyboardModifiers modifiersOf(int parameter) {
    Qt::KeyboardModifiers modifiers;
    const int bits = parameter - 1;
    if (bits <= 0)
        return modifiers;
    if (bits & 1)
        modifiers |= Qt::ShiftModifier;
    if (bits & 2)
        modifiers |= Qt::AltModifier;
    if (bits & 4)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

// The letter that ends a CSI or SS3 sequence: arrows, Home/End, F1-F4, Shift+Tab.
int finalLetterKey(char c) {
    switch (c) {
    case 'A':
        return Qt::Key_Up;
    case 'B':
        return Qt::Key_Down;
    case 'C':
        return Qt::Key_Right;
    case 'D':
        return Qt::Key_Left;
    case 'H':
        return Qt::Key_Home;
    case 'F':
        return Qt::Key_End;
    case 'E': // the keypad's 5 with Num Lock off
        return Qt::Key_Clear;
    case 'P':
        return Qt::Key_F1;
    case 'Q':
        return Qt::Key_F2;
    case 'R':
        return Qt::Key_F3;
    case 'S':
        return Qt::Key_F4;
    case 'Z':
        return Qt::Key_Backtab;
    default:
        return 0;
    }
}

// The number of a VT220 "ESC [ n ~" sequence.
int tildeKey(int number) {
    switch (number) {
    case 1:
    case 7:
        return Qt::Key_Home;
    case 2:
        return Qt::Key_Insert;
    case 3:
        return Qt::Key_Delete;
    case 4:
    case 8:
        return Qt::Key_End;
    case 5:
        return Qt::Key_PageUp;
    case 6:
        return Qt::Key_PageDown;
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
        return Qt::Key_F1 + number - 11;
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
        return Qt::Key_F6 + number - 17;
    case 23:
    case 24:
        return Qt::Key_F11 + number - 23;
    default:
        return 0;
    }
}

// The length of the UTF-8 character a lead byte begins; 1 for a stray byte.
qsizetype utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// Whether the bytes after a lead byte continue its character so far: no overlong form,
// no surrogate, nothing past U+10FFFF.
bool continuesUtf8(QByteArrayView bytes) {
    const auto lead = static_cast<unsigned char>(bytes.at(0));
    for (qsizetype k = 1; k < bytes.size(); ++k) {
        const auto c = static_cast<unsigned char>(bytes.at(k));
        unsigned char least = 0x80;
        unsigned char most = 0xBF;
        if (k == 1) {
            least = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
            most = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        }
        if (c < least || c > most)
            return false;
    }
    return true;
}

CapturedKey characterKey(unsigned char c, qint64 timeMs) {
    switch (c) {
    case '\r':
    case '\n':
        return special(Qt::Key_Return, timeMs, Qt::NoModifier, QStringLiteral("\r"));
    case '\t':
        return special(Qt::Key_Tab, timeMs, Qt::NoModifier, QStringLiteral("\t"));
    case 0x08:
    case 0x7F:
        return special(Qt::Key_Backspace, timeMs, Qt::NoModifier, QStringLiteral("\b"));
    case ' ':
        return special(Qt::Key_Space, timeMs, Qt::NoModifier, QStringLiteral(" "));
    default:
        break;
    }
    if (c >= 0x01 && c <= 0x1A)
        return special(Qt::Key_A + c - 1, timeMs, Qt::ControlModifier, QString(QChar(c)));
    if (c < 0x20)
        return special(Qt::Key_unknown, timeMs, Qt::NoModifier, QString(QChar(c)));
    if (c >= 0x80) // a byte that begins no UTF-8 character
        return special(QChar::ReplacementCharacter, timeMs, Qt::NoModifier,
                       QString(QChar::ReplacementCharacter));
    return special(QChar(c).toUpper().unicode(), timeMs, Qt::NoModifier, QString(QChar(c)));
}

} // namespace

KeySequenceDecoder::Parse KeySequenceDecoder::parseEscape(QByteArrayView bytes,
                                                          qsizetype& length,
                                                          CapturedKey& key) const {
    if (bytes.size() < 2)
        return Parse::Incomplete;
    if (bytes.at(1) == 'O') {
        if (bytes.size() < 3)
            return Parse::Incomplete;
        length = 3;
        if (bytes.at(2) == 'M') {
            key = special(Qt::Key_Enter, 0, Qt::KeypadModifier, QStringLiteral("\r"));
            return Parse::Key;
        }
        key.key = finalLetterKey(bytes.at(2));
        return key.key && key.key != Qt::Key_Backtab ? Parse::Key : Parse::NotASequence;
    }
    if (bytes.at(1) != '[')
        return Parse::NotASequence;
    if (bytes.size() < 3)
        return Parse::Incomplete;
    if (bytes.at(2) == '[') { // the Linux console's F1 to F5
        if (bytes.size() < 4)
            return Parse::Incomplete;
        length = 4;
        const char c = bytes.at(3);
        key.key = c >= 'A' && c <= 'E' ? Qt::Key_F1 + (c - 'A') : 0;
        return key.key ? Parse::Key : Parse::NotASequence;
    }
    QList<int> parameters{0};
    for (qsizetype i = 2; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (i >= kLongestSequence)
            return Parse::NotASequence;
        if (c >= '0' && c <= '9') {
            // No key has a number this large; held there, it cannot overflow.
            parameters.last() = std::min(parameters.last() * 10 + (c - '0'), 100000);
            continue;
        }
        if (c == ';') {
            parameters << 0;
            continue;
        }
        length = i + 1;
        key.key = c == '~' ? tildeKey(parameters.first()) : finalLetterKey(c);
        if (!key.key)
            return Parse::NotASequence;
        key.modifiers =
            parameters.size() > 1 ? modifiersOf(parameters.at(1)) : Qt::KeyboardModifiers();
        if (key.key == Qt::Key_Backtab)
            key.modifiers |= Qt::ShiftModifier;
        return Parse::Key;
    }
    return Parse::Incomplete;
}

QList<CapturedKey> KeySequenceDecoder::feed(const QByteArray& bytes, qint64 timeMs) {
    m_pending += bytes;
    QList<CapturedKey> keys;
    qsizetype i = 0;
    while (i < m_pending.size()) {
        const auto c = static_cast<unsigned char>(m_pending.at(i));
        if (c == kEsc) {
            qsizetype length = 1;
            CapturedKey key;
            const Parse parse = parseEscape(QByteArrayView(m_pending).sliced(i), length, key);
            if (parse == Parse::Incomplete)
                break;
            m_afterCr = false;
            if (parse == Parse::Key) {
                key.timeMs = timeMs;
                keys << key;
                i += length;
            } else {
                keys << special(Qt::Key_Escape, timeMs, Qt::NoModifier, QStringLiteral("\x1b"));
                ++i;
            }
            continue;
        }
        const qsizetype length = utf8Length(c);
        if (length == 1) {
            // A line end written as CR LF is one Enter.
            if (!(c == '\n' && m_afterCr))
                keys << characterKey(c, timeMs);
            m_afterCr = c == '\r';
            ++i;
            continue;
        }
        m_afterCr = false;
        const QByteArrayView whole = QByteArrayView(m_pending).sliced(i, std::min(length, m_pending.size() - i));
        if (!continuesUtf8(whole)) {
            keys << characterKey(0x80, timeMs); // the lead byte alone; what follows is read afresh
            ++i;
            continue;
        }
        if (whole.size() < length)
            break;
        const QString text = QString::fromUtf8(whole);
        keys << special(text.at(0).toUpper().unicode(), timeMs, Qt::NoModifier, text);
        i += length;
    }
    m_pending.remove(0, i);
    return keys;
}

QList<CapturedKey> KeySequenceDecoder::flush(qint64 timeMs) {
    QList<CapturedKey> keys;
    while (!m_pending.isEmpty()) {
        const auto c = static_cast<unsigned char>(m_pending.at(0));
        keys << (c == kEsc ? special(Qt::Key_Escape, timeMs, Qt::NoModifier, QStringLiteral("\x1b"))
                           : special(QChar::ReplacementCharacter, timeMs, Qt::NoModifier,
                                     QString(QChar::ReplacementCharacter)));
        m_pending.remove(0, 1);
        // What follows a lone Esc may be whole keys again.
        keys += feed({}, timeMs);
    }
    return keys;
}

} // namespace quorvel
