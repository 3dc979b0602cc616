#pragma once

#include "key_sequence_decoder.h"
#include "terminal_input.h"

#include "core/swipe/swipe_analysis.h"
#include "core/swipe/swipe_gatherer.h"

namespace quorvel {

// Gathers the keys a reader types into swipes. On a terminal a pause longer than the gap
// ends a swipe, and so does the terminator the settings make the reader send, as on the
// Swipe Test page; read from a pipe, where no time means anything, a line is a swipe, its
// line end the Enter key only where the settings make the reader send Enter.
class SwipeReader {
public:
    struct Result {
        // TooLong: more keys without an end than any reader's swipe has.
        enum class Kind { Swipe, TimedOut, Ended, Interrupted, TooLong };
        Kind kind = Kind::Ended;
        QList<CapturedKey> keys; // held in memory only: it is card data
    };

    // More keys than the longest frame a reader types: three tracks at their longest
    // with preamble and postamble, even as Alt + keypad codes.
    static constexpr int kMostKeys = 4096;

    SwipeReader(TerminalInput& input, int gapMs);

    // What the reader is set to send, for its terminator; none is known until set.
    void setFrame(const SwipeFrame& frame) {
        m_frame = frame;
        m_gatherer.setFrame(frame);
    }

    // The next swipe, waiting until the monotonic time deadlineMs (no limit when negative).
    // On a terminal Ctrl+C ends the reading, except right after another key, where it is the
    // reader's own terminator.
    Result next(qint64 deadlineMs = -1);

    bool timed() const { return m_input.isTerminal(); }

private:
    bool lineEndIsEnter() const;
    // Moves decoded keys into the swipe being gathered; true when one is complete, in m_swipe.
    bool take(const QList<CapturedKey>& keys);

    TerminalInput& m_input;
    int m_gapMs;
    SwipeFrame m_frame;
    KeySequenceDecoder m_decoder;
    SwipeGatherer m_gatherer;
    QList<CapturedKey> m_swipe;   // complete, to be handed on
    QList<CapturedKey> m_waiting; // decoded, but belonging to the next swipe
    bool m_interrupted = false;
    bool m_tooLong = false;
    bool m_ended = false;
};

} // namespace quorvel
