#include "process_companion_runner.h"

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

QString ProcessCompanionRunner::locate(const QString& program) const {
    const QStringList first = m_firstFolders.isEmpty()
                                  ? QStringList{QCoreApplication::applicationDirPath()}
                                  : m_firstFolders;
    QString found = QStandardPaths::findExecutable(program, first);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        return found;
    for (const QString& folder : first + searchPath()) {
        const QFileInfo file(QDir(folder), program);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

CompanionRun ProcessCompanionRunner::run(const QString& program, const QStringList& arguments,
                                         const QString& workingFolder) {
    CompanionRun result;
    result.program = locate(program);
    if (result.program.isEmpty()) {
        result.outcome = CompanionRun::Outcome::NotFound;
        result.program = program;
        return result;
    }

    QProcess process;
    process.setProgram(result.program);
    process.setArguments(arguments);
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
