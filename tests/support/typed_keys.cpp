#include "typed_keys.h"

#include "core/keyboard/computer_keys.h"

#include <QTest>

using namespace quorvel;

namespace {

constexpr int kShiftPosition = 42;
constexpr int kAltPosition = 56;
constexpr int kEnterPosition = 28;
constexpr int kCtrlPosition = 29;
constexpr int kAltGrPosition = 100;

class Typist {
public:
    Typist(int reader, int computer, KeyStates locks)
        : m_reader(*KeyboardLayout::ofLanguage(reader)), m_computer(*KeyboardLayout::ofLanguage(computer)),
          m_locks(locks) {}

    void type(const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'[') {
                const qsizetype close = text.indexOf(u']', i);
                named(text.mid(i + 1, close - i - 1));
                i = close;
                continue;
            }
            const std::optional<KeyboardLayout::Stroke> stroke = m_reader.strokeFor(text.at(i).unicode());
            if (!stroke)
                QTest::qFail("the reader's layout has no key for a character", __FILE__, __LINE__);
            if (stroke->state.testFlag(KeyState::Shift))
                modifier(Qt::Key_Shift, kShiftPosition, {});
            if (stroke->state.testFlag(KeyState::AltGr))
                modifier(Qt::Key_AltGr, kAltGrPosition, stroke->state & KeyState::Shift);
            press(stroke->position, stroke->state);
            if (stroke->viaDeadKey)
                press(kSpacePosition, {});
        }
    }

    QList<KeyPress> m_keys;

private:
    void modifier(int key, int position, KeyStates state) {
        m_keys << KeyPress{time(), key, modifiersOf(state), {}, position, state | m_locks};
    }

    void named(const QString& name) {
        if (name == QLatin1String("Enter")) {
            m_keys << KeyPress{time(), Qt::Key_Return, {}, QStringLiteral("\r"), kEnterPosition, m_locks};
        } else if (name == QLatin1String("Ctrl-C")) {
            modifier(Qt::Key_Control, kCtrlPosition, {});
            const KeyboardLayout::Stroke c = *m_reader.strokeFor(U'c');
            m_keys << KeyPress{time(), qtKeyOfText(textAt(c.position, {})), Qt::ControlModifier,
                               QStringLiteral("\x03"), c.position, KeyState::Control | m_locks};
        } else {
            QTest::qFail("unknown key name", __FILE__, __LINE__);
        }
    }

    QString textAt(int position, KeyStates state) const {
        const LayoutSymbol symbol = m_computer.symbol(position, state | m_locks, KeyboardLayout::Caps::Applied);
        return symbol.symbol ? QString::fromUcs4(&symbol.symbol, 1) : QString();
    }

    void press(int position, KeyStates state) { m_keys << m_typed.press(time(), position, state | m_locks); }

    qint64 time() const { return 8 * m_keys.size(); }

    const KeyboardLayout& m_reader;
    const KeyboardLayout& m_computer;
    KeyStates m_locks;
    ComputerKeys m_typed{m_computer};
};

// evdev codes of the keypad digits 0 to 9.
constexpr int kKeypad[10] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};

} // namespace

QList<KeyPress> typedAt(int readerLanguage, int computerLanguage, const QString& text, KeyStates locks) {
    Typist typist(readerLanguage, computerLanguage, locks);
    typist.type(text);
    return typist.m_keys;
}

QList<KeyPress> typedAsAltCodes(const QString& text, bool windows) {
    QList<KeyPress> keys;
    for (const QChar c : text) {
        keys << KeyPress{8 * keys.size(), Qt::Key_Alt, {}, {}, kAltPosition, {}};
        QString digits = QString::number(c.unicode());
        if (windows)
            digits.prepend(u'0');
        for (const QChar digit : digits) {
            const int d = digit.digitValue();
            keys << KeyPress{8 * keys.size(), Qt::Key_0 + d, Qt::AltModifier | Qt::KeypadModifier,
                             QString(digit), kKeypad[d], KeyState::Alt | KeyState::NumLock};
        }
    }
    return keys;
}
