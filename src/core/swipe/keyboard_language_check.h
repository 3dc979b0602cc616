#pragma once

#include "core/keyboard/xkb_layout_name.h"
#include "core/swipe/swipe_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/swipe_readings.h"

#include <QString>

#include <optional>

namespace quorvel {

// The checks that compare the two readings of a swipe.
struct LanguageChecks {
    SwipeCheck language; // "Keyboard language"
    SwipeCheck altMode;  // "ALT mode"; empty name when neither the settings nor the swipe use it
    // The language whose layout this computer's keys match, to offer for the
    // reader; -1 when none can be told or the reader's already fits.
    int suggested = -1;
};

struct LanguageCheckContext {
    // Why the keyboard language is not checked when the keys carry no positions.
    QString withoutPositions;
    // Whether this computer turns Alt + keypad codes into characters (Windows does).
    bool composesAltCodes = false;
    // This computer's active layout, where the window system tells it: of the
    // languages that type the keys alike, its own is the one to offer.
    std::optional<XkbLayoutName> computerLayout;
};

LanguageChecks checkLanguage(const QList<CapturedKey>& keys, const SwipeReadings& readings,
                             const SwipeFrame& frame, const LanguageCheckContext& context);

// "GERMANY" for 3; "byte 48 = 17" style text for a code that names no language.
QString languageName(int code);

} // namespace quorvel
