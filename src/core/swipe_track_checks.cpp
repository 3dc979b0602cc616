#include "swipe_track_checks.h"

#include "key_name.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace quorvel {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("quorvel::SwipeAnalysis", text); }

bool isStartSentinel(const SwipeFrame& frame, const QString& token) {
    return std::any_of(frame.start.begin(), frame.start.end(),
                       [&](const QString& start) { return start == token; });
}

int firstStartSentinel(const SwipeKeys& keys, const SwipeFrame& frame) {
    for (int i = 0; i < keys.count(); ++i)
        if (isStartSentinel(frame, keys.at(i)))
            return i;
    return -1;
}

// Why the tracks cannot be told apart: a sentinel that no key types; empty when all can.
QString keylessSentinel(const SwipeFrame& frame) {
    for (int t = 0; t < 3; ++t)
        if (frame.start[static_cast<std::size_t>(t)].isEmpty())
            return tr("the start sentinel of track %1 is the code %2, which no key types")
                .arg(t + 1)
                .arg(codeText(frame.startCodes[static_cast<std::size_t>(t)]));
    if (frame.end.isEmpty())
        return tr("the end sentinel is the code %1, which no key types").arg(codeText(frame.endCode));
    return QString();
}

// Which track a start sentinel opens. Tracks that share a sentinel are told apart
// by what came already, what the selection allows and the configured order.
int identifyTrack(const SwipeFrame& frame, const QString& token, const QList<TrackFound>& seen) {
    int best = 0;
    std::tuple<bool, bool, qsizetype> bestRank;
    for (int track = 1; track <= 3; ++track) {
        if (frame.start[static_cast<std::size_t>(track - 1)] != token)
            continue;
        const bool already =
            std::any_of(seen.begin(), seen.end(), [&](const TrackFound& t) { return t.track == track; });
        const bool forbidden = frame.selection && !frame.selection->allowed.contains(track);
        const std::tuple<bool, bool, qsizetype> rank{
            already, forbidden, frame.order ? frame.order->tracks.indexOf(track) : track};
        if (best == 0 || rank < bestRank) {
            best = track;
            bestRank = rank;
        }
    }
    return best;
}

// "track 1 (28 characters), track 2 (21 characters)" for the tracks that ended.
QString tracksText(const QList<TrackFound>& tracks) {
    QStringList found;
    for (const TrackFound& track : tracks)
        if (track.ended)
            found << (track.length == 1 ? tr("track %1 (1 character)").arg(track.track)
                                        : tr("track %1 (%2 characters)").arg(track.track).arg(track.length));
    return found.join(QStringLiteral(", "));
}

// Reads tracks from region.start; returns what went wrong, empty when nothing did.
QString readTracks(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                   TracksFound& found) {
    const int lrc = frame.lrc ? 1 : 0;
    int& at = found.tailStart;
    at = region.start;
    while (at < region.end) {
        const int track = identifyTrack(frame, keys.at(at), found.tracks);
        if (track == 0) {
            // Keys after the tracks belong to postamble and terminator unless those came already.
            if (region.tailMatched || found.tracks.isEmpty())
                return tr("expected a start sentinel at key %1, came %2").arg(at + 1).arg(keys.came(at));
            return QString();
        }
        int end = at + 1;
        while (end < region.end && keys.at(end) != frame.end)
            ++end;
        if (end >= region.end) {
            found.tracks << TrackFound{track, at, region.end - at - 1, false};
            const int from = at;
            at = region.end;
            return tr("track %1 from key %2 has no end sentinel %3").arg(track).arg(from + 1).arg(frame.end);
        }
        found.tracks << TrackFound{track, at, end - at - 1, true};
        at = end + 1 + lrc;
        if (at > region.end) {
            at = region.end;
            return tr("track %1 has no LRC after its end sentinel").arg(track);
        }
    }
    return found.tracks.isEmpty() ? tr("no track came") : QString();
}

} // namespace

DataRegion dataRegion(const SwipeKeys& keys, const SwipeFrame& frame) {
    DataRegion region;
    const QStringList& preamble = frame.preamble.tokens;
    const int size = static_cast<int>(preamble.size());
    const int sentinel = firstStartSentinel(keys, frame);
    // Where the preamble did not come as set, the card data begins at its first sentinel.
    region.start = sentinel >= 0 ? sentinel : std::min(size, keys.count());
    if (frame.preamble.keylessCode < 0 && (size == 0 || keys.mismatch(0, preamble) < 0))
        region.start = size;

    // Where postamble and terminator came as set, the card data ends before them.
    const QStringList tail = frame.postamble.tokens + frame.terminator.tokens;
    const int tailSize = static_cast<int>(tail.size());
    region.tailMatched = frame.postamble.keylessCode < 0 && frame.terminator.known && tailSize > 0 &&
                         keys.count() - region.start >= tailSize && keys.mid(keys.count() - tailSize) == tail;
    region.end = region.tailMatched ? keys.count() - tailSize : keys.count();
    return region;
}

SwipeCheck checkPreamble(const SwipeKeys& keys, const SwipeFrame& frame) {
    SwipeCheck check{tr("Preamble"), CheckState::NotChecked, {}};
    const QStringList& preamble = frame.preamble.tokens;
    if (frame.preamble.keylessCode >= 0) {
        check.detail = tr("not checked, the preamble holds the code %1, which no key types")
                           .arg(codeText(frame.preamble.keylessCode));
        return check;
    }
    if (preamble.isEmpty()) {
        check.state = CheckState::Passed;
        check.detail = tr("none set");
        return check;
    }
    const int at = keys.mismatch(0, preamble);
    check.state = at < 0 ? CheckState::Passed : CheckState::Failed;
    check.detail = at < 0 ? spaced(preamble) : keys.mismatchText(preamble, 0, at, QString());
    return check;
}

TracksFound findTracks(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region) {
    TracksFound found;
    found.check = SwipeCheck{tr("Tracks"), CheckState::NotChecked, {}};
    if (const QString keyless = keylessSentinel(frame); !keyless.isEmpty()) {
        found.check.detail = tr("not checked, %1").arg(keyless);
        // Without sentinels the tail can only be looked for at the end.
        const int tailSize = static_cast<int>(frame.postamble.tokens.size() + frame.terminator.tokens.size());
        found.tailStart = std::max(region.start, keys.count() - tailSize);
        return found;
    }
    const QString problem = readTracks(keys, frame, region, found);
    const QString text = tracksText(found.tracks);
    found.check.state = problem.isEmpty() ? CheckState::Passed : CheckState::Failed;
    found.check.detail = problem.isEmpty() || text.isEmpty() ? (problem.isEmpty() ? text : problem)
                                                             : tr("%1; then %2").arg(text, problem);
    return found;
}

SwipeCheck checkOrder(const QList<TrackFound>& tracks, const SwipeFrame& frame) {
    SwipeCheck check{tr("Track order"), CheckState::NotChecked, {}};
    if (tracks.isEmpty()) {
        check.detail = tr("not checked, no track came");
        return check;
    }
    if (!frame.order) {
        check.detail = tr("not checked, %1").arg(frame.unknownOrder());
        return check;
    }
    QList<int> seen;
    qsizetype lastRank = -1;
    for (const TrackFound& track : tracks) {
        const qsizetype rank = frame.order->tracks.indexOf(track.track);
        if (rank <= lastRank) {
            check.state = CheckState::Failed;
            check.detail = seen.contains(track.track)
                               ? tr("track %1 came twice (key %2)").arg(track.track).arg(track.firstKey + 1)
                               : tr("track %1 came after track %2 (key %3), the order is %4")
                                     .arg(track.track)
                                     .arg(seen.last())
                                     .arg(track.firstKey + 1)
                                     .arg(frame.order->caption);
            return check;
        }
        lastRank = rank;
        seen << track.track;
    }
    check.state = CheckState::Passed;
    check.detail = tr("%1 in the order %2").arg(trackList(seen), frame.order->caption);
    return check;
}

SwipeCheck checkSelection(const QList<TrackFound>& tracks, const SwipeFrame& frame) {
    SwipeCheck check{tr("Track selection"), CheckState::NotChecked, {}};
    if (tracks.isEmpty()) {
        check.detail = tr("not checked, no track came");
        return check;
    }
    if (!frame.selection) {
        check.detail = tr("not checked, %1").arg(frame.unknownSelection());
        return check;
    }
    QList<int> seen;
    for (const TrackFound& track : tracks) {
        if (!frame.selection->allowed.contains(track.track)) {
            check.state = CheckState::Failed;
            check.detail = tr("track %1 came (key %2), but “%3” allows %4")
                               .arg(track.track)
                               .arg(track.firstKey + 1)
                               .arg(frame.selection->caption, trackList(frame.selection->allowed));
            return check;
        }
        if (!seen.contains(track.track))
            seen << track.track;
    }
    check.state = CheckState::Passed;
    check.detail = tr("%1, allowed by “%2”").arg(trackList(seen), frame.selection->caption);
    return check;
}

} // namespace quorvel
