#pragma once

#include <QByteArray>

namespace quorvel {

// What a signal that ends the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT) must not leave
// behind: the temporary and lock files being written, and the process groups of
// companions still running. Both programs call install() first thing in main().
//
// While someone listens (a swipe reading keys, a companion being waited for), such a
// signal is a stop request instead: it is noted and wakes the listener, which ends the
// program in good order; nothing is removed or ended behind its back. With nobody
// listening, the held names are removed, the held groups are sent SIGKILL and the
// program dies by the signal, as it would have without the handler.
namespace ending_signals {

// Ignores SIGXFSZ (a size limit is then a failed write with its reason) and installs
// the handlers. Harmless to call twice.
void install();

// For a program whose output goes to pipes: a write whose reader has gone then fails
// with its reason (EPIPE) instead of ending the program with the terminal left as it was.
void ignoreBrokenPipe();

// A name the handler removes; -1 when no slot is free (the name is then not guarded).
int holdName(const QByteArray& name);
void releaseName(int slot);

// A process group the handler ends; -1 when no slot is free.
int holdProcessGroup(qint64 group);
void releaseProcessGroup(int slot);

// Counted: every listen() needs its unlisten().
void listen();
void unlisten();

// Whether a stop was asked for since the last clearRequest(), and by which signal.
bool stopRequested();
int requestingSignal();
void clearRequest();
// Becomes readable when a stop is asked for and stays so until clearRequest(); -1 where
// the system has no such thing.
int wakeDescriptor();

// For a listener that has tidied up after a request: the program ends as the signal
// would have ended it. Returns only where there was no request.
void endBySignal();

} // namespace ending_signals

// Holds a name for the handler for as long as it lives.
class HeldName {
public:
    HeldName() = default;
    explicit HeldName(const QByteArray& name) : m_slot(ending_signals::holdName(name)) {}
    ~HeldName() { release(); }
    HeldName(const HeldName&) = delete;
    HeldName& operator=(const HeldName&) = delete;
    HeldName& operator=(HeldName&& other) noexcept {
        release();
        m_slot = other.m_slot;
        other.m_slot = -1;
        return *this;
    }
    void release() {
        if (m_slot >= 0)
            ending_signals::releaseName(m_slot);
        m_slot = -1;
    }

private:
    int m_slot = -1;
};

} // namespace quorvel
