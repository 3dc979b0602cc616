#include "terminal_input_posix.h"

#include "core/ending_signals.h"

#include <QElapsedTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

#include <array>

namespace quorvel {

namespace {

// The terminal of the one input, for the stop and continue handlers.
volatile sig_atomic_t g_terminal = -1;
termios g_saved{};
termios g_raw{};
struct sigaction g_oldStop {};
struct sigaction g_oldContinue {};

// Only in the foreground: the terminal is the shell's while the program runs in the
// background, and the program gets it again (with SIGCONT) when brought forward.
void setTerminal(const termios& settings) {
    const int fd = g_terminal;
    if (fd >= 0 && ::tcgetpgrp(fd) == ::getpgrp())
        ::tcsetattr(fd, TCSANOW, &settings);
}

extern "C" void onContinue(int) {
    const int savedErrno = errno;
    setTerminal(g_raw);
    errno = savedErrno;
}

// Ctrl+Z is a key in raw mode, but a stop may come from outside (kill -TSTP): the shell
// gets its terminal back while the program is stopped, raw mode again on continuing.
extern "C" void onStop(int) {
    const int savedErrno = errno;
    setTerminal(g_saved);
    struct sigaction stop {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    struct sigaction mine {};
    ::sigaction(SIGTSTP, &stop, &mine);
    sigset_t tstp;
    sigemptyset(&tstp);
    sigaddset(&tstp, SIGTSTP);
    ::pthread_sigmask(SIG_UNBLOCK, &tstp, nullptr);
    ::raise(SIGTSTP); // stops here until continued
    ::sigaction(SIGTSTP, &mine, nullptr);
    setTerminal(g_raw);
    errno = savedErrno;
}

class PosixTerminalInput : public TerminalInput {
public:
    explicit PosixTerminalInput(int fd) : m_fd(fd) {
        m_clock.start();
        // An ending signal is then a request that read() answers with Interrupted.
        ending_signals::install();
        ending_signals::clearRequest();
        ending_signals::listen();
        m_terminal = ::isatty(fd) == 1 && ::tcgetattr(fd, &m_saved) == 0;
        if (m_terminal) {
            termios raw = m_saved;
            // Keys as they are: no line editing, no echo, Ctrl+C and Ctrl+S as bytes, CR
            // kept; output processing stays on so that "\n" still starts a new line.
            raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | ISIG | IEXTEN);
            raw.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | IXON | ISTRIP | BRKINT);
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            ::tcsetattr(fd, TCSAFLUSH, &raw);
            g_saved = m_saved;
            g_raw = raw;
            g_terminal = fd;
            struct sigaction action {};
            sigemptyset(&action.sa_mask);
            action.sa_handler = onStop;
            // A stop ignored by whoever started the program stays ignored.
            if (::sigaction(SIGTSTP, nullptr, &g_oldStop) == 0 && g_oldStop.sa_handler != SIG_IGN)
                ::sigaction(SIGTSTP, &action, nullptr);
            action.sa_handler = onContinue;
            ::sigaction(SIGCONT, &action, &g_oldContinue);
        }
    }

    ~PosixTerminalInput() override {
        if (m_terminal) {
            g_terminal = -1;
            ::sigaction(SIGTSTP, &g_oldStop, nullptr);
            ::sigaction(SIGCONT, &g_oldContinue, nullptr);
            ::tcsetattr(m_fd, TCSAFLUSH, &m_saved);
        }
        ending_signals::unlisten();
    }

    PosixTerminalInput(const PosixTerminalInput&) = delete;
    PosixTerminalInput& operator=(const PosixTerminalInput&) = delete;

    bool isTerminal() const override { return m_terminal; }

    qint64 nowMs() const override { return m_clock.elapsed(); }

    Chunk read(int timeoutMs) override {
        const qint64 deadline = timeoutMs < 0 ? -1 : nowMs() + timeoutMs;
        for (;;) {
            if (ending_signals::stopRequested())
                return {Chunk::Kind::Interrupted, {}, nowMs()};
            if (m_ended)
                return {Chunk::Kind::EndOfInput, {}, nowMs()};
            const qint64 left = deadline < 0 ? -1 : deadline - nowMs();
            if (deadline >= 0 && left <= 0)
                return {Chunk::Kind::TimedOut, {}, nowMs()};
            const int wake = ending_signals::wakeDescriptor();
            std::array<pollfd, 2> fds{{{m_fd, POLLIN, 0}, {wake, POLLIN, 0}}};
            const int ready = ::poll(fds.data(), wake >= 0 ? 2 : 1, static_cast<int>(left));
            if (ready < 0 && errno != EINTR)
                return {Chunk::Kind::EndOfInput, {}, nowMs()};
            if (ready <= 0 || !(fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[256];
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (got <= 0) {
                m_ended = true;
                continue;
            }
            return {Chunk::Kind::Bytes, QByteArray(buffer, got), nowMs()};
        }
    }

private:
    int m_fd;
    bool m_terminal = false;
    bool m_ended = false;
    termios m_saved{};
    QElapsedTimer m_clock;
};

} // namespace

std::unique_ptr<TerminalInput> openTerminalInput(int fd) {
    return std::make_unique<PosixTerminalInput>(fd);
}

std::unique_ptr<TerminalInput> openStandardInput() {
    return openTerminalInput(STDIN_FILENO);
}

} // namespace quorvel
