#pragma once

#include "core/keyboard/sent_reading.h"
#include "core/swipe/swipe_check.h"
#include "core/swipe/swipe_frame.h"
#include "core/swipe/swipe_keys.h"

#include <QList>

namespace quorvel {

// Track 1 holds upper-case letters only: letters that arrived in lower case
// fail, naming the reader's case mode and whether Caps Lock was on.
SwipeCheck checkLetterCase(const SwipeKeys& keys, const SentReading& sent,
                           const QList<TrackFound>& tracks, const SwipeFrame& frame,
                           bool capsLockSeen = true);

// The LRC after each end sentinel: present and right with Transmit LRC on,
// absent with it off.
SwipeCheck checkLrc(const SwipeKeys& keys, const QList<TrackFound>& tracks,
                    const SwipeFrame& frame);

// A note of lock keys pressed and of Caps Lock on; empty name when there is nothing to note.
SwipeCheck noteLockKeys(const SentReading& sent);

} // namespace quorvel
