#include "core/swipe/reader_model.h"

#include "core/image/setting_fields.h"
#include "core/keyboard/key_name.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/reader_key_codes.h"
#include "core/swipe/keyboard_language_check.h"
#include "core/swipe/reader_typist.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/track_lrc.h"

#include <QCoreApplication>

#include <array>

namespace quorvel {

namespace {

// Whether the reader types letters in the opposite case for Caps Lock to turn them:
// Upper Case takes Caps Lock to be on, Lower Case (and a code that names no mode)
// takes it to be off, and Universal follows it.
bool typesForCapsLock(const SwipeFrame& frame, bool capsLock) {
    if (frame.caseMode == QLatin1String("Upper Case"))
        return true;
    return frame.caseMode == QLatin1String("Universal") && capsLock;
}

TypistSetup typistSetup(const SwipeFrame& frame, const ReaderKeyOptions& options) {
    TypistSetup setup;
    setup.reader = KeyboardLayout::ofLanguage(frame.language);
    setup.altMode = frame.altMode;
    setup.forCapsLock = typesForCapsLock(frame, options.capsLock);
    setup.locks = options.capsLock ? KeyStates(KeyState::CapsLock) : KeyStates();
    setup.startMs = options.startMs;
    setup.spacingMs = options.spacingMs;
    return setup;
}

// The character a code stands for in an LRC; none for a key that is no character.
std::optional<QChar> lrcCharacter(int code) {
    if (code < kSpaceCode || code > kLastCharacterCode)
        return std::nullopt;
    return QChar(code);
}

class Model {
    // Its texts are in its own context, as lupdate finds them.
    Q_DECLARE_TR_FUNCTIONS(quorvel::Model)

public:
    Model(const SettingsImage& image, const SwipeFrame& frame, const ReaderKeyOptions& options)
        : m_image(image), m_frame(frame), m_typist(typistSetup(frame, options)) {}

    ReaderTyping type(const Card& card) {
        const QList<int> tracks = tracksSent(card);
        if (tracks.isEmpty())
            return m_typing;
        codes(m_frame.preamble.tokens.size(), FieldId::Preamble, tr("the preamble"));
        for (int track : tracks)
            this->track(track, *card.track(track));
        codes(m_frame.postamble.tokens.size(), FieldId::Postamble, tr("the postamble"));
        terminator();
        m_typing.keys = m_typist.keys();
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
    // A code the typist has no key for: said once where the language names no layout.
    bool typed(ReaderTypist::Result result) {
        if (result == ReaderTypist::Result::NoLayout && !m_noLayoutSaid) {
            untypeable() << tr("byte %1 holds %2, which names no keyboard language")
                                .arg(field(FieldId::KeyboardLanguage).byte)
                                .arg(m_frame.language);
            m_noLayoutSaid = true;
        }
        return result == ReaderTypist::Result::Typed;
    }

    void code(int code, const QString& what) {
        if (typed(m_typist.code(code)))
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
            typed = this->typed(m_typist.code(c.unicode())) && typed;
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
            typed(m_typist.ctrlC());
        else if (choice->sends >= 0)
            code(choice->sends, tr("the terminator"));
    }

    const SettingsImage& m_image;
    const SwipeFrame& m_frame;
    ReaderTyping m_typing;
    ReaderTypist m_typist;
    bool m_noLayoutSaid = false;
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
