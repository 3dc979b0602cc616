#pragma once

// The search behind identifying a reader: every way one reading of a swipe splits
// into preamble, tracks, postamble and terminator as the reader model types them.

#include "core/image/setting_fields.h"
#include "core/swipe/reader_identity.h"

#include <QCoreApplication>
#include <QList>

#include <array>
#include <optional>

namespace quorvel {

// What a reader sent, as reader key codes (-2 for Ctrl+C), read one way.
struct SentCodes {
    QList<int> codes;
    bool alt = false;             // the characters came as Alt codes
    std::optional<bool> capsLock; // nullopt where the keys do not show it
    quint32 languages = 0;        // the languages whose layouts read the keys so
};

// Whether a field's values are the choices of its table: its guesses are masks of them.
bool isChoiceField(FieldId id);
// A mask of every choice of a field.
quint32 allOf(FieldId id);

// One set of settings that types a reading, and the values around it that type it alike.
class ReaderGuess {
    Q_DECLARE_TR_FUNCTIONS(quorvel::ReaderGuess)

public:
    // The choices that fit, a bit per choice in the table's order; all of them where the
    // reading shows nothing of the field.
    quint32 mask(FieldId id) const { return m_masks[static_cast<std::size_t>(id)]; }
    // The values that fit, nullopt for every value.
    std::optional<QList<FieldCodes>> values(FieldId id) const;
    // The same without building lists, for the many readings a search weighs.
    bool isOpen(FieldId id) const;
    bool allows(FieldId id, const FieldCodes& value) const;
    // The one value of a field that is no choice (a sentinel, a preamble); open ones aside.
    FieldCodes codes(FieldId id) const;
    QString evidence(FieldId id) const;

    // The guess both readings make, nullopt where they disagree.
    std::optional<ReaderGuess> mergedWith(const ReaderGuess& other) const;
    // What two guesses must share to be merged, as a key.
    QList<int> framing() const;

private:
    friend class GuessSearch;
    ReaderGuess();

    std::array<quint32, static_cast<std::size_t>(FieldId::Count)> m_masks{};
    std::array<int, 3> m_start{-1, -1, -1}; // -1 for a track that did not come
    int m_end = -1;
    FieldCodes m_preamble;
    FieldCodes m_postamble;
    QList<int> m_tracks;    // as they came
    bool m_flipped = false; // letters came in the case opposite to the settings'
    bool m_letters = false;
    std::optional<bool> m_capsLock;
};

QList<ReaderGuess> guessesFor(const SentCodes& reading);

// The guesses that fit both lists.
QList<ReaderGuess> mergedGuesses(const QList<ReaderGuess>& first, const QList<ReaderGuess>& second);

} // namespace quorvel
