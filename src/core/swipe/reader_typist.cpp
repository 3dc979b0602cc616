#include "core/swipe/reader_typist.h"

#include "core/keyboard/computer_keys.h"
#include "core/keyboard/key_name.h"
#include "core/keyboard/reader_key_codes.h"

#include <array>

namespace quorvel {

namespace {

// evdev codes of the keys the reader presses besides those of the layout.
constexpr int kEscPosition = 1;
constexpr int kBackspacePosition = 14;
constexpr int kTabPosition = 15;
constexpr int kEnterPosition = 28;
constexpr int kCtrlPosition = 29;
constexpr int kShiftPosition = 42;
constexpr int kAltPosition = 56;
constexpr int kAltGrPosition = 100;
constexpr std::array<int, 10> kKeypad{82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
constexpr std::array<int, 12> kFunctionPositions{59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 87, 88};

struct NamedKey {
    int code;
    int position;
    const char* text;
};

// The editing keys by reader key code; S-Tab (28) is Shift with Tab, code 26 no key at all.
constexpr std::array<NamedKey, 14> kNamedKeys{{{13, kEnterPosition, "\r"},
                                               {14, kTabPosition, "\t"},
                                               {15, kBackspacePosition, "\b"},
                                               {16, 103, ""},
                                               {17, 108, ""},
                                               {18, 105, ""},
                                               {19, 106, ""},
                                               {20, 102, ""},
                                               {21, 107, ""},
                                               {22, 104, ""},
                                               {23, 109, ""},
                                               {24, 110, ""},
                                               {25, 111, ""},
                                               {27, kEscPosition, "\x1b"}}};

bool isAsciiLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

} // namespace

ReaderTypist::ReaderTypist(const TypistSetup& setup) : m_setup(setup) {
    if (const KeyboardLayout* computer = setup.computer ? setup.computer : setup.reader)
        m_computer.emplace(*computer);
}

ReaderTypist::~ReaderTypist() = default;

ReaderTypist::Result ReaderTypist::code(int code) {
    if (code >= kSpaceCode && code <= kLastCharacterCode) {
        if (!m_setup.altMode)
            return character(static_cast<char32_t>(code));
        altCode(code);
        return Result::Typed;
    }
    if (code >= kFirstFunctionKeyCode && code <= kLastFunctionKeyCode) {
        add(Qt::Key_F1 + code - kFirstFunctionKeyCode,
            kFunctionPositions[static_cast<std::size_t>(code - kFirstFunctionKeyCode)], {}, {});
        return Result::Typed;
    }
    if (code == kShiftTabCode) {
        add(Qt::Key_Shift, kShiftPosition, {}, {});
        add(Qt::Key_Backtab, kTabPosition, KeyState::Shift, {});
        return Result::Typed;
    }
    for (const NamedKey& named : kNamedKeys)
        if (named.code == code) {
            add(editingKey(code)->qtKey, named.position, {}, QString::fromLatin1(named.text));
            return Result::Typed;
        }
    return Result::NoKey;
}

ReaderTypist::Result ReaderTypist::ctrlC() {
    if (!m_setup.reader)
        return Result::NoLayout;
    const std::optional<KeyboardLayout::Stroke> c = m_setup.reader->strokeFor(U'c');
    if (!c)
        return Result::NoKey;
    // The window system names the key by what the computer's layout has on it.
    const KeyboardLayout& computer = m_setup.computer ? *m_setup.computer : *m_setup.reader;
    const LayoutSymbol letter = computer.symbol(c->position, {}, KeyboardLayout::Caps::Applied);
    const int key = letter.symbol ? qtKeyOfText(QString::fromUcs4(&letter.symbol, 1)) : Qt::Key_C;
    add(Qt::Key_Control, kCtrlPosition, {}, {});
    add(key, c->position, KeyState::Control, QStringLiteral("\x03"));
    return Result::Typed;
}

ReaderTypist::Result ReaderTypist::character(char32_t c) {
    if (!m_setup.reader)
        return Result::NoLayout;
    if (m_setup.forCapsLock && isAsciiLetter(c))
        c ^= 0x20;
    const std::optional<KeyboardLayout::Stroke> stroke = m_setup.reader->strokeFor(c);
    if (!stroke)
        return Result::NoKey;
    if (stroke->state.testFlag(KeyState::Shift))
        add(Qt::Key_Shift, kShiftPosition, {}, {});
    if (stroke->state.testFlag(KeyState::AltGr))
        add(Qt::Key_AltGr, kAltGrPosition, stroke->state & KeyState::Shift, {});
    press(stroke->position, stroke->state);
    if (stroke->viaDeadKey)
        press(kSpacePosition, {});
    return Result::Typed;
}

// Alt held, the keypad digits of the code, as a DOS code (no leading 0) or a Windows one.
void ReaderTypist::altCode(int code) {
    add(Qt::Key_Alt, kAltPosition, {}, {});
    QString digits = QString::number(code);
    if (m_setup.windowsAltCodes)
        digits.prepend(u'0');
    for (const QChar digit : digits) {
        const int d = digit.digitValue();
        m_keys << KeyPress{time(),
                           Qt::Key_0 + d,
                           Qt::AltModifier | Qt::KeypadModifier,
                           QString(digit),
                           kKeypad[static_cast<std::size_t>(d)],
                           KeyState::Alt | KeyState::NumLock | m_setup.locks};
    }
}

void ReaderTypist::add(int key, int position, KeyStates state, const QString& text) {
    m_keys << KeyPress{time(), key, modifiersOf(state), text, position, state | m_setup.locks};
}

// A key of the layout, with what the computer makes of it.
void ReaderTypist::press(int position, KeyStates state) {
    m_keys << m_computer->press(time(), position, state | m_setup.locks);
}

qint64 ReaderTypist::time() const {
    return m_setup.startMs + m_setup.spacingMs * m_keys.size();
}

} // namespace quorvel
