#pragma once

#include "companion_runner.h"

#include <chrono>

class QEventLoop;
class QProcess;

namespace quorvel {

// CompanionRunner on QProcess: never through a shell, arguments passed as given.
// Away from Windows a Windows program is handed to wine.
class ProcessCompanionRunner : public CompanionRunner {
public:
    // Folders searched before the search path; by default the folder of this program.
    explicit ProcessCompanionRunner(QStringList firstFolders = {});

    CompanionRun run(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;
    void stop() override;

    // How long a program asked to end has before it is killed.
    void setKillDelay(std::chrono::milliseconds delay) { m_killDelay = delay; }

    // The file that run() would start: a name with a folder in it is taken as it is,
    // relative to the working folder;
    // a bare name is looked for beside this program, then on the search path, and the
    // first file there that can run wins (an executable, or a Windows program, which
    // wine runs without the execute permission); failing that the first file of that
    // name at all, so that starting it yields the system's reason. Empty when there is none.
    QString locate(const QString& program, const QString& workingFolder = {}) const;

private:
    void end(QProcess* process);

    QStringList m_firstFolders;
    std::chrono::milliseconds m_killDelay{3000};
    QProcess* m_running = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_stopped = false;
    bool m_ending = false; // asked to end, the kill pending
};

// True where Windows programs need wine.
constexpr bool windowsProgramsNeedWine() {
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

// The runner the program uses, searching beside the program first.
CompanionRunner& systemCompanionRunner();

} // namespace quorvel
