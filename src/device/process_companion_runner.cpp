#include "process_companion_runner.h"

#include "companion_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

    QProcess process;
    process.setProgram(started);
    process.setArguments(startArguments);
    process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());

    // A local loop rather than waitForFinished(), so windows keep repainting.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(-1)) {
        result.outcome = CompanionRun::Outcome::NotStarted;
        result.reason = process.errorString();
        return result;
    }
    if (process.state() != QProcess::NotRunning)
        loop.exec();

    result.exitCode = process.exitCode();
    if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = CompanionRun::Outcome::Crashed;
        result.reason = process.errorString();
    } else {
        result.outcome = CompanionRun::Outcome::Exited;
    }
    return result;
}

} // namespace quorvel
