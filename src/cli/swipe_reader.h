#pragma once

#include "key_sequence_decoder.h"
#include "terminal_input.h"

#include "core/swipe_analysis.h"

namespace quorvel {

// Gathers the keys a reader types into swipes. On a terminal a pause longer than the gap
// ends a swipe, and so does the terminator the settings make the reader send, as on the
// Swipe Test page; read from a pipe, where no time means anything, a line end (read as
// Enter, the swipe's last key) ends it.
class SwipeReader {
public:
    struct Result {
        enum class Kind { Swipe, TimedOut, Ended, Interrupted };
        Kind kind = Kind::Ended;
        QList<CapturedKey> keys; // held in memory only: it is card data
    };

    SwipeReader(TerminalInput& input, int gapMs);

    // What the reader is set to send, for its terminator; none is known until set.
    void setFrame(const SwipeFrame& frame) { m_frame = frame; }

    // The next swipe, waiting until the monotonic time deadlineMs (no limit when negative).
    // On a terminal Ctrl+C ends the reading, except right after another key, where it is the
    // reader's own terminator.
    Result next(qint64 deadlineMs = -1);

    bool timed() const { return m_input.isTerminal(); }

private:
    // Moves decoded keys into the swipe being gathered; true when it is complete.
    bool take(const QList<CapturedKey>& keys);

    TerminalInput& m_input;
    int m_gapMs;
    SwipeFrame m_frame;
    KeySequenceDecoder m_decoder;
    QList<CapturedKey> m_swipe;
    QList<CapturedKey> m_waiting; // decoded, but belonging to the next swipe
    bool m_interrupted = false;
    bool m_ended = false;
};

} // namespace quorvel
