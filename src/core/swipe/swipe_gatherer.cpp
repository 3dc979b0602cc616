#include "core/swipe/swipe_gatherer.h"

namespace quorvel {

SwipeGatherer::Step SwipeGatherer::add(const CapturedKey& key, bool lookForTerminator) {
    Step step;
    if (pauseEnds(m_swipe, key, m_gapMs))
        step.ended = std::exchange(m_swipe, {});
    step.began = m_swipe.isEmpty();
    m_swipe << key;
    // A lone key ends no terminator, and the swipe before a pause is handed on first.
    if (step.began || !lookForTerminator)
        return step;
    if (const int end = terminatorEnd(m_swipe, m_frame); end >= 0) {
        step.rest = m_swipe.mid(end + 1);
        m_swipe.resize(end + 1);
        step.ended = std::exchange(m_swipe, {});
    }
    return step;
}

void SwipeGatherer::resume(const QList<CapturedKey>& swipe) {
    m_swipe = !swipe.isEmpty() && terminatorEnd(swipe, m_frame) == swipe.size() - 1
                  ? QList<CapturedKey>()
                  : swipe;
}

} // namespace quorvel
