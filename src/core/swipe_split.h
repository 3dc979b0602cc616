#pragma once

#include "reader_keys.h"

#include <QList>

namespace quorvel {

inline constexpr int kDefaultSwipeGapMs = 500;
inline constexpr int kMinSwipeGapMs = 50;
inline constexpr int kMaxSwipeGapMs = 5000;

// A pause longer than gapMs ends a swipe; the next key begins another.
bool beginsSwipe(const CapturedKey& previous, const CapturedKey& next, int gapMs);
// Splits the recorded keys into swipes.
QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs);

} // namespace quorvel
