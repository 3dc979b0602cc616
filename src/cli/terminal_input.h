#pragma once

#include <QByteArray>

#include <memory>

namespace quorvel {

// Standard input as the swipe commands read it. On a terminal it is put in raw, no-echo
// mode for as long as this object lives, so that Tab, Enter, Esc and Ctrl+C arrive as keys.
class TerminalInput {
public:
    struct Chunk {
        enum class Kind { Bytes, TimedOut, EndOfInput, Interrupted };
        Kind kind = Kind::TimedOut;
        QByteArray bytes;
        qint64 timeMs = 0; // when the bytes were read, on the clock of nowMs()
    };

    virtual ~TerminalInput() = default;

    // Whether the input is a terminal; only then does the time of a key mean anything.
    virtual bool isTerminal() const = 0;
    // Waits at most timeoutMs (forever when negative) for bytes. Interrupted when a signal
    // asked the program to end (SIGINT, SIGTERM, SIGHUP).
    virtual Chunk read(int timeoutMs) = 0;
    // A monotonic clock in milliseconds.
    virtual qint64 nowMs() const = 0;
};

// The program's standard input.
std::unique_ptr<TerminalInput> openStandardInput();

} // namespace quorvel
