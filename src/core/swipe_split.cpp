#include "swipe_split.h"

namespace quorvel {

bool beginsSwipe(const CapturedKey& previous, const CapturedKey& next, int gapMs) {
    return next.timeMs - previous.timeMs > gapMs;
}

QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs) {
    QList<QList<CapturedKey>> swipes;
    for (const CapturedKey& key : keys) {
        if (swipes.isEmpty() || beginsSwipe(swipes.last().last(), key, gapMs))
            swipes.append(QList<CapturedKey>());
        swipes.last().append(key);
    }
    return swipes;
}

} // namespace quorvel
