#pragma once

#include "swipe_check.h"
#include "swipe_frame.h"
#include "swipe_keys.h"
#include "swipe_track_checks.h"

namespace quorvel {

struct TailChecks {
    SwipeCheck postamble;
    SwipeCheck terminator;
};

// Checks what came after the card data, from tailStart on, against postamble and terminator.
TailChecks checkTail(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region, int tailStart);

} // namespace quorvel
