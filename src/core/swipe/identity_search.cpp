#include "core/swipe/identity_search.h"

#include "core/image/setting_choices.h"
#include "core/keyboard/reader_key_codes.h"
#include "core/swipe/swipe_frame.h"

#include <QHash>

namespace quorvel {

namespace {

constexpr int kCtrlCCode = -2;
constexpr int kLongestAmble = 10;
// More ways to read one swipe than any real one has; the rest are not looked at.
constexpr qsizetype kMostGuesses = 20000;

constexpr quint32 bit(int n) {
    return 1u << n;
}
constexpr std::size_t at(FieldId id) {
    return static_cast<std::size_t>(id);
}

// A card's track 1 holds space to _, tracks 2 and 3 hold 0 to ?, each without the
// codes of its own sentinels: the reader types them only as the sentinels it is set to.
struct TrackCharacters {
    int offset;
    int mask;
    char start;
    bool holds(int code) const {
        return code >= offset && code <= offset + mask && code != start && code != '?';
    }
    bool inRange(int code) const { return code >= offset && code <= offset + mask; }
};
constexpr std::array<TrackCharacters, 2> kCharacters{{{0x20, 0x3F, '%'}, {0x30, 0x0F, ';'}}};
constexpr std::size_t characterSet(int track) {
    return track == 1 ? 0 : 1;
}

bool isLetter(int code) {
    return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
}
// A code a preamble, postamble or sentinel can hold.
bool isCode(int code) {
    return code >= 1 && code <= 255;
}

bool comesIn(const QList<int>& tracks, const QList<int>& order) {
    qsizetype next = 0;
    for (int track : order)
        if (next < tracks.size() && tracks.at(next) == track)
            ++next;
    return next == tracks.size();
}

quint32 ordersFor(const QList<int>& tracks) {
    quint32 mask = 0;
    for (std::size_t i = 0; i < kTrackOrders.size(); ++i)
        if (comesIn(tracks, tracksNamedIn(kTrackOrders[i].caption)))
            mask |= bit(static_cast<int>(i));
    return mask;
}

quint32 selectionsFor(const QList<int>& tracks) {
    quint32 mask = 0;
    for (std::size_t i = 0; i < kTrackSelections.size(); ++i) {
        const QList<int> allowed = tracksNamedIn(kTrackSelections[i].caption);
        if (std::all_of(tracks.begin(), tracks.end(), [&](int t) { return allowed.contains(t); }))
            mask |= bit(static_cast<int>(i));
    }
    return mask;
}

// Case choices in the table's order: Lower Case, Upper Case, Universal.
constexpr quint32 kLower = bit(0), kUpper = bit(1), kUniversal = bit(2);

// Upper Case types letters for Caps Lock on, Lower Case for it off, Universal follows it.
quint32 casesFor(bool flipped, std::optional<bool> capsLock) {
    if (!capsLock)
        return allOf(FieldId::Case);
    if (flipped)
        return *capsLock ? kUpper | kUniversal : kUpper;
    return *capsLock ? kLower : kLower | kUniversal;
}

struct TrackChoice {
    QList<int> tracks;  // as they came
    quint32 orders;     // the track orders that send them so
    quint32 selections; // the selections that allow them
};

// Every way one to three tracks can come, with what it says of order and selection.
const std::array<TrackChoice, 15>& trackChoices() {
    static const std::array<TrackChoice, 15> choices = [] {
        const std::array<QList<int>, 15> ways{{{1},
                                               {2},
                                               {3},
                                               {1, 2},
                                               {1, 3},
                                               {2, 1},
                                               {2, 3},
                                               {3, 1},
                                               {3, 2},
                                               {1, 2, 3},
                                               {1, 3, 2},
                                               {2, 1, 3},
                                               {2, 3, 1},
                                               {3, 1, 2},
                                               {3, 2, 1}}};
        std::array<TrackChoice, 15> all;
        for (std::size_t i = 0; i < ways.size(); ++i)
            all[i] = {ways[i], ordersFor(ways[i]), selectionsFor(ways[i])};
        return all;
    }();
    return choices;
}

} // namespace

// Walks every split of one reading: terminator, preamble, tracks with their sentinels and
// LRCs, postamble. Ranges are checked by prefix counts, so one split costs a few lookups.
class GuessSearch {
public:
    GuessSearch(const SentCodes& reading, bool flipped, QList<ReaderGuess>& guesses)
        : m_reading(reading), m_flipped(flipped), m_guesses(guesses) {
        m_codes = reading.codes;
        const qsizetype n = m_codes.size();
        for (qsizetype i = 0; i < n; ++i) {
            m_letters = m_letters || isLetter(m_codes.at(i));
            if (flipped && isLetter(m_codes.at(i)))
                m_codes[i] ^= 0x20;
        }
        for (std::size_t set = 0; set < kCharacters.size(); ++set) {
            m_outside[set].resize(n + 1);
            m_parity[set].resize(n + 1);
            for (qsizetype i = 0; i < n; ++i) {
                const int code = m_codes.at(i);
                m_outside[set][i + 1] = m_outside[set][i] + (kCharacters[set].holds(code) ? 0 : 1);
                m_parity[set][i + 1] =
                    m_parity[set][i] ^ ((code - kCharacters[set].offset) & kCharacters[set].mask);
            }
        }
    }

    void run() {
        const qsizetype n = m_codes.size();
        // A key a terminator sends, last, is taken for the terminator before the postamble:
        // NONE comes last.
        for (std::size_t k = 1; k <= kKeyboardTerminators.size(); ++k) {
            const std::size_t t = k % kKeyboardTerminators.size();
            const int sends = kKeyboardTerminators[t].sends;
            int length = -1;
            if (sends == kSendsNothing)
                length = 0;
            else if (n > 0 && (sends >= 0 || sends == kSendsCtrlC) &&
                     m_codes.last() == (sends == kSendsCtrlC ? kCtrlCCode : sends))
                length = 1;
            if (length < 0)
                continue;
            m_terminator = static_cast<int>(t);
            for (m_lrc = 0; m_lrc <= 1; ++m_lrc)
                framings(n - length);
        }
    }

private:
    void framings(qsizetype length) {
        for (qsizetype p = 0; p <= std::min<qsizetype>(kLongestAmble, length); ++p) {
            if (p > 0 && !isCode(m_codes.at(p - 1)))
                break;
            for (qsizetype q = 0; q <= std::min<qsizetype>(kLongestAmble, length - p); ++q) {
                const qsizetype end = length - q;
                if (q > 0 && !isCode(m_codes.at(end)))
                    break;
                if (end - p < 2 + m_lrc)
                    break;
                m_lastEnd = end - 1 - m_lrc;
                m_endCode = m_codes.at(m_lastEnd);
                if (!isCode(m_endCode))
                    continue;
                m_preambleAt = p;
                m_postambleAt = end;
                m_postambleEnd = length;
                m_ambles = false;
                m_count = 0;
                tracksFrom(p);
            }
        }
    }

    // A track ends at the first end sentinel after its start: the card holds no character
    // the reader types as its end sentinel.
    void tracksFrom(qsizetype start) {
        if (!isCode(m_codes.at(start)))
            return;
        qsizetype e = start + 1;
        while (e < m_lastEnd && m_codes.at(e) != m_endCode)
            ++e;
        m_first[m_count] = start;
        m_last[m_count] = e;
        ++m_count;
        if (e == m_lastEnd)
            numbered();
        else if (m_count < 3 && e + 1 + m_lrc < m_lastEnd)
            tracksFrom(e + 1 + m_lrc);
        --m_count;
    }

    // Gives each track of the split a number, in every way the characters allow.
    void numbered() {
        for (const TrackChoice& choice : trackChoices()) {
            const QList<int>& tracks = choice.tracks;
            if (tracks.size() != m_count || m_guesses.size() >= kMostGuesses)
                continue;
            bool fits = true;
            for (int i = 0; i < m_count && fits; ++i)
                fits = trackFits(tracks.at(i), m_first[i], m_last[i]);
            if (fits)
                add(choice);
        }
    }

    bool trackFits(int track, qsizetype first, qsizetype last) const {
        const std::size_t set = characterSet(track);
        if (m_outside[set][last] - m_outside[set][first + 1] != 0)
            return false;
        if (!m_lrc)
            return true;
        const TrackCharacters& characters = kCharacters[set];
        if (!characters.inRange(m_codes.at(first)) || !characters.inRange(m_endCode))
            return false;
        const int lrc = (m_parity[set][last + 1] ^ m_parity[set][first]) + characters.offset;
        return m_codes.at(last + 1) == lrc;
    }

    void add(const TrackChoice& choice) {
        const QList<int>& tracks = choice.tracks;
        // The preamble and postamble of this split, made once for all its numberings.
        if (!m_ambles) {
            m_preamble = m_codes.mid(0, m_preambleAt);
            m_postamble = m_codes.mid(m_postambleAt, m_postambleEnd - m_postambleAt);
            m_ambles = true;
        }
        ReaderGuess guess;
        guess.m_masks[at(FieldId::KeyboardLanguage)] = m_reading.languages;
        guess.m_masks[at(FieldId::AltMode)] = m_reading.alt ? bit(1) : bit(0);
        guess.m_letters = m_letters && !m_reading.alt;
        guess.m_flipped = m_flipped;
        guess.m_capsLock = m_reading.capsLock;
        if (guess.m_letters)
            guess.m_masks[at(FieldId::Case)] = casesFor(m_flipped, m_reading.capsLock);
        guess.m_masks[at(FieldId::KeyboardTerminator)] = bit(m_terminator);
        guess.m_masks[at(FieldId::TransmitLrc)] = bit(m_lrc);
        guess.m_masks[at(FieldId::TrackOrder)] = choice.orders;
        guess.m_masks[at(FieldId::TrackSelection)] = choice.selections;
        for (int i = 0; i < m_count; ++i) {
            const int track = tracks.at(i);
            guess.m_start[static_cast<std::size_t>(track - 1)] = m_codes.at(m_first[i]);
            // The account number ends at the first field separator: one that came shows it all
            // came.
            if (track == 2 && m_codes.mid(m_first[i] + 1, m_last[i] - m_first[i] - 1).contains('='))
                guess.m_masks[at(FieldId::Track2AccountOnly)] = bit(0);
        }
        guess.m_end = m_endCode;
        guess.m_preamble = m_preamble;
        guess.m_postamble = m_postamble;
        guess.m_tracks = tracks;
        m_guesses << guess;
    }

    const SentCodes& m_reading;
    bool m_flipped;
    QList<ReaderGuess>& m_guesses;
    QList<int> m_codes;
    bool m_letters = false;
    std::array<QList<int>, 2> m_outside; // characters a track cannot hold, before each index
    std::array<QList<int>, 2> m_parity;  // the LRC's parity before each index
    int m_terminator = 0;
    int m_lrc = 0;
    qsizetype m_lastEnd = 0;
    int m_endCode = 0;
    qsizetype m_preambleAt = 0, m_postambleAt = 0, m_postambleEnd = 0;
    bool m_ambles = false;
    FieldCodes m_preamble, m_postamble;
    std::array<qsizetype, 3> m_first{}, m_last{};
    int m_count = 0;
};

QList<ReaderGuess> guessesFor(const SentCodes& reading) {
    QList<ReaderGuess> guesses;
    GuessSearch(reading, false, guesses).run();
    // A reader that types letters for Caps Lock sends each in the other case; the card's own
    // letters tell which, where it has any.
    const bool letters = std::any_of(reading.codes.begin(), reading.codes.end(), isLetter);
    if (letters && !reading.alt)
        GuessSearch(reading, true, guesses).run();
    return guesses;
}

QList<ReaderGuess> mergedGuesses(const QList<ReaderGuess>& first,
                                 const QList<ReaderGuess>& second) {
    QHash<QList<int>, QList<const ReaderGuess*>> byFraming;
    for (const ReaderGuess& guess : second)
        byFraming[guess.framing()] << &guess;
    QList<ReaderGuess> both;
    for (const ReaderGuess& guess : first)
        for (const ReaderGuess* other : byFraming.value(guess.framing())) {
            if (both.size() >= kMostGuesses)
                return both;
            if (std::optional<ReaderGuess> merged = guess.mergedWith(*other))
                both << *merged;
        }
    return both;
}

} // namespace quorvel
