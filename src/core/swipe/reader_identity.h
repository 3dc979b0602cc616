#pragma once

// The reader model run backward: from what a reader typed, the settings that make
// it type so. Every reading of the keys that the model could have typed is kept;
// where several fit, the compared settings decide, and the others are named.

#include "core/image/setting_fields.h"
#include "core/image/settings_image.h"
#include "core/keyboard/reader_keys.h"
#include "core/swipe/swipe_timing.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

// A field's value as its codes: one for most fields, the characters of a preamble
// or postamble.
using FieldCodes = QList<int>;

struct ToldSetting {
    FieldId id = FieldId::Count;
    FieldCodes value;          // the compared settings' value where it fits
    QList<FieldCodes> alsoFit; // the other values the swipes allow, in the page's order
    QString evidence;          // what in the swipes shows it; never card data
    bool differs = false;      // from the compared settings
    // Another reading of the swipes leaves it open: the keys of its track may be another's.
    bool alsoOpen = false;
};

struct OpenSetting {
    FieldId id = FieldId::Count;
    QString why;
};

struct ReaderIdentity {
    enum class Outcome { Read, Disagree, Unreadable, NoSwipe };
    Outcome outcome = Outcome::NoSwipe;
    QString why;                 // for Disagree and Unreadable
    QList<ToldSetting> told;     // in page order
    QList<OpenSetting> notShown; // settings a swipe shows, left open by these swipes
    QList<FieldId> cannotBeTold; // settings no swipe shows
    SettingsImage image{};       // the compared settings with the told values in them
    QList<SwipeTiming> timing;   // of each swipe, beside the keyboard intercharacter delay
};

struct IdentifyOptions {
    // Whether the keys carry the state of Caps Lock; a terminal's do not.
    bool capsLockSeen = true;
    // The reader language whose layout this computer uses: of languages that type the keys
    // alike, its own is taken. -1 where it is not known.
    int computerLanguage = -1;
};

// One swipe as the ways its keys can be taken: a terminal's digits may be Alt codes or digits.
using SwipeKeyReadings = QList<QList<CapturedKey>>;

ReaderIdentity identifyReader(const QList<SwipeKeyReadings>& swipes, const SettingsImage& compared,
                              const IdentifyOptions& options = {});

// The fields a swipe can show, in page order.
const QList<FieldId>& fieldsASwipeShows();

// A field's value in an image as its codes.
FieldCodes fieldCodes(const SettingsImage& image, FieldId id);

// A value in words, as the Summary and Compare pages word the setting.
QString toldValueWords(FieldId id, const FieldCodes& value);
// Each of the values in words, in their order.
QStringList toldValuesWords(FieldId id, const QList<FieldCodes>& values);
// "Track Order" for a field; its page's caption.
QString toldFieldCaption(FieldId id);
// The captions of the fields, in their order.
QStringList toldFieldCaptions(const QList<FieldId>& ids);

} // namespace quorvel
