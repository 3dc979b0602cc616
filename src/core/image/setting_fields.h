#pragma once

#include "core/image/setting_choices.h"
#include "core/image/settings_image.h"

#include <QList>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <span>

namespace quorvel {

// The setting pages in menu order, as far as they own fields of the image.
enum class PageId {
    InterCharDelay,
    KeyboardLanguage,
    Terminator,
    MagneticCard,
    Amble,
    GeneralParameter,
    None
};
inline constexpr std::size_t kSettingPageCount = 6;

enum class FieldKind {
    Choice,    // one of its choices; other codes are unknown
    Flag,      // one bit, off or on
    Character, // a key code of the reader
    Number,    // a whole byte
    String,    // consecutive character bytes, ending at the first 0
};

// Every field in the order the command-line tool lists them, then the fields
// no named setting shows.
enum class FieldId {
    TrackOrder,
    TrackSelection,
    TransmitLrc,
    Track2AccountOnly,
    IbmFormat,
    StartSentinel1,
    StartSentinel2,
    StartSentinel3,
    EndSentinel,
    Stx,
    Dle1,
    Dle2,
    Dle3,
    KeyboardTerminator,
    Rs232Terminator,
    KeyboardLanguage,
    AltMode,
    Case,
    BuzzerPitch,
    BuzzerDuration,
    PowerOnBeeper,
    KeyboardDelay,
    Rs232Delay,
    Preamble,
    Postamble,
    FunctionKeys,
    Interface,
    Count
};

// One field of the settings image: where it lives and how it is named.
struct Field {
    FieldId id;
    const char* key; // the command-line tool's name; nullptr for a field no setting names
    int byte;        // the first byte
    int mask;        // its bits; the value is them shifted down to bit 0
    FieldKind kind;
    std::span<const NamedCode> choices;
    PageId page;
    int slot;            // its position on the page, as the Summary lists it
    const char* caption; // of its label, frame, tab or box there, in context quorvel::SettingFields
    int length = 1;      // bytes, more than one for a string
    int pageMask = 0;    // the bits its page reads, where fewer than its own; 0 for all of them
};

inline constexpr std::array<Field, static_cast<std::size_t>(FieldId::Count)> kFields{{
    // The Magnetic Card page picks its button by bits 0-2 alone, and writes the whole code back;
    // everything that describes the image reads the whole code.
    {FieldId::TrackOrder, "track-order", 32, 0x7F, FieldKind::Choice, kTrackOrders,
     PageId::MagneticCard, 0, QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track Order"), 1, 0x07},
    {FieldId::TrackSelection, "track-selection", 63, 0xFF, FieldKind::Choice, kTrackSelections,
     PageId::MagneticCard, 1, QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track Selection")},
    {FieldId::TransmitLrc, "transmit-lrc", 32, 0x80, FieldKind::Flag, kOnOff, PageId::MagneticCard,
     12, QT_TRANSLATE_NOOP("quorvel::SettingFields", "Transmit LRC")},
    {FieldId::Track2AccountOnly, "track2-account-only", 4, 0x80, FieldKind::Flag, kOnOff,
     PageId::MagneticCard, 10,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 2 Account No. Only")},
    {FieldId::IbmFormat, "ibm-format", 4, 0x40, FieldKind::Flag, kOnOff, PageId::MagneticCard, 11,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "IBM Format")},
    {FieldId::StartSentinel1,
     "start-sentinel-1",
     53,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     2,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 1 Start Sentinel")},
    {FieldId::StartSentinel2,
     "start-sentinel-2",
     54,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     3,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 2 Start Sentinel")},
    {FieldId::StartSentinel3,
     "start-sentinel-3",
     55,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     4,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 3 Start Sentinel")},
    {FieldId::EndSentinel,
     "end-sentinel",
     46,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     5,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 1/2/3 End Sentinel")},
    {FieldId::Stx,
     "stx",
     59,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     9,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "STX Character")},
    {FieldId::Dle1,
     "dle-1",
     60,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     6,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 1 DLE Character")},
    {FieldId::Dle2,
     "dle-2",
     61,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     7,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 2 DLE Character")},
    {FieldId::Dle3,
     "dle-3",
     62,
     0xFF,
     FieldKind::Character,
     {},
     PageId::MagneticCard,
     8,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Track 3 DLE Character")},
    {FieldId::KeyboardTerminator, "keyboard-terminator", 50, 0xFF, FieldKind::Choice,
     kKeyboardTerminators, PageId::Terminator, 0,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Keyboard")},
    {FieldId::Rs232Terminator, "rs232-terminator", 39, 0xFF, FieldKind::Choice, kRs232Terminators,
     PageId::Terminator, 1, QT_TRANSLATE_NOOP("quorvel::SettingFields", "RS-232")},
    {FieldId::KeyboardLanguage, "keyboard-language", 48, 0xFF, FieldKind::Choice,
     kKeyboardLanguages, PageId::KeyboardLanguage, 0,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Language for Keyboard Interface")},
    {FieldId::AltMode, "alt-mode", 52, 0x40, FieldKind::Flag, kOnOff, PageId::KeyboardLanguage, 1,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "ALT Mode")},
    {FieldId::Case, "case", 52, 0x0F, FieldKind::Choice, kCaseModes, PageId::GeneralParameter, 0,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Case")},
    {FieldId::BuzzerPitch,
     "buzzer-pitch",
     57,
     0xFF,
     FieldKind::Number,
     {},
     PageId::GeneralParameter,
     1,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Buzzer Pitch")},
    {FieldId::BuzzerDuration,
     "buzzer-duration",
     58,
     0xFF,
     FieldKind::Number,
     {},
     PageId::GeneralParameter,
     2,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Buzzer Duration")},
    {FieldId::PowerOnBeeper, "power-on-beeper", 35, 0x04, FieldKind::Flag, kOnOff,
     PageId::GeneralParameter, 3, QT_TRANSLATE_NOOP("quorvel::SettingFields", "Power On Beeper")},
    {FieldId::KeyboardDelay,
     "keyboard-delay",
     51,
     0xFF,
     FieldKind::Number,
     {},
     PageId::InterCharDelay,
     0,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Start Keyboard Setting")},
    {FieldId::Rs232Delay,
     "rs232-delay",
     41,
     0xFF,
     FieldKind::Number,
     {},
     PageId::InterCharDelay,
     1,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Start RS-232 Setting")},
    {FieldId::Preamble,
     "preamble",
     80,
     0xFF,
     FieldKind::String,
     {},
     PageId::Amble,
     0,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Preamble"),
     10},
    {FieldId::Postamble,
     "postamble",
     91,
     0xFF,
     FieldKind::String,
     {},
     PageId::Amble,
     1,
     QT_TRANSLATE_NOOP("quorvel::SettingFields", "Postamble"),
     10},
    // Function key emulation cannot work beside the ALT mode; no page shows it.
    {FieldId::FunctionKeys, nullptr, 52, 0x20, FieldKind::Flag, kOnOff, PageId::None, 0, nullptr},
    // The interface the companion program writes through.
    {FieldId::Interface, nullptr, 127, 0xFF, FieldKind::Number, {}, PageId::None, 0, nullptr},
}};

constexpr const Field& field(FieldId id) {
    return kFields[static_cast<std::size_t>(id)];
}

// The lowest bit of a mask, by which a field's value is shifted.
constexpr int fieldShift(const Field& f) {
    int shift = 0;
    while (((f.mask >> shift) & 1) == 0)
        ++shift;
    return shift;
}

// The largest value the field holds.
constexpr int fieldMaximum(const Field& f) {
    return f.mask >> fieldShift(f);
}

// The value of a field, of its index-th byte for a string.
int fieldValue(const SettingsImage& image, FieldId id, int index = 0);
// The value as the field's page reads it: the field's pageMask, where it has one.
int pageValue(const SettingsImage& image, FieldId id, int index = 0);
// Stores a value into the field's bits, keeping the other bits of its byte; a value too large for
// the field keeps only the bits it has room for.
void setFieldValue(SettingsImage& image, FieldId id, int value, int index = 0);

// A string field's codes, up to its first 0.
QList<int> stringCodes(const SettingsImage& image, FieldId id);
// Stores a string's codes, 0 in the bytes after them; codes past the field's length are left out.
void setStringCodes(SettingsImage& image, FieldId id, const QList<int>& codes);

// The choice a choice or flag field holds; nullptr for a code its choices do not name.
const NamedCode* fieldChoice(const SettingsImage& image, FieldId id);

// The field whose command-line name is key (any case); nullptr when none.
const Field* fieldOfKey(const char* key);

namespace field_checks {
constexpr bool inOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (static_cast<std::size_t>(kFields[i].id) != i)
            return false;
    return true;
}
// Fields sharing a byte hold different bits, and no two fields share a place on a page.
constexpr bool disjoint() {
    for (const Field& a : kFields)
        for (const Field& b : kFields) {
            if (&a == &b)
                continue;
            const bool overlap = a.byte < b.byte + b.length && b.byte < a.byte + a.length;
            if (overlap && (a.mask & b.mask) != 0)
                return false;
            if (a.page != PageId::None && a.page == b.page && a.slot == b.slot)
                return false;
        }
    return true;
}
constexpr bool fitImage() {
    for (const Field& f : kFields)
        if (f.mask <= 0 || f.mask > 0xFF || f.byte < 0 || f.byte + f.length > kImageSize ||
            (f.pageMask & ~f.mask) != 0)
            return false;
    return true;
}
} // namespace field_checks

static_assert(field_checks::inOrder(), "kFields lists the fields in the order of FieldId");
static_assert(field_checks::disjoint(), "two fields hold the same bits or the same place");
static_assert(field_checks::fitImage(),
              "a field lies outside the image or its page reads other bits");

} // namespace quorvel
