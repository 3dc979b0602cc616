#include "swipe_analysis.h"

#include "swipe_keys.h"
#include "swipe_tail_checks.h"
#include "swipe_track_checks.h"

namespace quorvel {

SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers) {
    QStringList raw;
    for (const CapturedKey& key : keys)
        raw << keyToken(key);
    SwipeAnalysis analysis;
    // Every run is masked, not only those inside tracks that were recognised:
    // a swipe that fails its checks is still card data.
    analysis.tokens = cardNumbers == CardNumbers::Shown ? raw : maskCardNumbers(raw);
    analysis.timing = swipeTiming(keys);

    const SwipeKeys swipe(raw, analysis.tokens);
    const SwipeFrame frame = swipeFrame(image);
    const DataRegion region = dataRegion(swipe, frame);
    const SwipeCheck preamble = checkPreamble(swipe, frame);
    const TracksFound found = findTracks(swipe, frame, region);
    const TailChecks tail = checkTail(swipe, frame, region, found.tailStart);
    analysis.tracks = found.tracks;
    analysis.checks = {preamble,
                       tail.postamble,
                       tail.terminator,
                       found.check,
                       checkOrder(found.tracks, frame),
                       checkSelection(found.tracks, frame)};
    return analysis;
}

} // namespace quorvel
