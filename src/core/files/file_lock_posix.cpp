// The lock through flock(), on a lock file of its own or on the file it guards.
#include "core/files/file_lock.h"

#include "core/ending_signals.h"
#include "core/files/file_name.h"
#include "core/files/posix_names.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

using namespace posix_names;

namespace {

constexpr int kLockPollMs = 20;

} // namespace

struct FileLock::State {
    QByteArray name;
    Guards guards = Guards::ItsOwnFile;
    HeldName heldLockFile; // an ending signal removes a lock file of our own
    int fd = -1;

    // Opens what is to be locked, or says why it cannot. A node that is not a regular file
    // is refused before it is opened, so that a FIFO or device planted there is never used.
    int open(QString* reason) const {
        QByteArray target = name;
        if (guards == Guards::TheFileItself) {
            QByteArray refused;
            target = linkTarget(name, &refused);
            if (!refused.isEmpty()) {
                *reason = refusedLinkWords(refused);
                return -1;
            }
            if (target.isEmpty()) {
                *reason = systemWords(ELOOP);
                return -1;
            }
        }
        struct stat info {};
        if (::lstat(target.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            *reason = S_ISLNK(info.st_mode) ? systemWords(ELOOP) : notRegularWords(info.st_mode);
            return -1;
        }
        const int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK;
        // Read-only is enough for flock, so a lock file made by another user serves too.
        const int fd = guards == Guards::TheFileItself ? ::open(target.constData(), flags)
                                                       : ::open(target.constData(), flags | O_CREAT, 0644);
        if (fd < 0) {
            const int error = errno;
            const bool folderRefuses =
                guards == Guards::ItsOwnFile && (error == EACCES || error == EROFS) && ::access(target.constData(), F_OK) != 0;
            *reason = folderRefuses ? QStringLiteral("The folder cannot be written (%1)").arg(systemWords(error))
                                    : systemWords(error);
            return -1;
        }
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            *reason = notRegularWords(info.st_mode);
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // Whether the name still leads to the file that fd holds.
    bool stillNamed(int fd) const {
        QByteArray target = guards == Guards::TheFileItself ? linkTarget(name) : name;
        struct stat held {};
        struct stat named {};
        return !target.isEmpty() && ::fstat(fd, &held) == 0 && ::stat(target.constData(), &named) == 0 &&
               held.st_ino == named.st_ino && held.st_dev == named.st_dev;
    }
};

FileLock::FileLock(const QString& path, Guards guards) : m_state(std::make_unique<State>()) {
    m_state->name = fileNameBytes(path);
    m_state->guards = guards;
}

FileLock::~FileLock() {
    if (m_state->fd < 0)
        return;
    // Removed while still held: a waiter that then gets the old file sees it is gone.
    if (m_state->guards == Guards::ItsOwnFile)
        ::unlink(m_state->name.constData());
    ::close(m_state->fd);
}

FileLock::Result FileLock::tryLock(int timeoutMs, QString* reason) {
    State& s = *m_state;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const int fd = s.open(reason);
        if (fd < 0)
            return Result::Failed;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (s.stillNamed(fd)) {
                s.fd = fd;
                if (s.guards == Guards::ItsOwnFile)
                    s.heldLockFile = HeldName(s.name);
                return Result::Locked;
            }
            ::close(fd); // its holder removed or replaced it meanwhile; take the new one
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR) {
            *reason = systemWords(error);
            return Result::Failed;
        }
        if (deadline.hasExpired())
            return Result::Busy;
        QThread::msleep(kLockPollMs);
    }
}

} // namespace quorvel
