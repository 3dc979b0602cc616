#include "core/swipe/swipe_split.h"

#include "core/keyboard/sent_reading.h"
#include "core/swipe/swipe_readings.h"

#include <algorithm>

namespace quorvel {

bool beginsSwipe(const CapturedKey& previous, const CapturedKey& next, int gapMs) {
    return next.timeMs - previous.timeMs > gapMs;
}

bool isSwipe(const QList<CapturedKey>& keys) {
    return !std::all_of(keys.begin(), keys.end(), [](const CapturedKey& key) {
        return isLockKey(key.key) || isModifierKey(key.key);
    });
}

bool pauseEnds(const QList<CapturedKey>& swipe, const CapturedKey& next, int gapMs) {
    // A lock key pressed alone is no swipe: it goes with the next, whose reading notes it.
    return !swipe.isEmpty() && isSwipe(swipe) && beginsSwipe(swipe.last(), next, gapMs);
}

QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs) {
    QList<QList<CapturedKey>> swipes;
    for (const CapturedKey& key : keys) {
        if (swipes.isEmpty() || pauseEnds(swipes.last(), key, gapMs))
            swipes.append(QList<CapturedKey>());
        swipes.last().append(key);
    }
    if (!swipes.isEmpty() && !isSwipe(swipes.last()))
        swipes.removeLast();
    return swipes;
}

QList<int> terminatorEnds(const QList<CapturedKey>& keys, const SwipeFrame& frame) {
    QList<int> ends;
    const QStringList& terminator = frame.terminator.tokens;
    if (!frame.terminator.known || terminator.isEmpty() || frame.end.isEmpty())
        return ends;
    // The terminator is judged on what the reader sent, as the checks are.
    const SentReading sent = readAsSent(keys, frame.language);
    QStringList tokens;
    for (const SentKey& key : sent.keys)
        tokens << sentToken(key);
    const QStringList tail = frame.postamble.tokens + frame.terminator.tokens;
    const auto isStart = [&](const QString& token) {
        return std::find(frame.start.begin(), frame.start.end(), token) != frame.start.end();
    };
    bool inTrack = false;
    bool trackEnded = false;
    qsizetype i = 0;
    while (i < tokens.size()) {
        const QString& token = tokens.at(i);
        if (inTrack) {
            inTrack = token != frame.end;
            trackEnded = !inTrack;
            // The LRC may be any character, the terminator's too.
            i += !inTrack && frame.lrc ? 2 : 1;
            continue;
        }
        if (isStart(token)) {
            inTrack = true;
            ++i;
            continue;
        }
        qsizetype after = -1;
        if (trackEnded) {
            // A postamble may hold the terminator's key: the whole tail counts first,
            // and while it may still be coming nothing has ended.
            const qsizetype left = tokens.size() - i;
            if (left < tail.size() && tokens.mid(i) == tail.first(left))
                break;
            if (tokens.mid(i, tail.size()) == tail)
                after = i + tail.size();
            else if (tokens.mid(i, terminator.size()) == terminator)
                after = i + terminator.size();
        }
        if (after < 0) {
            ++i;
            continue;
        }
        ends << sent.keys.at(after - 1).last;
        trackEnded = false;
        i = after;
    }
    return ends;
}

int terminatorEnd(const QList<CapturedKey>& keys, const SwipeFrame& frame) {
    return terminatorEnds(keys, frame).value(0, -1);
}

QList<QList<CapturedKey>> splitSwipes(const QList<CapturedKey>& keys, int gapMs,
                                      const SettingsImage& image) {
    const SwipeFrame frame = swipeFrame(image);
    QList<QList<CapturedKey>> swipes;
    for (const QList<CapturedKey>& burst : splitSwipes(keys, gapMs)) {
        qsizetype from = 0;
        for (int end : terminatorEnds(burst, frame)) {
            swipes << burst.mid(from, end + 1 - from);
            from = end + 1;
        }
        if (from < burst.size())
            swipes << burst.mid(from);
    }
    return swipes;
}

} // namespace quorvel
