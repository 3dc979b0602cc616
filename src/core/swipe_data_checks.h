#pragma once

#include "sent_reading.h"
#include "swipe_check.h"
#include "swipe_frame.h"
#include "swipe_keys.h"

#include <QList>

namespace quorvel {

// Track 1 holds upper-case letters only: letters that arrived in lower case
// fail, naming the reader's case mode and whether Caps Lock was on.
SwipeCheck checkLetterCase(const SwipeKeys& keys, const SentReading& sent, const QList<TrackFound>& tracks,
                           const SwipeFrame& frame,
                           bool capsLockSeen = true);

// The LRC after each end sentinel: present and right with Transmit LRC on,
// absent with it off.
SwipeCheck checkLrc(const SwipeKeys& keys, const QList<TrackFound>& tracks, const SwipeFrame& frame);

// A note of lock keys pressed and of Caps Lock on; empty name when there is nothing to note.
SwipeCheck noteLockKeys(const SentReading& sent);

} // namespace quorvel
