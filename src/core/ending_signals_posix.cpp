// The ending signals through sigaction; the handler touches only the fixed slots below
// and calls only async-signal-safe functions.
#include "ending_signals.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quorvel::ending_signals {

namespace {

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kSlots = 16;

struct NameSlot {
    std::atomic<bool> used{false};
    char name[PATH_MAX + 1] = {};
};

std::array<NameSlot, kSlots> g_names;
std::array<std::atomic<pid_t>, kSlots> g_groups{};
std::atomic<int> g_listeners{0};
volatile sig_atomic_t g_signal = 0;
int g_wake[2] = {-1, -1};
std::atomic<bool> g_installed{false};

extern "C" void onEndingSignal(int signal) {
    const int savedErrno = errno;
    if (g_listeners.load() > 0) {
        g_signal = signal;
        if (g_wake[1] >= 0) {
            const char byte = 1;
            [[maybe_unused]] const ssize_t written = ::write(g_wake[1], &byte, 1);
        }
        errno = savedErrno;
        return;
    }
    for (NameSlot& slot : g_names)
        if (slot.used.load())
            ::unlink(slot.name);
    for (auto& group : g_groups)
        if (const pid_t g = group.load(); g > 0)
            ::kill(-g, SIGKILL);
    struct sigaction original {};
    original.sa_handler = SIG_DFL;
    sigemptyset(&original.sa_mask);
    ::sigaction(signal, &original, nullptr);
    ::raise(signal); // delivered when the handler returns
    errno = savedErrno;
}

} // namespace

void install() {
    if (g_installed.exchange(true))
        return;
    ::signal(SIGXFSZ, SIG_IGN);
    if (::pipe(g_wake) == 0) {
        for (int end : g_wake) {
            ::fcntl(end, F_SETFD, FD_CLOEXEC);
            ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
        }
    }
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    for (int s : kEndingSignals)
        sigaddset(&action.sa_mask, s);
    for (int s : kEndingSignals) {
        struct sigaction old {};
        // A signal ignored when the program started (nohup) stays ignored.
        if (::sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        ::sigaction(s, &action, nullptr);
    }
}

void ignoreBrokenPipe() {
    ::signal(SIGPIPE, SIG_IGN);
}

int holdName(const QByteArray& name) {
    if (name.isEmpty() || name.size() > PATH_MAX)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        NameSlot& slot = g_names[static_cast<std::size_t>(i)];
        if (slot.used.load())
            continue;
        std::memcpy(slot.name, name.constData(), static_cast<std::size_t>(name.size()));
        slot.name[name.size()] = '\0';
        slot.used.store(true);
        return i;
    }
    return -1;
}

void releaseName(int slot) {
    if (slot >= 0 && slot < kSlots)
        g_names[static_cast<std::size_t>(slot)].used.store(false);
}

int holdProcessGroup(qint64 group) {
    if (group <= 0)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        pid_t empty = 0;
        if (g_groups[static_cast<std::size_t>(i)].compare_exchange_strong(empty, static_cast<pid_t>(group)))
            return i;
    }
    return -1;
}

void releaseProcessGroup(int slot) {
    if (slot >= 0 && slot < kSlots)
        g_groups[static_cast<std::size_t>(slot)].store(0);
}

void listen() {
    ++g_listeners;
}

void unlisten() {
    --g_listeners;
}

bool stopRequested() {
    return g_signal != 0;
}

int requestingSignal() {
    return g_signal;
}

void clearRequest() {
    g_signal = 0;
    if (g_wake[0] >= 0) {
        char buffer[64];
        while (::read(g_wake[0], buffer, sizeof buffer) > 0) {
        }
    }
}

int wakeDescriptor() {
    return g_wake[0];
}

void endBySignal() {
    const int signal = g_signal;
    if (signal == 0)
        return;
    g_listeners.store(0);
    struct sigaction original {};
    original.sa_handler = SIG_DFL;
    sigemptyset(&original.sa_mask);
    ::sigaction(signal, &original, nullptr);
    ::raise(signal);
    // A signal blocked by the caller still ends the program as its status would say.
    ::_exit(128 + signal);
}

} // namespace quorvel::ending_signals
