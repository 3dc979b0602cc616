#pragma once

// The swipe analysis: keys with their times and a settings image in, tokens,
// timing and check results out. Each concern has its own unit; this one puts
// them together.

#include "card_number_mask.h"
#include "reader_keys.h"
#include "session.h"
#include "swipe_check.h"
#include "swipe_frame.h"
#include "swipe_split.h"
#include "swipe_timing.h"

#include <QList>
#include <QStringList>

namespace quorvel {

struct SwipeAnalysis {
    // As shown: card numbers masked unless they were asked for.
    QStringList tokens;
    SwipeTiming timing;
    QList<TrackFound> tracks;
    QList<SwipeCheck> checks; // preamble, postamble, terminator, tracks, track order, track selection
};

// Checks one swipe against what the settings image makes the reader send.
SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers = CardNumbers::Masked);

} // namespace quorvel
