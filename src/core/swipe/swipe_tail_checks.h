#pragma once

#include "core/swipe/swipe_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/swipe_keys.h"
#include "core/swipe/swipe_track_checks.h"

namespace quorvel {

struct TailChecks {
    SwipeCheck postamble;
    SwipeCheck terminator;
};

// Checks what came after the card data, from tailStart on, against postamble and terminator.
TailChecks checkTail(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                     int tailStart);

} // namespace quorvel
