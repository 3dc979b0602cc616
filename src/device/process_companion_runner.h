#pragma once

#include "companion_runner.h"

#include <QPointer>

#include <chrono>

class QEventLoop;
class QProcess;

namespace quorvel {

// CompanionRunner on QProcess: never through a shell, arguments passed as given.
// Away from Windows a Windows program is handed to wine.
//
// The program leads a process group of its own, and whatever ends it (stop, the time
// limit, a stop request) ends the group: asked to end, then killed after the kill delay.
// A group left running (by a program that ended and left a child) is ended when the
// application ends, and killed by an ending signal nobody listens for.
class ProcessCompanionRunner : public CompanionRunner {
public:
    // Folders searched before the search path; by default the folder of this program.
    explicit ProcessCompanionRunner(QStringList firstFolders = {});

    CompanionRun run(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;
    void stop() override;
    bool pause(std::chrono::milliseconds duration) override;
    void keepUntilEnded(std::shared_ptr<void> token) override;

    // How long a program asked to end has before it is killed.
    void setKillDelay(std::chrono::milliseconds delay) { m_killDelay = delay; }

    // While run() or pause() waits, an ending signal (SIGINT, SIGTERM, SIGHUP) is a stop
    // request: the group is ended in good order and run() gives Stopped once it is gone;
    // the request stays for the caller to act on. For the command-line tool; a window
    // program must still end by such a signal.
    void setListening(bool listening) { m_listening = listening; }

    // The file that run() would start: a name with a folder in it is taken as it is,
    // relative to the working folder;
    // a bare name is looked for beside this program, then on the search path, and the
    // first file there that can run wins (an executable, or a Windows program, which
    // wine runs without the execute permission); failing that the first file of that
    // name at all, so that starting it yields the system's reason. Empty when there is none.
    QString locate(const QString& program, const QString& workingFolder = {}) const;

private:
    class RequestWatch;
    void end(QProcess* process);
    void waitUntilGone(qint64 group, QProcess* process);

    QStringList m_firstFolders;
    std::chrono::milliseconds m_killDelay{3000};
    bool m_listening = false;
    QProcess* m_running = nullptr;
    QEventLoop* m_loop = nullptr;
    qint64 m_group = 0;
    bool m_stopped = false;
    bool m_ending = false;  // asked to end, the kill pending
    QPointer<QProcess> m_leftEnding; // a stopped program run() did not wait for
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
ProcessCompanionRunner& systemCompanionRunner();

} // namespace quorvel
