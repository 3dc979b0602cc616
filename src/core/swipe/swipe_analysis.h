#pragma once

// The swipe analysis: keys with their times and a settings image in, tokens,
// timing and check results out. Each concern has its own unit; this one puts
// them together.

#include "core/image/settings_image.h"
#include "core/keyboard/reader_keys.h"
#include "core/keyboard/xkb_layout_name.h"
#include "core/swipe/card_number_mask.h"
#include "core/swipe/swipe_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/swipe_split.h"
#include "core/swipe/swipe_timing.h"

#include <QList>
#include <QStringList>

namespace quorvel {

struct SwipeAnalysis {
    // What the reader sent, decoded with its keyboard language, as shown:
    // card numbers masked unless they were asked for. The checks judge it.
    QStringList tokens;
    // What this computer received, masked the same way.
    QStringList received;
    bool readingsDiffer = false;
    SwipeTiming timing;
    QList<TrackFound> tracks;
    // Keyboard language, ALT mode (when used), preamble, postamble, terminator,
    // tracks, track order, track selection, letter case, LRC, lock keys (when pressed).
    QList<SwipeCheck> checks;
    // The keyboard language to offer for the reader, -1 for none.
    int suggestedLanguage = -1;
};

struct SwipeOptions {
    CardNumbers cardNumbers = CardNumbers::Masked;
    // Why the keyboard language is not checked when the keys carry no positions,
    // as a terminal would say it; empty for the general reason.
    QString withoutPositions;
    // Whether this computer turns Alt + keypad codes into characters.
    bool composesAltCodes = false;
    // Whether the keys carry the state of Caps Lock; a terminal's do not.
    bool capsLockSeen = true;
    // This computer's active layout, where it is known.
    std::optional<XkbLayoutName> computerLayout;
};

// Checks one swipe against what the settings image makes the reader send.
SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers = CardNumbers::Masked);
SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           const SwipeOptions& options);

} // namespace quorvel
