#include "swipe_analysis.h"

#include "key_name.h"
#include "setting_tables.h"

#include <QCoreApplication>
#include <QMetaEnum>

#include <algorithm>
#include <optional>
#include <tuple>

namespace quorvel {

namespace {

// The context lupdate gives to tr() outside a class in this namespace.
QString tr(const char* text) { return QCoreApplication::translate("quorvel", text); }

constexpr int kCodeEnter = 13;
constexpr int kCodeTab = 14;
constexpr int kCodeEsc = 27;
constexpr int kCodeSpace = 32;

int byteAt(const SettingsImage& image, int n) { return image.at(static_cast<std::size_t>(n)); }

bool isCtrlLetter(const CapturedKey& key) {
    return key.modifiers.testFlag(Qt::ControlModifier) && key.key >= Qt::Key_A &&
           key.key <= Qt::Key_Z;
}

QString ctrlToken(QChar letter) { return QStringLiteral("[Ctrl-%1]").arg(letter); }

// Qt's own name of a key the reader has no code for, "CapsLock" for Qt::Key_CapsLock.
QString qtKeyName(int key) {
    const char* name = QMetaEnum::fromType<Qt::Key>().valueToKey(key);
    if (!name)
        return QStringLiteral("0x%1").arg(key, 0, 16);
    QString text = QString::fromLatin1(name);
    if (text.startsWith(QLatin1String("Key_")))
        text.remove(0, 4);
    return text;
}

// A code as the frame and the messages show it, also when no key types it.
QString shownCode(int code) {
    const QString token = codeToken(code);
    return token.isEmpty() ? QStringLiteral("[%1]").arg(codeText(code)) : token;
}

// The characters of a preamble or postamble: its bytes up to the first 0.
struct CodeString {
    QStringList tokens;
    int keylessCode = -1; // the first code that no key types, if any
};

CodeString codeString(const SettingsImage& image, int first) {
    CodeString string;
    for (int i = 0; i < bytes::kAmbleCount; ++i) {
        const int code = byteAt(image, first + i);
        if (code == 0)
            break;
        if (codeToken(code).isEmpty() && string.keylessCode < 0)
            string.keylessCode = code;
        string.tokens << shownCode(code);
    }
    return string;
}

struct Terminator {
    bool known = false;
    QStringList tokens; // empty for NONE
    QString caption;    // "CR"; empty for a code the page does not offer
    QString why;        // why it cannot be checked
};

Terminator terminatorOf(int code) {
    Terminator terminator;
    const int index = indexOfCode(kKeyboardTerminators, code);
    if (index >= 0)
        terminator.caption = QString::fromLatin1(kKeyboardTerminators[static_cast<std::size_t>(index)].caption);
    terminator.known = true;
    switch (code) {
    case 0:
        break;
    case 1:
        terminator.tokens << codeToken(kCodeEnter);
        break;
    case 4:
        terminator.tokens << codeToken(kCodeSpace);
        break;
    case 5:
        terminator.tokens << codeToken(kCodeTab);
        break;
    case 6:
        terminator.tokens << codeToken(kCodeEsc);
        break;
    case 7:
        terminator.tokens << ctrlToken(u'C');
        break;
    default:
        terminator.known = false;
        terminator.why = index >= 0 ? tr("no key is known for %1").arg(terminator.caption)
                                    : tr("byte 50 holds %1, which names no keyboard terminator")
                                          .arg(codeText(code));
        break;
    }
    return terminator;
}

// The digits of a caption are the track numbers it names: " 1-3-2", "TK1 & TK2 only".
QList<int> tracksNamedIn(const char* caption) {
    QList<int> tracks;
    for (const char* c = caption; *c; ++c)
        if (*c >= '1' && *c <= '3')
            tracks << (*c - '0');
    return tracks;
}

struct TrackOrder {
    QList<int> tracks;
    QString caption; // "1-3-2"
};

std::optional<TrackOrder> trackOrder(const SettingsImage& image) {
    const int index = indexOfCode(kTrackOrders, byteAt(image, bytes::kTrackOrder) & 0x07);
    if (index < 0)
        return std::nullopt;
    const char* caption = kTrackOrders[static_cast<std::size_t>(index)].caption;
    return TrackOrder{tracksNamedIn(caption), QString::fromLatin1(caption).trimmed()};
}

struct TrackSelection {
    QList<int> allowed;
    QString caption;
};

std::optional<TrackSelection> trackSelection(const SettingsImage& image) {
    const int index = indexOfCode(kTrackSelections, byteAt(image, bytes::kTrackSelection));
    if (index < 0)
        return std::nullopt;
    const char* caption = kTrackSelections[static_cast<std::size_t>(index)].caption;
    return TrackSelection{tracksNamedIn(caption), QString::fromLatin1(caption)};
}

// "track 1", "tracks 1 and 2", "tracks 1, 2 and 3".
QString trackList(const QList<int>& tracks) {
    QStringList numbers;
    for (int track : tracks)
        numbers << QString::number(track);
    if (numbers.size() == 1)
        return tr("track %1").arg(numbers.first());
    const QString last = numbers.takeLast();
    return tr("tracks %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

QString spaced(const QStringList& tokens) { return tokens.join(u' '); }

class SwipeChecker {
    Q_DECLARE_TR_FUNCTIONS(quorvel::SwipeChecker)

public:
    SwipeChecker(const QStringList& raw, const QStringList& shown, const SettingsImage& image)
        : m_raw(raw), m_shown(shown), m_image(image), m_count(static_cast<int>(raw.size())) {}

    void run(SwipeAnalysis& analysis) {
        const SwipeCheck preamble = checkPreamble();
        findTracks(analysis.tracks);
        SwipeCheck postamble;
        SwipeCheck terminator;
        checkTail(postamble, terminator);
        analysis.checks = {preamble, postamble, terminator, m_tracksCheck,
                           checkOrder(analysis.tracks), checkSelection(analysis.tracks)};
    }

private:
    // What came from key `at` on, shortened; card numbers as shown.
    QString came(int at, int count = 1) const {
        constexpr int kQuoted = 12;
        const int n = std::min(count, kQuoted);
        QString text = swipeLine(m_shown.mid(at, n));
        if (count > n)
            text += QStringLiteral("…");
        return text;
    }

    // The first position from `at` where `expected` differs from the swipe; -1 when it all came.
    int mismatch(int at, const QStringList& expected) const {
        for (int i = 0; i < expected.size(); ++i)
            if (at + i >= m_count || m_raw.at(at + i) != expected.at(i))
                return at + i;
        return -1;
    }

    QString mismatchText(const QStringList& expected, int from, int at, const QString& where) const {
        if (at >= m_count)
            return tr("expected %1%2, the swipe ended after key %3")
                .arg(spaced(expected), where, QString::number(m_count));
        return tr("expected %1%2, came %3 instead of %4 at key %5")
            .arg(spaced(expected), where, came(at), expected.at(at - from), QString::number(at + 1));
    }

    bool isStartSentinel(const QString& token) const {
        return std::any_of(std::begin(m_start), std::end(m_start),
                           [&](const QString& start) { return start == token; });
    }

    int firstStartSentinel() const {
        for (int i = 0; i < m_count; ++i)
            if (isStartSentinel(m_raw.at(i)))
                return i;
        return -1;
    }

    SwipeCheck checkPreamble() {
        for (int t = 0; t < 3; ++t)
            m_start[t] = codeToken(byteAt(m_image, bytes::kStartSentinels[static_cast<std::size_t>(t)]));
        m_end = codeToken(byteAt(m_image, bytes::kEndSentinel));

        SwipeCheck check{tr("Preamble"), CheckState::NotChecked, {}};
        const CodeString preamble = codeString(m_image, bytes::kFirstPreamble);
        const int size = static_cast<int>(preamble.tokens.size());
        const int sentinel = firstStartSentinel();
        // Where the preamble did not come as set, the card data begins at its first sentinel.
        m_dataStart = sentinel >= 0 ? sentinel : std::min(size, m_count);
        if (preamble.keylessCode >= 0) {
            check.detail = tr("not checked, the preamble holds the code %1, which no key types")
                               .arg(codeText(preamble.keylessCode));
            return check;
        }
        if (size == 0) {
            check.state = CheckState::Passed;
            check.detail = tr("none set");
            m_dataStart = 0;
            return check;
        }
        const int at = mismatch(0, preamble.tokens);
        if (at < 0) {
            check.state = CheckState::Passed;
            check.detail = spaced(preamble.tokens);
            m_dataStart = size;
        } else {
            check.state = CheckState::Failed;
            check.detail = mismatchText(preamble.tokens, 0, at, QString());
        }
        return check;
    }

    // Splits the data between preamble and postamble into tracks.
    void findTracks(QList<TrackFound>& tracks) {
        m_tracksCheck = SwipeCheck{tr("Tracks"), CheckState::NotChecked, {}};
        m_postamble = codeString(m_image, bytes::kFirstPostamble);
        m_terminator = terminatorOf(byteAt(m_image, bytes::kKeyboardTerminator));

        // Where postamble and terminator came as set, the card data ends before them.
        const QStringList tail = m_postamble.tokens + m_terminator.tokens;
        const int tailSize = static_cast<int>(tail.size());
        m_tailMatched = m_postamble.keylessCode < 0 && m_terminator.known && tailSize > 0 &&
                        m_count - m_dataStart >= tailSize && m_raw.mid(m_count - tailSize) == tail;
        const int regionEnd = m_tailMatched ? m_count - tailSize : m_count;

        QString keyless;
        for (int t = 0; t < 3 && keyless.isEmpty(); ++t)
            if (m_start[t].isEmpty())
                keyless = tr("the start sentinel of track %1 is the code %2, which no key types")
                              .arg(t + 1)
                              .arg(codeText(byteAt(m_image, bytes::kStartSentinels[static_cast<std::size_t>(t)])));
        if (keyless.isEmpty() && m_end.isEmpty())
            keyless = tr("the end sentinel is the code %1, which no key types")
                          .arg(codeText(byteAt(m_image, bytes::kEndSentinel)));
        if (!keyless.isEmpty()) {
            m_tracksCheck.detail = tr("not checked, %1").arg(keyless);
            // Without sentinels the tail can only be looked for at the end.
            m_tailStart = std::max(m_dataStart, m_count - static_cast<int>(tail.size()));
            return;
        }

        const std::optional<TrackOrder> order = trackOrder(m_image);
        const std::optional<TrackSelection> selection = trackSelection(m_image);
        const int lrc = (byteAt(m_image, bytes::kTrackOrder) & bytes::kTransmitLrcBit) ? 1 : 0;
        QString problem;
        int at = m_dataStart;
        while (at < regionEnd) {
            const int track = identifyTrack(m_raw.at(at), tracks, order, selection);
            if (track == 0) {
                // Keys after the tracks belong to postamble and terminator unless those came already.
                if (m_tailMatched || tracks.isEmpty())
                    problem = tr("expected a start sentinel at key %1, came %2").arg(at + 1).arg(came(at));
                break;
            }
            int end = at + 1;
            while (end < regionEnd && m_raw.at(end) != m_end)
                ++end;
            if (end >= regionEnd) {
                tracks << TrackFound{track, at, regionEnd - at - 1, false};
                problem = tr("track %1 from key %2 has no end sentinel %3")
                              .arg(track)
                              .arg(at + 1)
                              .arg(m_end);
                at = regionEnd;
                break;
            }
            tracks << TrackFound{track, at, end - at - 1, true};
            at = end + 1 + lrc;
            if (at > regionEnd) {
                problem = tr("track %1 has no LRC after its end sentinel").arg(track);
                at = regionEnd;
                break;
            }
        }
        if (tracks.isEmpty() && problem.isEmpty())
            problem = tr("no track came");
        m_tailStart = at;

        QStringList found;
        for (const TrackFound& track : tracks)
            if (track.ended)
                found << (track.length == 1 ? tr("track %1 (1 character)").arg(track.track)
                                            : tr("track %1 (%2 characters)").arg(track.track).arg(track.length));
        m_tracksCheck.detail = found.join(QStringLiteral(", "));
        if (problem.isEmpty()) {
            m_tracksCheck.state = CheckState::Passed;
        } else {
            m_tracksCheck.state = CheckState::Failed;
            m_tracksCheck.detail =
                found.isEmpty() ? problem : tr("%1; then %2").arg(m_tracksCheck.detail, problem);
        }
    }

    // Which track a start sentinel opens. Tracks that share a sentinel are told apart
    // by what came already, what the selection allows and the configured order.
    int identifyTrack(const QString& token, const QList<TrackFound>& seen,
                      const std::optional<TrackOrder>& order,
                      const std::optional<TrackSelection>& selection) const {
        int best = 0;
        std::tuple<bool, bool, qsizetype> bestRank;
        for (int track = 1; track <= 3; ++track) {
            if (m_start[track - 1] != token)
                continue;
            const bool already = std::any_of(seen.begin(), seen.end(),
                                             [&](const TrackFound& t) { return t.track == track; });
            const bool forbidden = selection && !selection->allowed.contains(track);
            const std::tuple<bool, bool, qsizetype> rank{
                already, forbidden, order ? order->tracks.indexOf(track) : track};
            if (best == 0 || rank < bestRank) {
                best = track;
                bestRank = rank;
            }
        }
        return best;
    }

    void checkTail(SwipeCheck& postambleCheck, SwipeCheck& terminatorCheck) const {
        postambleCheck.name = tr("Postamble");
        terminatorCheck.name = tr("Terminator");
        const QString terminatorShown =
            m_terminator.tokens.isEmpty() ? tr("nothing") : spaced(m_terminator.tokens);
        const QString terminatorDetail =
            m_terminator.caption.isEmpty() ? terminatorShown
                                           : tr("%1 (%2)").arg(terminatorShown, m_terminator.caption);
        const QStringList& postamble = m_postamble.tokens;
        const int postambleSize = static_cast<int>(postamble.size());

        int afterPostamble = -1;
        if (m_postamble.keylessCode >= 0) {
            postambleCheck.detail = tr("not checked, the postamble holds the code %1, which no key types")
                                        .arg(codeText(m_postamble.keylessCode));
        } else if (postamble.isEmpty()) {
            postambleCheck.state = CheckState::Passed;
            postambleCheck.detail = tr("none set");
            afterPostamble = m_tailStart;
        } else if (m_tailMatched) {
            postambleCheck.state = CheckState::Passed;
            postambleCheck.detail = spaced(postamble);
        } else {
            const int at = mismatch(m_tailStart, postamble);
            if (at < 0) {
                postambleCheck.state = CheckState::Passed;
                postambleCheck.detail = spaced(postamble);
                afterPostamble = m_tailStart + postambleSize;
            } else {
                postambleCheck.state = CheckState::Failed;
                postambleCheck.detail =
                    mismatchText(postamble, m_tailStart, at, tr(" after the card data"));
            }
        }

        if (!m_terminator.known) {
            terminatorCheck.detail = tr("not checked, %1").arg(m_terminator.why);
            return;
        }
        if (m_tailMatched) {
            terminatorCheck.state = CheckState::Passed;
            terminatorCheck.detail = terminatorDetail;
            return;
        }
        const QStringList& expected = m_terminator.tokens;
        const int expectedSize = static_cast<int>(expected.size());
        if (afterPostamble < 0) {
            // Where the postamble went wrong, only the last keys can be compared.
            if (expected.isEmpty()) {
                terminatorCheck.detail =
                    tr("not checked, the postamble did not come, so the end of the card data is unknown");
                return;
            }
            afterPostamble = std::max(0, m_count - expectedSize);
        }
        const int restSize = m_count - afterPostamble;
        if (m_raw.mid(afterPostamble) == expected) {
            terminatorCheck.state = CheckState::Passed;
            terminatorCheck.detail = terminatorDetail;
            return;
        }
        terminatorCheck.state = CheckState::Failed;
        const QString after = postamble.isEmpty() ? tr("the card data") : tr("the postamble");
        if (expected.isEmpty())
            terminatorCheck.detail = tr("expected nothing after %1, came %2 at key %3")
                                         .arg(after, came(afterPostamble, restSize),
                                              QString::number(afterPostamble + 1));
        else if (restSize == 0)
            terminatorCheck.detail = tr("expected %1 after %2, the swipe ended after key %3")
                                         .arg(terminatorDetail, after, QString::number(m_count));
        else
            terminatorCheck.detail = tr("expected %1, came %2 at key %3")
                                         .arg(terminatorDetail, came(afterPostamble, restSize),
                                              QString::number(afterPostamble + 1));
    }

    SwipeCheck checkOrder(const QList<TrackFound>& tracks) const {
        SwipeCheck check{tr("Track order"), CheckState::NotChecked, {}};
        const std::optional<TrackOrder> order = trackOrder(m_image);
        if (tracks.isEmpty()) {
            check.detail = tr("not checked, no track came");
            return check;
        }
        if (!order) {
            check.detail = tr("not checked, byte 32 holds the track order code %1, which names no order")
                               .arg(byteAt(m_image, bytes::kTrackOrder) & 0x07);
            return check;
        }
        QList<int> seen;
        qsizetype lastRank = -1;
        for (const TrackFound& track : tracks) {
            const qsizetype rank = order->tracks.indexOf(track.track);
            if (rank <= lastRank) {
                check.state = CheckState::Failed;
                check.detail = seen.contains(track.track)
                                   ? tr("track %1 came twice (key %2)").arg(track.track).arg(track.firstKey + 1)
                                   : tr("track %1 came after track %2 (key %3), the order is %4")
                                         .arg(track.track)
                                         .arg(seen.last())
                                         .arg(track.firstKey + 1)
                                         .arg(order->caption);
                return check;
            }
            lastRank = rank;
            seen << track.track;
        }
        check.state = CheckState::Passed;
        check.detail = tr("%1 in the order %2").arg(trackList(seen), order->caption);
        return check;
    }

    SwipeCheck checkSelection(const QList<TrackFound>& tracks) const {
        SwipeCheck check{tr("Track selection"), CheckState::NotChecked, {}};
        const std::optional<TrackSelection> selection = trackSelection(m_image);
        if (tracks.isEmpty()) {
            check.detail = tr("not checked, no track came");
            return check;
        }
        if (!selection) {
            check.detail = tr("not checked, byte 63 holds %1, which names no track selection")
                               .arg(codeText(byteAt(m_image, bytes::kTrackSelection)));
            return check;
        }
        QList<int> seen;
        for (const TrackFound& track : tracks) {
            if (!selection->allowed.contains(track.track)) {
                check.state = CheckState::Failed;
                check.detail = tr("track %1 came (key %2), but “%3” allows %4")
                                   .arg(track.track)
                                   .arg(track.firstKey + 1)
                                   .arg(selection->caption, trackList(selection->allowed));
                return check;
            }
            if (!seen.contains(track.track))
                seen << track.track;
        }
        check.state = CheckState::Passed;
        check.detail = tr("%1, allowed by “%2”").arg(trackList(seen), selection->caption);
        return check;
    }

    const QStringList& m_raw;
    const QStringList& m_shown;
    const SettingsImage& m_image;
    const int m_count;

    QString m_start[3];
    QString m_end;
    CodeString m_postamble;
    Terminator m_terminator;
    int m_dataStart = 0;
    int m_tailStart = 0;
    bool m_tailMatched = false;
    SwipeCheck m_tracksCheck;
};

bool isDigitToken(const QString& token) {
    return token.size() == 1 && token.at(0) >= u'0' && token.at(0) <= u'9';
}

SwipeTiming timingOf(const QList<CapturedKey>& keys) {
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

} // namespace

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

int readerKeyCode(const CapturedKey& key) {
    if (isCtrlLetter(key))
        return -1;
    if (key.key >= Qt::Key_F1 && key.key <= Qt::Key_F12)
        return key.key - Qt::Key_F1 + 1;
    // The editing keys in the order of their codes, 13 (Enter) to 28 (Shift+Tab).
    switch (key.key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Tab:
        return key.modifiers.testFlag(Qt::ShiftModifier) ? 28 : 14;
    case Qt::Key_Backspace:
        return 15;
    case Qt::Key_Up:
        return 16;
    case Qt::Key_Down:
        return 17;
    case Qt::Key_Left:
        return 18;
    case Qt::Key_Right:
        return 19;
    case Qt::Key_Home:
        return 20;
    case Qt::Key_End:
        return 21;
    case Qt::Key_PageUp:
        return 22;
    case Qt::Key_PageDown:
        return 23;
    case Qt::Key_Insert:
        return 24;
    case Qt::Key_Delete:
        return 25;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backtab:
        return 28;
    case Qt::Key_Space:
        return 32;
    default:
        break;
    }
    if (key.text.size() == 1) {
        const char16_t c = key.text.at(0).unicode();
        if (c >= 32 && c <= 126)
            return c;
    }
    return -1;
}

QString codeToken(int code) {
    if (code >= 33 && code <= 126)
        return QString(QChar(code));
    const QString name = keyName(code);
    if (name.trimmed().isEmpty())
        return {};
    return QStringLiteral("[%1]").arg(name);
}

QString keyToken(const CapturedKey& key) {
    if (isCtrlLetter(key))
        return ctrlToken(QChar(u'A' + (key.key - Qt::Key_A)));
    const int code = readerKeyCode(key);
    if (code >= 0)
        return codeToken(code);
    // A character of the keyboard layout beyond ASCII shows as itself too.
    if (key.text.size() == 1 && key.text.at(0).isPrint() && !key.text.at(0).isSpace())
        return key.text;
    return QStringLiteral("[%1]").arg(qtKeyName(key.key));
}

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

QStringList maskCardNumbers(const QStringList& tokens) {
    constexpr int kShortest = 12;
    constexpr int kLongest = 19;
    constexpr int kKeptFirst = 6;
    constexpr int kKeptLast = 4;
    QStringList masked = tokens;
    qsizetype i = 0;
    while (i < masked.size()) {
        if (!isDigitToken(masked.at(i))) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < masked.size() && isDigitToken(masked.at(end)))
            ++end;
        const qsizetype length = end - i;
        if (length >= kShortest && length <= kLongest)
            for (qsizetype k = i + kKeptFirst; k < end - kKeptLast; ++k)
                masked[k] = QStringLiteral("•");
        i = end;
    }
    return masked;
}

SwipeAnalysis analyzeSwipe(const QList<CapturedKey>& keys, const SettingsImage& image,
                           CardNumbers cardNumbers) {
    QStringList raw;
    for (const CapturedKey& key : keys)
        raw << keyToken(key);
    SwipeAnalysis analysis;
    // Every run is masked, not only those inside tracks that were recognised:
    // a swipe that fails its checks is still card data.
    analysis.tokens = cardNumbers == CardNumbers::Shown ? raw : maskCardNumbers(raw);
    analysis.timing = timingOf(keys);
    SwipeChecker(raw, analysis.tokens, image).run(analysis);
    return analysis;
}

QString expectedFrame(const SettingsImage& image) {
    QStringList parts = codeString(image, bytes::kFirstPreamble).tokens;
    const std::optional<TrackOrder> order = trackOrder(image);
    const std::optional<TrackSelection> selection = trackSelection(image);
    const QString end = shownCode(byteAt(image, bytes::kEndSentinel));
    const QString lrc =
        (byteAt(image, bytes::kTrackOrder) & bytes::kTransmitLrcBit) ? QStringLiteral(" LRC") : QString();
    for (int track : order ? order->tracks : QList<int>{1, 2, 3}) {
        if (selection && !selection->allowed.contains(track))
            continue;
        parts << QStringLiteral("‹%1…%2%3›")
                     .arg(shownCode(byteAt(image, bytes::kStartSentinels[static_cast<std::size_t>(track - 1)])), end, lrc);
    }
    parts << codeString(image, bytes::kFirstPostamble).tokens;
    const Terminator terminator = terminatorOf(byteAt(image, bytes::kKeyboardTerminator));
    if (terminator.known)
        parts << terminator.tokens;
    else
        parts << QStringLiteral("(%1)").arg(terminator.caption.isEmpty()
                                                ? codeText(byteAt(image, bytes::kKeyboardTerminator))
                                                : terminator.caption);
    return spaced(parts);
}

QString swipeLine(const QStringList& tokens) { return tokens.join(QString()); }

QString timingText(const SwipeTiming& timing) {
    if (timing.keys == 1)
        return tr("1 key");
    return tr("%1 keys in %2 ms; gaps between keys: smallest %3 ms, median %4 ms, largest %5 ms")
        .arg(timing.keys)
        .arg(timing.durationMs)
        .arg(timing.minGapMs)
        .arg(timing.medianGapMs)
        .arg(timing.maxGapMs);
}

QString checkLine(const SwipeCheck& check) {
    switch (check.state) {
    case CheckState::Passed:
        return QStringLiteral("✓ %1: %2").arg(check.name, check.detail);
    case CheckState::Failed:
        return QStringLiteral("✗ %1: %2").arg(check.name, check.detail);
    case CheckState::NotChecked:
        break;
    }
    return QStringLiteral("– %1: %2").arg(check.name, check.detail);
}

} // namespace quorvel
