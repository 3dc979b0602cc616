#pragma once

#include "core/swipe/swipe_split.h"

#include <QList>

#include <utility>

namespace quorvel {

// Gathers keys one by one into swipes as splitSwipes splits them at once: a pause ends a
// swipe, and so does the terminator the reader is set to send.
class SwipeGatherer {
public:
    struct Step {
        // The swipe the key completed, empty while it goes on: the one before the pause that
        // precedes the key, or the one the terminator ended.
        QList<CapturedKey> ended;
        // Keys gathered past that terminator, the key among them: a tail that turned out not
        // to be the postamble. They begin the next swipe and are to be added again.
        QList<CapturedKey> rest;
        // Whether the key began the swipe now gathered.
        bool began = false;
    };

    explicit SwipeGatherer(int gapMs = kDefaultSwipeGapMs) : m_gapMs(gapMs) {}

    void setGap(int gapMs) { m_gapMs = gapMs; }
    // What the reader is set to send, for its terminator; none is known until set.
    void setFrame(const SwipeFrame& frame) { m_frame = frame; }

    // The keys gathered since the last swipe was handed on; card data, held in memory only.
    const QList<CapturedKey>& swipe() const { return m_swipe; }

    // lookForTerminator false spares the search where the key cannot end a terminator.
    Step add(const CapturedKey& key, bool lookForTerminator = true);
    // Adds a key that ends nothing, where something else than a pause ends a swipe.
    void append(const CapturedKey& key) { m_swipe << key; }
    QList<CapturedKey> take() { return std::exchange(m_swipe, {}); }
    void clear() { m_swipe.clear(); }
    // Goes on gathering after keys split at once into the last of their swipes, unless its
    // terminator ended it.
    void resume(const QList<CapturedKey>& swipe);

private:
    int m_gapMs;
    SwipeFrame m_frame;
    QList<CapturedKey> m_swipe;
};

} // namespace quorvel
