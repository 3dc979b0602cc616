#pragma once

// Random settings images and cards of the kind a swipe shows in full, for the reader
// model's property tests.

#include "core/image/setting_fields.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/swipe/reader_model.h"
#include "core/swipe/swipe_frame.h"

#include "test_files.h"

#include <QRandomGenerator>

namespace quorvel {

// Cases a property test runs: a tenth under the sanitizers, which make each many times slower.
#ifdef QUORVEL_SANITIZED
inline constexpr int kPropertyCases = 300;
#else
inline constexpr int kPropertyCases = 3000;
#endif

// The property tests' seed: QUORVEL_SEED where set, so that a failure can be run again.
inline quint32 propertySeed() {
    return qEnvironmentVariableIsSet("QUORVEL_SEED")
               ? static_cast<quint32>(qEnvironmentVariableIntValue("QUORVEL_SEED"))
               : 20261209u;
}

inline SettingsImage imageWith(std::initializer_list<std::pair<FieldId, int>> values) {
    SettingsImage image = shippedFactoryImage();
    for (const auto& [id, value] : values)
        setFieldValue(image, id, value);
    return image;
}

// A random image and card of the kind a swipe can show in full, and the checks the frame itself
// leaves unchecked.
class RandomCase {
public:
    explicit RandomCase(QRandomGenerator& random) : m_random(random) {
        const int language = pick(KeyboardLayout::kLanguages);
        const bool altMode = pick(2) != 0;
        m_layout = KeyboardLayout::ofLanguage(language);
        m_altMode = altMode;
        const int caseMode = kCaseModes[static_cast<std::size_t>(pick(3))].code;
        // Upper Case takes Caps Lock to be on, Lower Case off; Universal follows it.
        options.capsLock = caseMode == 0x2 || (caseMode == 0x8 && pick(2));
        const NamedCode& terminator = kKeyboardTerminators[static_cast<std::size_t>(pick(7))];
        const int selection = kTrackSelections[static_cast<std::size_t>(pick(7))].code;
        image = imageWith({{FieldId::KeyboardLanguage, language},
                           {FieldId::AltMode, altMode},
                           {FieldId::Case, caseMode},
                           {FieldId::TrackOrder, pick(6)},
                           {FieldId::TrackSelection, selection},
                           {FieldId::KeyboardTerminator, terminator.code},
                           {FieldId::Track2AccountOnly, pick(2)}});
        // Sentinels the card cannot hold, the end one apart from the start ones, keep the frame
        // parseable; with an LRC they lie in the tracks' character sets, so that it can be told.
        // So is a track 1 LRC that is a letter.
        const bool lrc = pick(2) != 0 && !(options.capsLock && !altMode);
        setFieldValue(image, FieldId::TransmitLrc, lrc);
        QList<int> sentinels{typeable(32, lrc ? '_' : 126)};
        setFieldValue(image, FieldId::StartSentinel1, sentinels.last());
        // Tracks that share a start sentinel are told apart by their order alone, which cannot tell
        // a card that lacks one of them from a reader whose order is wrong.
        for (FieldId id : {FieldId::StartSentinel2, FieldId::StartSentinel3}) {
            int start = 0;
            do
                start = lrc ? typeable(':', '?') : typeable(32, 126);
            while (sentinels.contains(start));
            sentinels << start;
            setFieldValue(image, id, start);
        }
        int end = 0;
        do
            end = lrc ? typeable(':', '?') : typeable(32, 126);
        while (sentinels.contains(end));
        sentinels << end;
        setFieldValue(image, FieldId::EndSentinel, end);
        for (FieldId id : {FieldId::Preamble, FieldId::Postamble}) {
            const int length = pick(11);
            for (int i = 0; i < 10; ++i) {
                int code = typeableCode();
                // Without the terminator's keys, a sentinel in the postamble may open a track as
                // well.
                while (id == FieldId::Postamble && terminator.sends == kSendsUnknown &&
                       sentinels.contains(code))
                    code = typeableCode();
                setFieldValue(image, id, i < length ? code : 0, i);
            }
        }
        const SwipeFrame frame = swipeFrame(image);
        do {
            card.track1 = randomTrack(1, 77, sentinels, 70);
            card.track2 = randomTrack(2, 38, sentinels, 90);
            card.track3 = randomTrack(3, 105, sentinels, 50);
            m_sent.clear();
            for (int track : frame.order->tracks)
                if (frame.selection->allowed.contains(track) && card.track(track))
                    m_sent << track;
        } while (m_sent.isEmpty());
        if (altMode)
            unchecked << QStringLiteral("Keyboard language"); // no layout changes an Alt code
        if (terminator.sends == kSendsUnknown) {
            unchecked << QStringLiteral("Terminator");
            untypeable << frame.terminator.why;
        }
        if (!m_sent.contains(1))
            unchecked << QStringLiteral("Letter case");
        unchecked << QStringLiteral("Lock keys"); // a note, not a check
    }

    SettingsImage image;
    Card card;
    ReaderKeyOptions options;
    QStringList unchecked;
    QStringList untypeable;

private:
    int pick(int n) { return static_cast<int>(m_random.bounded(n)); }

    bool canType(int code) const {
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        // The checks of the frame read letters as sent, before Caps Lock turns them: of a reader
        // that types letters for Caps Lock, only those of the card data are judged as they arrive.
        if (letter && options.capsLock && !m_altMode && !m_inCard)
            return false;
        if (code < 32)
            return code != 0 && code != 26 && code <= 28;
        if (m_altMode || letter)
            return true;
        return m_layout->strokeFor(static_cast<char32_t>(code)).has_value();
    }

    int typeable(int from, int to) {
        int code = 0;
        do
            code = from + pick(to - from + 1);
        while (!canType(code));
        return code;
    }

    int typeableCode() { return typeable(1, 126); }

    std::optional<QString> randomTrack(int track, int longest, const QList<int>& sentinels,
                                       int percent) {
        if (pick(100) >= percent)
            return std::nullopt;
        // Track 1: space to _ without its own sentinels % and ?; tracks 2 and 3: digits and =. Up
        // to the track's limit less its sentinels, an empty track included.
        const QString set =
            track == 1
                ? QStringLiteral(" !\"#$&'()*+,-./0123456789:;<=>@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_")
                : QStringLiteral("0123456789=");
        m_inCard = true;
        QString data;
        const int length = pick(longest + 1);
        while (data.size() < length) {
            const QChar c = set.at(pick(static_cast<int>(set.size())));
            if (!sentinels.contains(c.unicode()) && canType(c.unicode()))
                data += c;
        }
        m_inCard = false;
        return data;
    }

    QRandomGenerator& m_random;
    const KeyboardLayout* m_layout = nullptr;
    bool m_altMode = false;
    bool m_inCard = false;
    QList<int> m_sent;
};

inline QString settingsText(const SettingsImage& image) {
    const SwipeFrame frame = swipeFrame(image);
    return QStringLiteral("language %1, ALT %2, case %3, expected %4")
        .arg(frame.language)
        .arg(frame.altMode)
        .arg(frame.caseMode, expectedFrame(image));
}

} // namespace quorvel
