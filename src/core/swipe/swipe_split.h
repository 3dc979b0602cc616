#pragma once

#include "core/image/settings_image.h"
#include "core/keyboard/reader_keys.h"
#include "core/swipe/swipe_frame.h"

#include <QList>

namespace quorvel {

inline constexpr int kDefaultSwipeGapMs = 500;
inline constexpr int kMinSwipeGapMs = 50;
inline constexpr int kMaxSwipeGapMs = 5000;

// A pause longer than gapMs ends a swipe; the next key begins another.
bool beginsSwipe(const CapturedKey& previous, const CapturedKey& next, int gapMs);
// Whether keys are a swipe at all: lock keys pressed alone are not.
bool isSwipe(const QList<CapturedKey>& keys);
// Whether a pause before the next key ends the swipe gathered so far; keys gathered one by
// one are split by this as splitSwipes splits them at once.
bool pauseEnds(const QList<CapturedKey>& swipe, const CapturedKey& next, int gapMs);
// Splits the recorded keys into swipes at the pauses only.
QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs);

// The captured keys, of keys typed without a pause, after which the reader's
// terminator ended a swipe: outside the tracks and after at least one of them,
// so that a terminator key in the preamble or the card data (a blank in a name)
// ends nothing. Empty where the terminator is none or unknown.
QList<int> terminatorEnds(const QList<CapturedKey>& keys, const SwipeFrame& frame);
// The first of them, -1 for none: for keys gathered one by one into a swipe, the
// key after it begins the next swipe.
int terminatorEnd(const QList<CapturedKey>& keys, const SwipeFrame& frame);
// Splits the recorded keys into swipes at the pauses and after the terminator
// the settings make the reader send.
QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs,
                                      const SettingsImage& image);

} // namespace quorvel
