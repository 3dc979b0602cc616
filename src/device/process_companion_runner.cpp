#include "process_companion_runner.h"

#include "companion_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace quorvel {

namespace {

QStringList searchPath() {
    return qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

} // namespace

CompanionRunner& systemCompanionRunner() {
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

    // A local loop rather than waitForFinished(), so windows keep repainting.
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    process->start();
    if (!process->waitForStarted(-1)) {
        result.outcome = CompanionRun::Outcome::NotStarted;
        result.reason = process->errorString();
        delete process;
        return result;
    }
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, process, [this, process, &timedOut] {
        timedOut = true;
        end(process);
    });
    if (timeLimit())
        limit.start(*timeLimit());
    m_running = process;
    m_loop = &loop;
    m_stopped = false;
    m_ending = false;
    if (process->state() != QProcess::NotRunning)
        loop.exec();
    m_running = nullptr;
    m_loop = nullptr;

    if (m_stopped && process->state() != QProcess::NotRunning) {
        // Left to end by itself or by the kill; the person need not wait for it.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        result.outcome = timedOut ? CompanionRun::Outcome::TimedOut : CompanionRun::Outcome::Stopped;
        return result;
    }
    result.exitCode = process->exitCode();
    if (timedOut) {
        result.outcome = CompanionRun::Outcome::TimedOut;
    } else if (m_stopped) {
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

void ProcessCompanionRunner::stop() {
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
    process->terminate();
    QTimer::singleShot(m_killDelay, process, [process] { process->kill(); });
}

} // namespace quorvel
