#include "core/swipe/swipe_analysis.h"

#include "core/swipe/keyboard_language_check.h"
#include "core/swipe/swipe_data_checks.h"
#include "core/swipe/swipe_keys.h"
#include "core/swipe/swipe_readings.h"
#include "core/swipe/swipe_tail_checks.h"
#include "core/swipe/swipe_track_checks.h"

namespace quorvel {

SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers) {
    SwipeOptions options;
    options.cardNumbers = cardNumbers;
    return analyzeSwipe(keys, image, options);
}

SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           const SwipeOptions& options) {
    const SwipeFrame frame = swipeFrame(image);
    const SwipeReadings readings = readSwipe(keys, frame.language, options.cardNumbers);
    SwipeAnalysis analysis;
    analysis.tokens = readings.sentShown;
    analysis.received = readings.receivedShown;
    analysis.readingsDiffer = readings.differ;
    analysis.timing = swipeTiming(keys);

    const LanguageChecks language =
        checkLanguage(keys, readings, frame,
                      LanguageCheckContext{options.withoutPositions, options.composesAltCodes,
                                           options.computerLayout});
    analysis.suggestedLanguage = language.suggested;

    const SwipeKeys swipe(readings.sentRaw, readings.sentShown);
    const DataRegion region = dataRegion(swipe, frame);
    const SwipeCheck preamble = checkPreamble(swipe, frame);
    const TracksFound found = findTracks(swipe, frame, region);
    const TailChecks tail = checkTail(swipe, frame, region, found.tailStart);
    analysis.tracks = found.tracks;
    analysis.checks << language.language;
    if (!language.altMode.name.isEmpty())
        analysis.checks << language.altMode;
    analysis.checks << preamble << tail.postamble << tail.terminator << found.check
                    << checkOrder(found.tracks, frame) << checkSelection(found.tracks, frame)
                    << checkLetterCase(swipe, readings.sent, found.tracks, frame,
                                       options.capsLockSeen)
                    << checkLrc(swipe, found.tracks, frame);
    if (const SwipeCheck locks = noteLockKeys(readings.sent); !locks.name.isEmpty())
        analysis.checks << locks;
    return analysis;
}

} // namespace quorvel
