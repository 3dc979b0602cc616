#include "core/swipe/swipe_track_checks.h"

#include "core/keyboard/key_name.h"
#include "core/swipe/track_lrc.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace quorvel {

namespace {

// The context lupdate gives to tr() outside a class in this namespace.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

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
        return tr("the end sentinel is the code %1, which no key types")
            .arg(codeText(frame.endCode));
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
        const bool already = std::any_of(seen.begin(), seen.end(),
                                         [&](const TrackFound& t) { return t.track == track; });
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
            found << (track.length == 1
                          ? tr("track %1 (1 character)").arg(track.track)
                          : tr("track %1 (%2 characters)").arg(track.track).arg(track.length));
    return found.join(QStringLiteral(", "));
}

// "the start sentinel % of track 1" for the next track the settings let come.
QString expectedStart(const SwipeFrame& frame, const QList<TrackFound>& seen) {
    for (int track : frame.order ? frame.order->tracks : QList<int>{1, 2, 3}) {
        const bool came = std::any_of(seen.begin(), seen.end(),
                                      [&](const TrackFound& t) { return t.track == track; });
        if (came || (frame.selection && !frame.selection->allowed.contains(track)))
            continue;
        return tr("the start sentinel %1 of track %2")
            .arg(frame.start[static_cast<std::size_t>(track - 1)])
            .arg(track);
    }
    return tr("a start sentinel");
}

// With Transmit LRC off, a lone character between an end sentinel and what
// may follow it (the next track, the postamble, the terminator) is an LRC.
bool looksLikeLrc(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                  int at) {
    const QString& token = keys.at(at);
    const QStringList tail = frame.postamble.tokens + frame.terminator.tokens;
    if (token.size() != 1 || isStartSentinel(frame, token) ||
        (!region.tailMatched && tail.value(0) == token))
        return false;
    return at + 1 >= region.end || isStartSentinel(frame, keys.at(at + 1)) ||
           (!region.tailMatched && keys.mid(at + 1) == tail);
}

// How a reading takes the keys after end sentinels that may be an LRC or the next
// track's start sentinel alike, in the order they come.
struct LrcChoices {
    int forced = -1;   // -1: each as it most likely is; otherwise bit k: the k-th is an LRC
    int ambiguous = 0; // how many such keys the reading met
};

// The key after an end sentinel, when it holds the LRC. A start sentinel there is the
// next track, unless it is the LRC's very value: then it is either.
int lrcKeyAfter(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                const TrackFound& track, LrcChoices& choices) {
    const int at = track.firstKey + track.length + 2;
    if (at >= region.end)
        return -1;
    if (!isStartSentinel(frame, keys.at(at))) {
        if (!frame.lrc)
            return looksLikeLrc(keys, frame, region, at) ? at : -1;
        return at;
    }
    const std::optional<QString> lrc =
        trackLrcToken(track.track, keys.mid(track.firstKey, at - track.firstKey));
    if (!lrc || *lrc != keys.at(at))
        return -1;
    const int index = choices.ambiguous++;
    // Most likely: an LRC where the settings send one, or where another sentinel follows.
    const bool likely =
        frame.lrc || (at + 1 < region.end && isStartSentinel(frame, keys.at(at + 1)));
    const bool isLrc = choices.forced < 0 ? likely : (choices.forced >> index & 1) != 0;
    return isLrc ? at : -1;
}

// The first key of a track's data that the track cannot carry: track 1 holds space to
// "_" (a lower-case letter is the letter case check's), tracks 2 and 3 "0" to "?". -1 for none.
int outsideCharacterSet(const SwipeKeys& keys, const TrackFound& track) {
    const bool alpha = track.track == 1;
    for (int k = track.firstKey + 1; k <= track.firstKey + track.length && k < keys.count(); ++k) {
        const QString& token = keys.at(k);
        QChar c = token == QLatin1String("[Space]") ? QChar(u' ')
                  : token.size() == 1               ? token.at(0)
                                                    : QChar();
        if (alpha && c >= u'a' && c <= u'z')
            c = c.toUpper();
        const bool carried = alpha ? c >= u' ' && c <= u'_' : c >= u'0' && c <= u'?';
        if (!carried)
            return k;
    }
    return -1;
}

int nextStartSentinel(const SwipeKeys& keys, const SwipeFrame& frame, int from, int end) {
    for (int i = from; i < end; ++i)
        if (isStartSentinel(frame, keys.at(i)))
            return i;
    return -1;
}

// Reads tracks from region.start; returns what went wrong first, empty when
// nothing did. After a wrong key it goes on at the next start sentinel, so
// that the later tracks are still read.
QString readTracks(const SwipeKeys& keys, const SwipeFrame& frame, const DataRegion& region,
                   TracksFound& found, LrcChoices& choices) {
    QString problem;
    int& at = found.tailStart;
    at = region.start;
    while (at < region.end) {
        const int track = identifyTrack(frame, keys.at(at), found.tracks);
        if (track == 0) {
            // Keys after the tracks belong to postamble and terminator unless those came already.
            if (!region.tailMatched && !found.tracks.isEmpty())
                break;
            if (problem.isEmpty())
                problem = tr("expected %1 at key %2, came %3")
                              .arg(expectedStart(frame, found.tracks))
                              .arg(at + 1)
                              .arg(keys.came(at));
            const int next = nextStartSentinel(keys, frame, at + 1, region.end);
            if (next < 0)
                break;
            at = next;
            continue;
        }
        int end = at + 1;
        while (end < region.end && keys.at(end) != frame.end)
            ++end;
        if (end >= region.end) {
            found.tracks << TrackFound{track, at, region.end - at - 1, false};
            const int from = at;
            at = region.end;
            if (problem.isEmpty())
                problem = tr("track %1 from key %2 has no end sentinel %3")
                              .arg(track)
                              .arg(from + 1)
                              .arg(frame.end);
            break;
        }
        found.tracks << TrackFound{track, at, end - at - 1, true};
        TrackFound& last = found.tracks.last();
        last.lrcKey = lrcKeyAfter(keys, frame, region, last, choices);
        at = last.lrcKey >= 0 ? last.lrcKey + 1 : end + 1;
    }
    if (!problem.isEmpty())
        return problem;
    if (found.tracks.isEmpty())
        return tr("no track came");
    for (const TrackFound& track : std::as_const(found.tracks))
        if (const int at = outsideCharacterSet(keys, track); at >= 0)
            return tr("track %1 holds %2 at key %3, outside its character set (%4)")
                .arg(track.track)
                .arg(keys.came(at))
                .arg(at + 1)
                .arg(track.track == 1 ? tr("space to _") : tr("0 to ?"));
    return QString();
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
    region.tailMatched = frame.postamble.keylessCode < 0 && frame.terminator.known &&
                         tailSize > 0 && keys.count() - region.start >= tailSize &&
                         keys.mid(keys.count() - tailSize) == tail;
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
        const int tailSize =
            static_cast<int>(frame.postamble.tokens.size() + frame.terminator.tokens.size());
        found.tailStart = std::max(region.start, keys.count() - tailSize);
        return found;
    }
    LrcChoices likely;
    QString problem = readTracks(keys, frame, region, found, likely);
    // Where the likely reading fails, another choice of LRCs may let every track parse.
    constexpr int kMostChoices = 6;
    for (int forced = 0;
         !problem.isEmpty() && forced < (1 << std::min(likely.ambiguous, kMostChoices)); ++forced) {
        TracksFound trial;
        trial.check = found.check;
        LrcChoices choices{forced, 0};
        if (const QString trialProblem = readTracks(keys, frame, region, trial, choices);
            trialProblem.isEmpty()) {
            found = trial;
            problem.clear();
        }
    }
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
            check.detail =
                seen.contains(track.track)
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
    // A card need not carry every track the reader may send, so a missing one is only noted.
    QList<int> missing;
    for (int track : frame.selection->allowed)
        if (!seen.contains(track))
            missing << track;
    if (missing.size() == 1)
        check.detail += tr("; %1 did not come; the card may not have it").arg(trackList(missing));
    else if (!missing.isEmpty())
        check.detail += tr("; %1 did not come; the card may not have them").arg(trackList(missing));
    return check;
}

} // namespace quorvel
