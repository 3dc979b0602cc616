#include "core/swipe/reader_model.h"

#include "core/keyboard/computer_keys.h"

#include "core/image/setting_fields.h"
#include "core/keyboard/key_name.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/reader_key_codes.h"
#include "core/swipe/keyboard_language_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/track_lrc.h"

#include <QCoreApplication>

#include <array>

namespace quorvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

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

// Whether the reader types letters in the opposite case for Caps Lock to turn them:
// Upper Case takes Caps Lock to be on, Lower Case (and a code that names no mode)
// takes it to be off, and Universal follows it.
bool typesForCapsLock(const SwipeFrame& frame, bool capsLock) {
    if (frame.caseMode == QLatin1String("Upper Case"))
        return true;
    return frame.caseMode == QLatin1String("Universal") && capsLock;
}

class Typist {
public:
    Typist(const SwipeFrame& frame, const ReaderKeyOptions& options, QStringList& untypeable)
        : m_frame(frame), m_layout(KeyboardLayout::ofLanguage(frame.language)), m_options(options),
          m_locks(options.capsLock ? KeyStates(KeyState::CapsLock) : KeyStates()),
          m_forCapsLock(typesForCapsLock(frame, options.capsLock)), m_untypeable(untypeable) {
        if (m_layout)
            m_computer.emplace(*m_layout);
    }

    // Types a reader key code; false, with nothing typed, where no key types it.
    bool code(int code) {
        if (code >= kSpaceCode && code <= kLastCharacterCode)
            return m_frame.altMode ? altCode(code) : character(static_cast<char32_t>(code));
        if (code >= kFirstFunctionKeyCode && code <= kLastFunctionKeyCode) {
            add(Qt::Key_F1 + code - kFirstFunctionKeyCode,
                kFunctionPositions[static_cast<std::size_t>(code - kFirstFunctionKeyCode)], {}, {});
            return true;
        }
        if (code == kShiftTabCode) {
            modifier(Qt::Key_Shift, kShiftPosition, {});
            add(Qt::Key_Backtab, kTabPosition, KeyState::Shift, {});
            return true;
        }
        for (const NamedKey& named : kNamedKeys)
            if (named.code == code) {
                add(editingKey(code)->qtKey, named.position, {}, QString::fromLatin1(named.text));
                return true;
            }
        return false;
    }

    bool ctrlC() {
        const std::optional<KeyboardLayout::Stroke> c =
            layout() ? layout()->strokeFor(U'c') : std::nullopt;
        if (!c)
            return false;
        modifier(Qt::Key_Control, kCtrlPosition, {});
        add(Qt::Key_C, c->position, KeyState::Control, QStringLiteral("\x03"));
        return true;
    }

    QList<KeyPress> m_keys;

private:
    // The layout, said to be missing once.
    const KeyboardLayout* layout() {
        if (!m_layout && !m_noLayoutSaid) {
            m_untypeable << tr("byte %1 holds %2, which names no keyboard language")
                                .arg(field(FieldId::KeyboardLanguage).byte)
                                .arg(m_frame.language);
            m_noLayoutSaid = true;
        }
        return m_layout;
    }

    bool character(char32_t c) {
        if (m_forCapsLock && isAsciiLetter(c))
            c ^= 0x20;
        const std::optional<KeyboardLayout::Stroke> stroke =
            layout() ? layout()->strokeFor(c) : std::nullopt;
        if (!stroke)
            return false;
        if (stroke->state.testFlag(KeyState::Shift))
            modifier(Qt::Key_Shift, kShiftPosition, {});
        if (stroke->state.testFlag(KeyState::AltGr))
            modifier(Qt::Key_AltGr, kAltGrPosition, stroke->state & KeyState::Shift);
        press(stroke->position, stroke->state);
        if (stroke->viaDeadKey)
            press(kSpacePosition, {});
        return true;
    }

    // Alt held, the keypad digits of the code, as a DOS code (no leading 0).
    bool altCode(int code) {
        modifier(Qt::Key_Alt, kAltPosition, {});
        for (const QChar digit : QString::number(code)) {
            const int d = digit.digitValue();
            m_keys << KeyPress{time(),
                               Qt::Key_0 + d,
                               Qt::AltModifier | Qt::KeypadModifier,
                               QString(digit),
                               kKeypad[static_cast<std::size_t>(d)],
                               KeyState::Alt | KeyState::NumLock | m_locks};
        }
        return true;
    }

    void modifier(int key, int position, KeyStates state) { add(key, position, state, {}); }

    void add(int key, int position, KeyStates state, const QString& text) {
        m_keys << KeyPress{time(), key, modifiersOf(state), text, position, state | m_locks};
    }

    // A key of the layout, with what this computer makes of it.
    void press(int position, KeyStates state) {
        m_keys << m_computer->press(time(), position, state | m_locks);
    }

    qint64 time() const { return m_options.startMs + m_options.spacingMs * m_keys.size(); }

    const SwipeFrame& m_frame;
    const KeyboardLayout* m_layout;
    const ReaderKeyOptions& m_options;
    KeyStates m_locks;
    bool m_forCapsLock;
    QStringList& m_untypeable;
    bool m_noLayoutSaid = false;
    std::optional<ComputerKeys> m_computer; // on the reader's own layout
};

// The character a code stands for in an LRC; none for a key that is no character.
std::optional<QChar> lrcCharacter(int code) {
    if (code < kSpaceCode || code > kLastCharacterCode)
        return std::nullopt;
    return QChar(code);
}

class Model {
public:
    Model(const SettingsImage& image, const SwipeFrame& frame, const ReaderKeyOptions& options)
        : m_image(image), m_frame(frame), m_typist(frame, options, m_typing.untypeable) {}

    ReaderTyping type(const Card& card) {
        const QList<int> tracks = tracksSent(card);
        if (tracks.isEmpty())
            return m_typing;
        codes(m_frame.preamble.tokens.size(), FieldId::Preamble, tr("the preamble"));
        for (int track : tracks)
            this->track(track, *card.track(track));
        codes(m_frame.postamble.tokens.size(), FieldId::Postamble, tr("the postamble"));
        terminator();
        m_typing.keys = m_typist.m_keys;
        return m_typing;
    }

private:
    QStringList& untypeable() { return m_typing.untypeable; }

    QList<int> tracksSent(const Card& card) {
        if (!m_frame.order)
            untypeable() << m_frame.unknownOrder();
        if (!m_frame.selection)
            untypeable() << m_frame.unknownSelection();
        if (!m_frame.order || !m_frame.selection)
            return {};
        QList<int> tracks;
        for (int track : m_frame.order->tracks)
            if (m_frame.selection->allowed.contains(track) && card.track(track))
                tracks << track;
        if (tracks.isEmpty())
            untypeable() << tr("the card holds none of %1, which “%2” sends")
                                .arg(trackList(m_frame.selection->allowed),
                                     m_frame.selection->caption);
        return tracks;
    }

    // Types a code, or says why it cannot be typed: no key has the code, or no key of
    // the keyboard language (told once, where the language names no layout) types it.
    void code(int code, const QString& what) {
        if (m_typist.code(code))
            return;
        if (codeToken(code).isEmpty())
            untypeable()
                << tr("%1 holds the code %2, which no key types").arg(what, codeText(code));
        else if (KeyboardLayout::ofLanguage(m_frame.language))
            untypeable() << tr("%1 holds %2, which no key of %3 types")
                                .arg(what, shownCode(code), languageName(m_frame.language));
    }

    void codes(qsizetype count, FieldId id, const QString& what) {
        for (int i = 0; i < count; ++i)
            code(fieldValue(m_image, id, i), what);
    }

    void track(int track, const QString& card) {
        // The account number is what comes before the first field separator.
        const QString data =
            track == 2 && m_frame.accountOnly ? card.left(card.indexOf(u'=')) : card;
        const int start = m_frame.startCodes[static_cast<std::size_t>(track - 1)];
        code(start, tr("the start sentinel of track %1").arg(track));
        bool typed = true;
        for (const QChar c : data)
            typed = m_typist.code(c.unicode()) && typed;
        // Card data is not quoted.
        if (!typed && KeyboardLayout::ofLanguage(m_frame.language))
            untypeable() << tr("track %1 holds a character that no key of %2 types")
                                .arg(track)
                                .arg(languageName(m_frame.language));
        code(m_frame.endCode, tr("the end sentinel"));
        if (!m_frame.lrc)
            return;
        const std::optional<QChar> first = lrcCharacter(start);
        const std::optional<QChar> last = lrcCharacter(m_frame.endCode);
        const std::optional<QChar> lrc =
            first && last ? trackLrc(track, QString(*first) + data + QString(*last)) : std::nullopt;
        if (lrc)
            code(lrc->unicode(), tr("the LRC of track %1").arg(track));
        else
            untypeable()
                << tr("the LRC of track %1 cannot be told: a character from its start sentinel to "
                      "its end sentinel lies outside the track's character set")
                       .arg(track);
    }

    void terminator() {
        const TerminatorKeys& terminator = m_frame.terminator;
        if (!terminator.known) {
            untypeable() << terminator.why;
            return;
        }
        const NamedCode* choice = fieldChoice(m_image, FieldId::KeyboardTerminator);
        // Without a layout no key is known for the C of CTRL-C; the language says so.
        if (choice->sends == kSendsCtrlC)
            m_typist.ctrlC();
        else if (choice->sends >= 0)
            code(choice->sends, tr("the terminator"));
    }

    const SettingsImage& m_image;
    const SwipeFrame& m_frame;
    ReaderTyping m_typing;
    Typist m_typist;
};

} // namespace

const std::optional<QString>& Card::track(int number) const {
    return number == 1 ? track1 : number == 2 ? track2 : track3;
}

ReaderTyping readerKeys(const SettingsImage& image, const Card& card,
                        const ReaderKeyOptions& options) {
    const SwipeFrame frame = swipeFrame(image);
    return Model(image, frame, options).type(card);
}

} // namespace quorvel
