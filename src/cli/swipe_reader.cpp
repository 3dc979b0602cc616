#include "swipe_reader.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

// How long an Esc waits for the rest of an escape sequence: a terminal sends a sequence in
// one piece, a reader types key after key.
constexpr int kEscapeWaitMs = 25;

bool isCtrlC(const CapturedKey& key) {
    return key.key == Qt::Key_C && key.modifiers.testFlag(Qt::ControlModifier);
}

qint64 earlier(qint64 a, qint64 b) {
    return a < 0 ? b : (b < 0 ? a : std::min(a, b));
}

} // namespace

SwipeReader::SwipeReader(TerminalInput& input, int gapMs) : m_input(input), m_gapMs(gapMs) {}

bool SwipeReader::take(const QList<CapturedKey>& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const CapturedKey& key = keys.at(i);
        if (timed()) {
            const bool afterPause = m_swipe.isEmpty() || beginsSwipe(m_swipe.last(), key, m_gapMs);
            if (isCtrlC(key) && afterPause) {
                m_interrupted = true;
                return !m_swipe.isEmpty();
            }
            if (!m_swipe.isEmpty() && afterPause) {
                m_waiting = keys.mid(i);
                return true;
            }
            m_swipe << key;
            if (const int end = terminatorEnd(m_swipe, m_frame); end >= 0) {
                m_waiting = m_swipe.mid(end + 1) + keys.mid(i + 1);
                m_swipe.resize(end + 1);
                return true;
            }
        } else {
            m_swipe << key;
            if (key.key == Qt::Key_Return) {
                m_waiting = keys.mid(i + 1);
                return true;
            }
        }
    }
    return false;
}

SwipeReader::Result SwipeReader::next(qint64 deadlineMs) {
    using Kind = Result::Kind;
    const auto swipe = [this] { return Result{Kind::Swipe, std::exchange(m_swipe, {})}; };
    qint64 heldSince = -1;
    for (;;) {
        if (!m_waiting.isEmpty() && take(std::exchange(m_waiting, {})))
            return swipe();
        if (m_interrupted) {
            m_swipe.clear();
            return {Kind::Interrupted, {}};
        }
        const qint64 now = m_input.nowMs();
        if (m_ended) {
            take(m_decoder.flush(now));
            if (!m_swipe.isEmpty())
                return swipe();
            if (!m_waiting.isEmpty())
                continue;
            return {Kind::Ended, {}};
        }
        if (m_decoder.holdsBack() && heldSince >= 0 && now - heldSince >= kEscapeWaitMs) {
            heldSince = -1;
            if (take(m_decoder.flush(now)))
                return swipe();
            continue;
        }
        qint64 wakeAt = -1;
        if (timed() && !m_swipe.isEmpty()) {
            const qint64 complete = m_swipe.last().timeMs + m_gapMs;
            if (now > complete)
                return swipe();
            wakeAt = complete + 1;
        }
        if (deadlineMs >= 0 && now >= deadlineMs)
            return m_swipe.isEmpty() ? Result{Kind::TimedOut, {}} : swipe();
        if (m_decoder.holdsBack())
            wakeAt = earlier(wakeAt, (heldSince < 0 ? now : heldSince) + kEscapeWaitMs);
        wakeAt = earlier(wakeAt, deadlineMs);
        const TerminalInput::Chunk chunk =
            m_input.read(wakeAt < 0 ? -1 : static_cast<int>(std::max<qint64>(0, wakeAt - now)));
        switch (chunk.kind) {
        case TerminalInput::Chunk::Kind::Bytes: {
            const QList<CapturedKey> keys = m_decoder.feed(chunk.bytes, chunk.timeMs);
            heldSince = m_decoder.holdsBack() ? chunk.timeMs : -1;
            if (take(keys))
                return swipe();
            break;
        }
        case TerminalInput::Chunk::Kind::TimedOut:
            if (m_decoder.holdsBack() && heldSince < 0)
                heldSince = chunk.timeMs;
            break;
        case TerminalInput::Chunk::Kind::EndOfInput:
            m_ended = true;
            break;
        case TerminalInput::Chunk::Kind::Interrupted:
            m_interrupted = true;
            break;
        }
    }
}

} // namespace quorvel
