#include "core/swipe/swipe_data_checks.h"

#include "core/swipe/track_lrc.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quorvel::SwipeAnalysis", text);
}

QStringList sentinelToSentinel(const SwipeKeys& keys, const TrackFound& track) {
    return keys.mid(track.firstKey, track.length + 2);
}

} // namespace

SwipeCheck checkLetterCase(const SwipeKeys& keys, const SentReading& sent,
                           const QList<TrackFound>& tracks, const SwipeFrame& frame,
                           bool capsLockSeen) {
    SwipeCheck check{tr("Letter case"), CheckState::NotChecked, {}};
    const TrackFound* track1 = nullptr;
    for (const TrackFound& track : tracks)
        if (track.track == 1 && !track1)
            track1 = &track;
    if (!track1) {
        check.detail = tr("not checked, no track 1 came");
        return check;
    }
    int letters = 0;
    int firstLower = -1;
    bool capsLock = false;
    for (int k = track1->firstKey + 1; k <= track1->firstKey + track1->length && k < keys.count();
         ++k) {
        const QString& token = keys.at(k);
        if (token.size() != 1 || !token.at(0).isLetter())
            continue;
        ++letters;
        // Caps Lock turns the case of what the reader sent before it arrives here, but
        // not that of an Alt + keypad code.
        const bool caps = k < sent.keys.size() && sent.keys.at(k).altCode.isEmpty() &&
                          sent.keys.at(k).key.state.testFlag(KeyState::CapsLock);
        capsLock = capsLock || caps;
        if (token.at(0).isLower() != caps && firstLower < 0)
            firstLower = k;
    }
    if (letters == 0) {
        check.state = CheckState::Passed;
        check.detail = tr("no letters in track 1");
        return check;
    }
    if (firstLower < 0) {
        check.state = CheckState::Passed;
        check.detail = tr("track 1 letters arrived in upper case");
        return check;
    }
    check.state = CheckState::Failed;
    const QString mode = frame.caseMode.isEmpty() ? tr("none the settings name") : frame.caseMode;
    check.detail =
        tr("track 1 holds upper-case letters only, but letters arrived in lower case from key %1; "
           "the reader's case mode is %2; %3")
            .arg(firstLower + 1)
            .arg(mode, !capsLockSeen ? tr("whether Caps Lock was on cannot be seen here")
                       : capsLock    ? tr("Caps Lock was on")
                                     : tr("Caps Lock was off"));
    return check;
}

SwipeCheck checkLrc(const SwipeKeys& keys, const QList<TrackFound>& tracks,
                    const SwipeFrame& frame) {
    SwipeCheck check{tr("LRC"), CheckState::NotChecked, {}};
    QStringList found;
    QList<const TrackFound*> unexpected;
    for (const TrackFound& track : tracks) {
        if (!track.ended)
            continue;
        const int after = track.firstKey + track.length + 2;
        if (!frame.lrc) {
            if (track.lrcKey >= 0)
                unexpected << &track;
            continue;
        }
        if (track.lrcKey < 0) {
            check.state = CheckState::Failed;
            check.detail = tr("Transmit LRC is on, but no LRC came after the end sentinel of track "
                              "%1 (key %2)")
                               .arg(track.track)
                               .arg(after);
            return check;
        }
        const std::optional<QString> lrc =
            trackLrcToken(track.track, sentinelToSentinel(keys, track));
        if (!lrc) {
            found
                << tr("track %1 not checked, it holds characters outside its set").arg(track.track);
            continue;
        }
        if (keys.at(track.lrcKey) != *lrc) {
            check.state = CheckState::Failed;
            check.detail = tr("the LRC of track %1 came as %2 (key %3), expected %4")
                               .arg(track.track)
                               .arg(keys.came(track.lrcKey))
                               .arg(track.lrcKey + 1)
                               .arg(*lrc);
            return check;
        }
        found << tr("track %1 %2").arg(track.track).arg(*lrc);
    }
    if (unexpected.size() == 1) {
        const TrackFound& track = *unexpected.first();
        check.state = CheckState::Failed;
        check.detail =
            tr("unexpected LRC-like character %1 after the end sentinel of track %2 (key %3), "
               "but Transmit LRC is off")
                .arg(keys.came(track.lrcKey))
                .arg(track.track)
                .arg(track.lrcKey + 1);
        return check;
    }
    if (!unexpected.isEmpty()) {
        QStringList each;
        for (const TrackFound* track : unexpected)
            each << tr("%1 after track %2 (key %3)")
                        .arg(keys.came(track->lrcKey))
                        .arg(track->track)
                        .arg(track->lrcKey + 1);
        check.state = CheckState::Failed;
        check.detail = tr("unexpected LRC-like characters %1, but Transmit LRC is off")
                           .arg(each.join(QStringLiteral(", ")));
        return check;
    }
    if (tracks.isEmpty()) {
        check.detail = tr("not checked, no track came");
        return check;
    }
    if (frame.lrc && found.isEmpty()) {
        check.detail = tr("not checked, no track ended");
        return check;
    }
    check.state = CheckState::Passed;
    check.detail =
        frame.lrc ? found.join(QStringLiteral(", ")) : tr("Transmit LRC is off, and none came");
    return check;
}

SwipeCheck noteLockKeys(const SentReading& sent) {
    SwipeCheck check;
    if (sent.lockKeys == 0 && !sent.capsLock)
        return check;
    check.name = tr("Lock keys");
    QStringList notes;
    if (sent.lockKeys > 0)
        notes
            << (sent.lockKeys == 1
                    ? tr("1 press of Caps Lock, Num Lock or Scroll Lock left out of the card data")
                    : tr("%1 presses of Caps Lock, Num Lock or Scroll Lock left out of the card "
                         "data")
                          .arg(sent.lockKeys));
    if (sent.capsLock)
        notes << tr("Caps Lock was on during the swipe");
    check.detail = notes.join(QStringLiteral("; "));
    return check;
}

} // namespace quorvel
