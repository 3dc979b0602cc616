#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace quorvel {

// The program that carries usbData.txt into the reader, started by this bare name.
inline QString companionProgramName() {
    return QStringLiteral("Hoplink.exe");
}

struct CompanionRun {
    enum class Outcome {
        Exited,     // ran and ended by itself, whatever its exit code
        NotFound,   // neither beside this program nor on the search path
        NotStarted, // found, but the system would not start it
        Crashed,    // started, then ended abnormally (on Unix by a signal, held in exitCode)
        NeedsWine,  // found, but it is a Windows program and there is no wine to run it
        Stopped,    // ended on request by stop()
        TimedOut,   // ended because it ran past the time limit
    };
    Outcome outcome = Outcome::NotFound;
    QString program; // the path that was started, or the bare name when not found
    QString reason;  // the system's words for a failure
    int exitCode = 0;
};

// Starts a program and waits until it ends; the caller's event loop keeps turning meanwhile.
class CompanionRunner {
public:
    virtual ~CompanionRunner() = default;

    virtual CompanionRun run(const QString& program, const QStringList& arguments,
                             const QString& workingFolder) = 0;

    // Ends the program run() is waiting for (asked to end, killed a little later if it
    // will not); run() returns at once with Stopped. Nothing happens when none runs.
    virtual void stop() = 0;

    // Waits about this long, the event loop turning as in run(); false when stop() or a
    // stop request came meanwhile.
    virtual bool pause(std::chrono::milliseconds duration);

    // Holds the token until the program run() last started has ended: at once, unless a
    // stop left it ending.
    virtual void keepUntilEnded(std::shared_ptr<void> token) { token.reset(); }

    // A program still running after this long is ended as stop() ends it, and run() gives
    // TimedOut once it is gone. Nothing means no limit.
    void setTimeLimit(std::optional<std::chrono::seconds> limit) { m_timeLimit = limit; }
    std::optional<std::chrono::seconds> timeLimit() const { return m_timeLimit; }
    // Time already spent on the transmission (waiting for its turn), taken off the limit.
    void setTimeSpent(std::chrono::milliseconds spent) { m_timeSpent = spent; }
    std::optional<std::chrono::milliseconds> timeLeft() const;

    // Asked every little while as run() or pause() waits; true is a stop request. For
    // input that can ask for a stop while nobody reads it (Ctrl+C on a raw terminal).
    void setStopCheck(std::function<bool()> check) { m_stopCheck = std::move(check); }
    const std::function<bool()>& stopCheck() const { return m_stopCheck; }

private:
    std::optional<std::chrono::seconds> m_timeLimit;
    std::chrono::milliseconds m_timeSpent{0};
    std::function<bool()> m_stopCheck;
};

} // namespace quorvel
