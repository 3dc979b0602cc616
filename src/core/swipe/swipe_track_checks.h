#pragma once

#include "core/swipe/swipe_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/swipe_keys.h"

#include <QList>

namespace quorvel {

// Where the card data lies in a swipe.
struct DataRegion {
    int start = 0; // the first key after the preamble, or the first start sentinel
    int end = 0;   // the first key of postamble and terminator when they came, else the count
    bool tailMatched = false; // postamble and terminator came at the end as set
};

DataRegion dataRegion(const SwipeKeys& keys, const SwipeFrame& frame);

SwipeCheck checkPreamble(const SwipeKeys& keys, const SwipeFrame& frame);

struct TracksFound {
    QList<TrackFound> tracks;
    SwipeCheck check;
    int tailStart = 0; // the first key after the last track
};

// Splits the data between preamble and postamble into tracks.
TracksFound findTracks(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region);

SwipeCheck checkOrder(const QList<TrackFound>& tracks, const SwipeFrame& frame);
SwipeCheck checkSelection(const QList<TrackFound>& tracks, const SwipeFrame& frame);

} // namespace quorvel
