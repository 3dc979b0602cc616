#include "core/keyboard/sent_reading.h"

#include "core/keyboard/alt_code.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/reader_keys.h"

namespace quorvel {

namespace {

// The Qt key a character's key stands for: printable ASCII is its own upper case.
int qtKeyOf(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return static_cast<int>(c - U'a' + U'A');
    if (c == U' ')
        return Qt::Key_Space;
    if (c > U' ' && c < 0x7F)
        return static_cast<int>(c);
    return Qt::Key_unknown;
}

QString textOf(char32_t c) { return QString::fromUcs4(&c, 1); }

class Reader {
public:
    Reader(const QList<KeyPress>& keys, int language)
        : m_keys(keys), m_layout(KeyboardLayout::ofLanguage(language)) {}

    SentReading read() {
        for (int i = 0; i < m_keys.size(); ++i) {
            const KeyPress& key = m_keys.at(i);
            if (key.position != kNoPosition)
                m_reading.positions = true;
            if (key.key == Qt::Key_Alt)
                endAltCode();
            if (isLockKey(key.key)) {
                ++m_reading.lockKeys; // a Num Lock inside an Alt code does not end it
                continue;
            }
            if (isModifierKey(key.key))
                continue;
            if (altHeld(key) && keypadDigit(key) >= 0) {
                addAltDigit(i, keypadDigit(key));
                continue;
            }
            endAltCode();
            if (key.state.testFlag(KeyState::CapsLock))
                m_reading.capsLock = true;
            readKey(i);
        }
        endAltCode();
        endDeadKey();
        return m_reading;
    }

private:
    void addAltDigit(int at, int digit) {
        if (m_altFirst < 0)
            m_altFirst = at;
        m_altLast = at;
        m_altDigits += QChar(u'0' + digit);
    }

    void endAltCode() {
        if (m_altFirst < 0)
            return;
        SentKey sent;
        sent.first = m_altFirst;
        sent.last = m_altLast;
        sent.altCode = m_altDigits;
        sent.key = m_keys.at(m_altFirst);
        sent.key.text = altCodeCharacter(m_altDigits);
        sent.key.key = sent.key.text.isEmpty() ? Qt::Key_unknown : qtKeyOf(sent.key.text.at(0).unicode());
        sent.key.modifiers = Qt::NoModifier;
        m_reading.keys << sent;
        ++m_reading.altCodes;
        m_altFirst = -1;
        m_altDigits.clear();
    }

    // A dead key without a Space after it types its accent and lets the key go on its own.
    void endDeadKey() {
        if (m_dead < 0)
            return;
        add(m_dead, m_dead, m_deadSymbol);
        m_dead = -1;
    }

    void add(int first, int last, char32_t c) {
        SentKey sent{m_keys.at(last), first, last, {}};
        sent.key.text = textOf(c);
        sent.key.key = qtKeyOf(c);
        // Ctrl+letter is the terminator CTRL-C: keep Ctrl, drop what only chose the level.
        sent.key.modifiers &= Qt::ControlModifier;
        m_reading.keys << sent;
    }

    void readKey(int at) {
        const KeyPress& key = m_keys.at(at);
        const LayoutSymbol symbol =
            m_layout && key.position != kNoPosition ? m_layout->symbol(key.position, key.state) : LayoutSymbol{};
        if (symbol.symbol == 0) {
            endDeadKey();
            m_reading.keys << SentKey{key, at, at, {}};
            return;
        }
        if (m_dead >= 0 && key.position == kSpacePosition && !symbol.dead) {
            add(m_dead, at, m_deadSymbol);
            m_dead = -1;
            return;
        }
        endDeadKey();
        if (symbol.dead) {
            m_dead = at;
            m_deadSymbol = symbol.symbol;
            return;
        }
        add(at, at, symbol.symbol);
    }

    const QList<KeyPress>& m_keys;
    const KeyboardLayout* m_layout;
    SentReading m_reading;
    int m_altFirst = -1;
    int m_altLast = -1;
    QString m_altDigits;
    int m_dead = -1;
    char32_t m_deadSymbol = 0;
};

} // namespace

bool isLockKey(int key) {
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

SentReading readAsSent(const QList<KeyPress>& keys, int language) { return Reader(keys, language).read(); }

} // namespace quorvel
