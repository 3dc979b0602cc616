#include "core/swipe/swipe_timing.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvel {

SwipeTiming swipeTiming(const QList<CapturedKey>& keys) {
    SwipeTiming timing;
    timing.keys = static_cast<int>(keys.size());
    if (keys.size() < 2)
        return timing;
    timing.durationMs = keys.last().timeMs - keys.first().timeMs;
    QList<qint64> gaps;
    for (qsizetype i = 1; i < keys.size(); ++i)
        gaps << keys.at(i).timeMs - keys.at(i - 1).timeMs;
    std::sort(gaps.begin(), gaps.end());
    timing.minGapMs = gaps.first();
    timing.maxGapMs = gaps.last();
    const qsizetype middle = gaps.size() / 2;
    timing.medianGapMs =
        gaps.size() % 2 ? gaps.at(middle) : (gaps.at(middle - 1) + gaps.at(middle)) / 2;
    return timing;
}

QString timingText(const SwipeTiming& timing) {
    if (timing.keys == 1)
        return QCoreApplication::translate("quorvel::SwipeAnalysis", "1 key");
    return QCoreApplication::translate(
               "quorvel::SwipeAnalysis",
               "%1 keys in %2 ms; gaps between keys: smallest %3 ms, median %4 "
               "ms, largest %5 ms")
        .arg(timing.keys)
        .arg(timing.durationMs)
        .arg(timing.minGapMs)
        .arg(timing.medianGapMs)
        .arg(timing.maxGapMs);
}

} // namespace quorvel
