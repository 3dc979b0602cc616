#pragma once

#include "core/keyboard/reader_keys.h"

#include <QList>
#include <QString>

namespace quorvel {

struct SwipeTiming {
    int keys = 0;
    qint64 durationMs = 0; // first key to last
    // Between consecutive keys; all 0 for a single key.
    qint64 minGapMs = 0;
    qint64 medianGapMs = 0;
    qint64 maxGapMs = 0;
};

SwipeTiming swipeTiming(const QList<CapturedKey>& keys);

// "5 keys in 40 ms; gaps between keys: smallest 8 ms, median 10 ms, largest 12 ms".
QString timingText(const SwipeTiming& timing);

} // namespace quorvel
