#include "swipe_reader.h"

#include "core/keyboard/reader_keys.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

// How long an Esc waits for the rest of an escape sequence: a terminal sends a sequence in
// one piece, a reader types key after key.
constexpr int kEscapeWaitMs = 25;

constexpr int kLongSwipe = 256;
constexpr int kEnterCode = 13; // CR, which the reader types as the Enter key

// A key whose text is a character a terminator never is.
bool isPlainCharacter(const CapturedKey& key) {
    return key.text.size() == 1 && key.text.at(0).isPrint() && key.key != Qt::Key_Space &&
           !key.modifiers.testFlag(Qt::ControlModifier);
}

bool isCtrlC(const CapturedKey& key) {
    return key.key == Qt::Key_C && key.modifiers.testFlag(Qt::ControlModifier);
}

qint64 earlier(qint64 a, qint64 b) {
    return a < 0 ? b : (b < 0 ? a : std::min(a, b));
}

} // namespace

SwipeReader::SwipeReader(TerminalInput& input, int gapMs)
    : m_input(input), m_gapMs(gapMs), m_gatherer(gapMs) {}

bool SwipeReader::lineEndIsEnter() const {
    return m_frame.terminator.known && m_frame.terminator.tokens.value(0) == codeToken(kEnterCode);
}

bool SwipeReader::take(const QList<CapturedKey>& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const CapturedKey& key = keys.at(i);
        const QList<CapturedKey>& swipe = m_gatherer.swipe();
        if (swipe.size() >= kMostKeys) {
            m_tooLong = true;
            m_gatherer.clear();
            return false;
        }
        if (timed()) {
            const bool afterPause = swipe.isEmpty() || beginsSwipe(swipe.last(), key, m_gapMs);
            if (isCtrlC(key) && afterPause) {
                m_interrupted = true;
                m_swipe = m_gatherer.take();
                return !m_swipe.isEmpty();
            }
            // Past a swipe's usual length only a key that can end a terminator is looked at,
            // so that a long burst costs no more than its keys.
            const bool mayEnd = swipe.size() + 1 < kLongSwipe || !isPlainCharacter(key);
            SwipeGatherer::Step step = m_gatherer.add(key, mayEnd);
            if (!step.ended.isEmpty()) {
                m_swipe = std::move(step.ended);
                m_waiting = step.rest + keys.mid(i + 1);
                return true;
            }
        } else if (key.key == Qt::Key_Return) {
            if (lineEndIsEnter())
                m_gatherer.append(key);
            m_swipe = m_gatherer.take();
            m_waiting = keys.mid(i + 1);
            return true;
        } else {
            m_gatherer.append(key);
        }
    }
    return false;
}

SwipeReader::Result SwipeReader::next(qint64 deadlineMs) {
    using Kind = Result::Kind;
    const auto swipe = [this] { return Result{Kind::Swipe, std::exchange(m_swipe, {})}; };
    const auto gathered = [this] { return Result{Kind::Swipe, m_gatherer.take()}; };
    qint64 heldSince = -1;
    for (;;) {
        if (!m_waiting.isEmpty() && take(std::exchange(m_waiting, {})))
            return swipe();
        if (m_interrupted) {
            m_gatherer.clear();
            return {Kind::Interrupted, {}};
        }
        if (m_tooLong) {
            // The rest of the burst is read and dropped while the terminal is still raw,
            // so that none of it is echoed once the program has ended.
            while (timed() && m_input.read(m_gapMs).kind == TerminalInput::Chunk::Kind::Bytes) {
            }
            m_decoder = KeySequenceDecoder();
            return {Kind::TooLong, {}};
        }
        const qint64 now = m_input.nowMs();
        if (m_ended) {
            take(m_decoder.flush(now));
            if (!m_swipe.isEmpty())
                return swipe();
            if (!m_gatherer.swipe().isEmpty())
                return gathered();
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
        if (timed() && !m_gatherer.swipe().isEmpty()) {
            const qint64 complete = m_gatherer.swipe().last().timeMs + m_gapMs;
            if (now > complete)
                return gathered();
            wakeAt = complete + 1;
        }
        if (deadlineMs >= 0 && now >= deadlineMs)
            return m_gatherer.swipe().isEmpty() ? Result{Kind::TimedOut, {}} : gathered();
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
