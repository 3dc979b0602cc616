#include "core/swipe/reader_identity.h"

#include "core/image/setting_choices.h"
#include "core/image/setting_words.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/reader_key_codes.h"
#include "core/keyboard/sent_reading.h"
#include "core/swipe/identity_search.h"
#include "core/swipe/swipe_frame.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

constexpr int kCtrlCCode = -2;

// The codes of what a reader sent, or nothing for a key no reader code stands for.
std::optional<QList<int>> sentCodes(const SentReading& reading) {
    QList<int> codes;
    codes.reserve(reading.keys.size());
    for (const SentKey& sent : reading.keys) {
        const KeyPress& key = sent.key;
        if (key.key == Qt::Key_C && key.modifiers.testFlag(Qt::ControlModifier)) {
            codes << kCtrlCCode;
            continue;
        }
        const int code = readerKeyCode(key);
        if (code < 0)
            return std::nullopt;
        codes << code;
    }
    return codes;
}

// Whether every character came as an Alt code (ALT mode), none did, or the two mixed.
std::optional<bool> altModeOf(const SentReading& reading, const QList<int>& codes) {
    int characters = 0;
    for (int i = 0; i < codes.size(); ++i)
        if (codes.at(i) >= kSpaceCode && codes.at(i) <= kLastCharacterCode)
            ++characters;
    if (reading.altCodes == 0)
        return false;
    if (reading.altCodes == characters)
        return true;
    return std::nullopt;
}

// Each swipe's readings: one per way its keys can be taken and languages that read them alike.
QList<SentCodes> readingsOf(const SwipeKeyReadings& ways, bool capsLockSeen) {
    QList<SentCodes> readings;
    const auto add = [&](SentCodes reading) {
        for (SentCodes& known : readings)
            if (known.codes == reading.codes && known.alt == reading.alt &&
                known.capsLock == reading.capsLock) {
                known.languages |= reading.languages;
                return;
            }
        readings << reading;
    };
    for (const QList<CapturedKey>& keys : ways) {
        // Keys without positions read alike on every layout: once is enough.
        const bool positions = std::any_of(keys.begin(), keys.end(), [](const CapturedKey& key) {
            return key.position != kNoPosition;
        });
        for (int language = 0; language < (positions ? KeyboardLayout::kLanguages : 1);
             ++language) {
            const SentReading sent = readAsSent(keys, language);
            const std::optional<QList<int>> codes = sentCodes(sent);
            if (!codes || codes->isEmpty())
                continue;
            const std::optional<bool> alt = altModeOf(sent, *codes);
            if (!alt)
                continue;
            // No layout changes an Alt code: in ALT mode every language reads the keys alike.
            const quint32 languages =
                *alt || !positions ? allOf(FieldId::KeyboardLanguage) : 1u << language;
            add(SentCodes{*codes, *alt,
                          capsLockSeen ? std::optional<bool>(sent.capsLock) : std::nullopt,
                          languages});
        }
    }
    return readings;
}

} // namespace

FieldCodes fieldCodes(const SettingsImage& image, FieldId id) {
    return field(id).kind == FieldKind::String ? stringCodes(image, id)
                                               : FieldCodes{fieldValue(image, id)};
}

namespace {

void setValue(SettingsImage& image, FieldId id, const FieldCodes& value) {
    if (field(id).kind == FieldKind::String)
        setStringCodes(image, id, value);
    else
        setFieldValue(image, id, value.value(0));
}

struct FieldValues {
    QList<FieldCodes> values; // in the page's order for a choice
    bool open = false;        // some reading allows every value
};

// The values a set of readings allows for a field, besides those that allow every value.
FieldValues unionOf(const QList<ReaderGuess>& guesses, FieldId id) {
    FieldValues all;
    quint32 choices = 0;
    for (const ReaderGuess& guess : guesses) {
        if (guess.isOpen(id)) {
            all.open = true;
        } else if (isChoiceField(id)) {
            choices |= guess.mask(id);
        } else if (const FieldCodes value = guess.codes(id); !all.values.contains(value)) {
            all.values << value;
        }
    }
    if (isChoiceField(id)) // in the page's order
        for (std::size_t i = 0; i < field(id).choices.size(); ++i)
            if (choices >> i & 1u)
                all.values << FieldCodes{field(id).choices[i].code};
    return all;
}

// How well a reading agrees with the compared settings: a point for each value it keeps, one
// off for each it contradicts; a field it leaves open does neither.
int score(const ReaderGuess& guess, const QList<FieldCodes>& compared, int computerLanguage) {
    int points = 0;
    const QList<FieldId>& fields = fieldsASwipeShows();
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (!guess.isOpen(fields.at(i)))
            points += guess.allows(fields.at(i), compared.at(i)) ? 2 : -2;
    if (computerLanguage >= 0 && (guess.mask(FieldId::KeyboardLanguage) >> computerLanguage & 1u))
        ++points;
    return points;
}

QString whyNotShown(FieldId id, const ReaderGuess& best) {
    switch (id) {
    case FieldId::KeyboardLanguage:
        return best.mask(FieldId::AltMode) == 0b10
                   ? tr("in ALT mode every language types the same keys")
                   : tr("the keys read alike on every layout");
    case FieldId::Case:
        return tr("no letter came, or Caps Lock could not be seen");
    case FieldId::Track2AccountOnly:
        return tr("no field separator (=) came on track 2");
    case FieldId::StartSentinel1:
    case FieldId::StartSentinel2:
    case FieldId::StartSentinel3:
        return tr("the track did not come, or cannot be told from another");
    default:
        return tr("the swipes allow every value");
    }
}

QString disagreement(const QList<QList<ReaderGuess>>& perSwipe) {
    for (FieldId id : fieldsASwipeShows()) {
        std::optional<QList<FieldCodes>> common;
        for (const QList<ReaderGuess>& guesses : perSwipe) {
            const FieldValues values = unionOf(guesses, id);
            if (values.open)
                continue;
            if (!common) {
                common = values.values;
                continue;
            }
            QList<FieldCodes> both;
            for (const FieldCodes& value : values.values)
                if (common->contains(value))
                    both << value;
            common = both;
        }
        if (common && common->isEmpty())
            return tr("the swipes disagree on %1").arg(toldFieldCaption(id));
    }
    return tr("the swipes disagree: no one set of settings types them all");
}

} // namespace

const QList<FieldId>& fieldsASwipeShows() {
    static const QList<FieldId> fields = [] {
        QList<FieldId> ids{
            FieldId::TrackOrder,        FieldId::TrackSelection, FieldId::TransmitLrc,
            FieldId::Track2AccountOnly, FieldId::StartSentinel1, FieldId::StartSentinel2,
            FieldId::StartSentinel3,    FieldId::EndSentinel,    FieldId::KeyboardTerminator,
            FieldId::KeyboardLanguage,  FieldId::AltMode,        FieldId::Case,
            FieldId::Preamble,          FieldId::Postamble};
        std::stable_sort(ids.begin(), ids.end(), [](FieldId a, FieldId b) {
            return std::pair(field(a).page, field(a).slot) <
                   std::pair(field(b).page, field(b).slot);
        });
        return ids;
    }();
    return fields;
}

QString toldValueWords(FieldId id, const FieldCodes& value) {
    SettingsImage image{};
    setValue(image, id, value);
    return settingWords(QLatin1String(field(id).key), image);
}

QString toldFieldCaption(FieldId id) {
    return settingCaption(QLatin1String(field(id).key));
}

QStringList toldValuesWords(FieldId id, const QList<FieldCodes>& values) {
    QStringList words;
    for (const FieldCodes& value : values)
        words << toldValueWords(id, value);
    return words;
}

QStringList toldFieldCaptions(const QList<FieldId>& ids) {
    QStringList captions;
    for (FieldId id : ids)
        captions << toldFieldCaption(id);
    return captions;
}

ReaderIdentity identifyReader(const QList<SwipeKeyReadings>& swipes, const SettingsImage& compared,
                              const IdentifyOptions& options) {
    ReaderIdentity identity;
    identity.image = compared;
    for (const Field& f : kFields)
        if (f.page != PageId::None && !fieldsASwipeShows().contains(f.id))
            identity.cannotBeTold << f.id;
    if (swipes.isEmpty())
        return identity;

    QList<QList<ReaderGuess>> perSwipe;
    for (qsizetype n = 0; n < swipes.size(); ++n) {
        identity.timing << swipeTiming(swipes.at(n).value(0));
        QList<ReaderGuess> guesses;
        for (const SentCodes& reading : readingsOf(swipes.at(n), options.capsLockSeen))
            guesses << guessesFor(reading);
        if (guesses.isEmpty()) {
            identity.outcome = ReaderIdentity::Outcome::Unreadable;
            identity.why =
                swipes.size() == 1
                    ? tr("the keys read as no frame a reader types, on any layout")
                    : tr("swipe %1 reads as no frame a reader types, on any layout").arg(n + 1);
            return identity;
        }
        perSwipe << guesses;
    }
    QList<ReaderGuess> fitting = perSwipe.first();
    for (qsizetype n = 1; n < perSwipe.size(); ++n)
        fitting = mergedGuesses(fitting, perSwipe.at(n));
    if (fitting.isEmpty()) {
        identity.outcome = ReaderIdentity::Outcome::Disagree;
        identity.why = disagreement(perSwipe);
        return identity;
    }

    identity.outcome = ReaderIdentity::Outcome::Read;
    QList<FieldCodes> comparedValues;
    for (FieldId id : fieldsASwipeShows())
        comparedValues << fieldCodes(compared, id);
    const ReaderGuess* best = &fitting.first();
    int bestScore = score(*best, comparedValues, options.computerLanguage);
    for (const ReaderGuess& guess : fitting)
        if (const int points = score(guess, comparedValues, options.computerLanguage);
            points > bestScore) {
            best = &guess;
            bestScore = points;
        }
    for (FieldId id : fieldsASwipeShows()) {
        const FieldValues all = unionOf(fitting, id);
        const std::optional<QList<FieldCodes>> own = best->values(id);
        if (!own) {
            identity.notShown << OpenSetting{id, whyNotShown(id, *best)};
            continue;
        }
        const FieldCodes comparedValue = fieldCodes(compared, id);
        FieldCodes value = own->first();
        if (own->contains(comparedValue))
            value = comparedValue;
        else if (id == FieldId::KeyboardLanguage &&
                 own->contains(FieldCodes{options.computerLanguage}))
            value = FieldCodes{options.computerLanguage};
        ToldSetting told{id, value, {}, best->evidence(id), value != comparedValue, all.open};
        for (const FieldCodes& other : all.values)
            if (other != value)
                told.alsoFit << other;
        setValue(identity.image, id, value);
        identity.told << told;
    }
    return identity;
}

} // namespace quorvel
