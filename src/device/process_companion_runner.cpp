#include "process_companion_runner.h"

#include "companion_command.h"
#include "process_group.h"

#include "core/ending_signals.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

QStringList searchPath() {
    return qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

constexpr int kSweepMs = 50;
constexpr int kIdleSweepMs = 2000;
// A killed group that still seems to run is stuck in the system; nobody waits longer.
constexpr int kAfterKillMs = 1000;

// The companions' groups, from their start until nothing of them runs: asked to end, then
// killed when their time is up, and held for the ending-signal handler meanwhile. One
// list for the whole program, since groups outlive the runs (and runners) that made them.
class Groups {
public:
    static Groups& instance() {
        static Groups groups;
        return groups;
    }

    void add(qint64 group, std::chrono::milliseconds grace) {
        if (group <= 0)
            return;
        if (!m_atExit) {
            m_atExit = true;
            qAddPostRoutine([] { Groups::instance().endAll(); });
        }
        m_groups.push_back({group, ending_signals::holdProcessGroup(group), grace, {}, {}});
        startSweeping();
    }

    // Asks the group to end now; it is killed after its grace.
    void end(qint64 group) {
        for (Entry& entry : m_groups)
            if (entry.group == group)
                end(entry);
        startSweeping();
    }

    // Whether the group is still held: something of it runs, and it was not killed long ago.
    bool held(qint64 group) {
        sweep();
        return std::any_of(m_groups.begin(), m_groups.end(),
                           [group](const Entry& entry) { return entry.group == group; });
    }

    // At the program's end: the groups not yet asked are asked, and whatever is left when
    // the grace is over is killed.
    void endAll() {
        for (Entry& entry : m_groups)
            end(entry);
        while (!m_groups.empty()) {
            sweep();
            if (!m_groups.empty())
                QThread::msleep(kSweepMs);
        }
    }

private:
    struct Entry {
        qint64 group;
        int slot;
        std::chrono::milliseconds grace;
        std::optional<QDeadlineTimer> killAt;
        std::optional<QDeadlineTimer> givenUpAt;
    };

    static void end(Entry& entry) {
        if (entry.killAt)
            return;
        process_group::terminate(entry.group);
        entry.killAt = QDeadlineTimer(entry.grace);
    }

    void sweep() {
        for (auto it = m_groups.begin(); it != m_groups.end();) {
            if (!process_group::running(it->group) ||
                (it->givenUpAt && it->givenUpAt->hasExpired())) {
                ending_signals::releaseProcessGroup(it->slot);
                it = m_groups.erase(it);
                continue;
            }
            if (it->killAt && it->killAt->hasExpired() && !it->givenUpAt) {
                process_group::kill(it->group);
                it->givenUpAt = QDeadlineTimer(kAfterKillMs);
            }
            ++it;
        }
        if (m_timer)
            setPace();
    }

    // Quick while a group is ending; a group left running by a program that ended is
    // only looked at now and then.
    void setPace() {
        if (m_groups.empty()) {
            m_timer->stop();
            return;
        }
        const bool ending = std::any_of(m_groups.begin(), m_groups.end(), [](const Entry& entry) {
            return entry.killAt.has_value();
        });
        m_timer->setInterval(ending ? kSweepMs : kIdleSweepMs);
        if (!m_timer->isActive())
            m_timer->start();
    }

    void startSweeping() {
        if (m_groups.empty() || !QCoreApplication::instance())
            return;
        if (!m_timer) {
            // The application's: it goes with it, before this list does.
            m_timer = new QTimer(QCoreApplication::instance());
            QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { sweep(); });
        }
        setPace();
    }

    std::vector<Entry> m_groups;
    QPointer<QTimer> m_timer;
    bool m_atExit = false;
};

} // namespace

// Turns the stop requests of a wait into one call: an ending signal where the runner
// listens, and the stop check.
class ProcessCompanionRunner::RequestWatch {
public:
    RequestWatch(const ProcessCompanionRunner& runner, std::function<void()> onRequest)
        : m_listening(runner.m_listening), m_onRequest(std::move(onRequest)) {
        if (m_listening) {
            ending_signals::listen();
            if (const int wake = ending_signals::wakeDescriptor(); wake >= 0) {
                m_wake = std::make_unique<QSocketNotifier>(wake, QSocketNotifier::Read);
                QObject::connect(m_wake.get(), &QSocketNotifier::activated, m_wake.get(),
                                 [this] { check(); });
            }
        }
        if (const std::function<bool()>& stopCheck = runner.stopCheck()) {
            QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, stopCheck] {
                if (stopCheck())
                    request();
            });
            m_poll.start(100);
        }
    }
    ~RequestWatch() {
        if (m_listening)
            ending_signals::unlisten();
    }
    RequestWatch(const RequestWatch&) = delete;
    RequestWatch& operator=(const RequestWatch&) = delete;

    bool requested() const { return m_requested; }

private:
    void check() {
        if (ending_signals::stopRequested())
            request();
    }
    void request() {
        if (m_requested)
            return;
        m_requested = true;
        // The pipe stays readable until the request is cleared: once is enough.
        if (m_wake)
            m_wake->setEnabled(false);
        m_poll.stop();
        m_onRequest();
    }

    bool m_listening;
    std::function<void()> m_onRequest;
    std::unique_ptr<QSocketNotifier> m_wake;
    QTimer m_poll;
    bool m_requested = false;
};

ProcessCompanionRunner& systemCompanionRunner() {
    static ProcessCompanionRunner runner;
    return runner;
}

ProcessCompanionRunner::ProcessCompanionRunner(QStringList firstFolders)
    : m_firstFolders(std::move(firstFolders)) {}

QString ProcessCompanionRunner::locate(const QString& program, const QString& workingFolder) const {
    if (program.isEmpty())
        return {};
    if (program.contains(QLatin1Char('/')) || program.contains(QDir::separator())) {
        // As a shell would: a relative path starts where the program runs.
        const QFileInfo file(QDir(workingFolder), program);
        return file.isFile() ? file.absoluteFilePath() : QString();
    }
    const QStringList folders =
        (m_firstFolders.isEmpty() ? QStringList{QCoreApplication::applicationDirPath()}
                                  : m_firstFolders) +
        searchPath();
    QString unusable;
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), program);
        if (!file.isFile())
            continue;
        const QString path = file.absoluteFilePath();
        if (file.isExecutable() || (windowsProgramsNeedWine() && isWindowsProgram(path)))
            return path;
        if (unusable.isEmpty())
            unusable = path;
    }
    return unusable;
}

CompanionRun ProcessCompanionRunner::run(const QString& program, const QStringList& arguments,
                                         const QString& workingFolder) {
    CompanionRun result;
    result.program = locate(program, workingFolder);
    if (result.program.isEmpty()) {
        result.outcome = CompanionRun::Outcome::NotFound;
        result.program = program;
        return result;
    }

    QString started = result.program;
    QStringList startArguments = arguments;
    if (windowsProgramsNeedWine() && isWindowsProgram(result.program)) {
        started = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (started.isEmpty()) {
            result.outcome = CompanionRun::Outcome::NeedsWine;
            return result;
        }
        startArguments.prepend(result.program);
    }

    // On the heap: a stopped program may take a while to go, and nobody waits for it.
    // As a child of the application it is killed at the latest when the application ends.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(started);
    process->setArguments(startArguments);
    process->setWorkingDirectory(workingFolder);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process_group::giveOwnGroup(*process);

    // A local loop rather than waitForFinished(), so windows keep repainting.
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    m_leftEnding = nullptr;
    if (m_listening && ending_signals::stopRequested()) {
        delete process;
        result.outcome = CompanionRun::Outcome::Stopped;
        return result;
    }
    process->start();
    if (!process->waitForStarted(-1)) {
        result.outcome = CompanionRun::Outcome::NotStarted;
        result.reason = process->errorString();
        delete process;
        return result;
    }
    const qint64 group = process_group::groupOf(*process);
    Groups::instance().add(group, m_killDelay);
    m_group = group;
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, process, [this, process, &timedOut] {
        timedOut = true;
        end(process);
    });
    if (const auto left = timeLeft())
        limit.start(*left);
    m_running = process;
    m_loop = &loop;
    m_stopped = false;
    m_ending = false;
    // A signal since the check above has left the wake pipe readable: seen at once.
    RequestWatch watch(*this, [this, process] { end(process); });
    if (process->state() != QProcess::NotRunning)
        loop.exec();
    m_running = nullptr;
    m_loop = nullptr;
    m_group = 0;

    if (m_stopped && process->state() != QProcess::NotRunning) {
        // Left to end by itself or by the kill; the person need not wait for it.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        m_leftEnding = process;
        result.outcome =
            timedOut ? CompanionRun::Outcome::TimedOut : CompanionRun::Outcome::Stopped;
        return result;
    }
    // Ended for the time or on a request: not done until all it started is gone.
    if (timedOut || watch.requested())
        waitUntilGone(group, process);
    result.exitCode = process->exitCode();
    if (timedOut) {
        result.outcome = CompanionRun::Outcome::TimedOut;
    } else if (m_stopped || watch.requested()) {
        result.outcome = CompanionRun::Outcome::Stopped;
    } else if (process->exitStatus() == QProcess::CrashExit) {
        result.outcome = CompanionRun::Outcome::Crashed;
        result.reason = process->errorString();
    } else {
        result.outcome = CompanionRun::Outcome::Exited;
    }
    delete process;
    return result;
}

void ProcessCompanionRunner::waitUntilGone(qint64 group, QProcess* process) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (process->state() == QProcess::NotRunning && !Groups::instance().held(group))
            loop.quit();
    });
    poll.start(kSweepMs);
    loop.exec();
}

bool ProcessCompanionRunner::pause(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    RequestWatch watch(*this, [&loop] { loop.quit(); });
    m_loop = &loop;
    m_stopped = false;
    if (!(m_listening && ending_signals::stopRequested()))
        loop.exec();
    m_loop = nullptr;
    return !m_stopped && !watch.requested() && !(m_listening && ending_signals::stopRequested());
}

void ProcessCompanionRunner::keepUntilEnded(std::shared_ptr<void> token) {
    if (m_leftEnding && m_leftEnding->state() != QProcess::NotRunning)
        QObject::connect(m_leftEnding.data(), &QObject::destroyed, m_leftEnding.data(),
                         [token = std::move(token)] {});
}

void ProcessCompanionRunner::stop() {
    if (m_loop && !m_running) { // pausing
        m_stopped = true;
        m_loop->quit();
        return;
    }
    // One that has ended meanwhile (while the question was open) tells its own end.
    if (!m_running || m_stopped || m_running->state() == QProcess::NotRunning)
        return;
    m_stopped = true;
    end(m_running);
    m_loop->quit();
}

void ProcessCompanionRunner::end(QProcess* process) {
    if (m_ending)
        return;
    m_ending = true;
    if (m_group > 0) {
        Groups::instance().end(m_group);
        return;
    }
    process->terminate();
    QTimer::singleShot(m_killDelay, process, [process] { process->kill(); });
}

} // namespace quorvel
