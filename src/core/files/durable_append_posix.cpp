#include "core/files/durable_append.h"

#include "core/files/file_access.h"
#include "core/files/file_name.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

// Another program's append holds the lock for one write and one sync.
constexpr int kLockWaitMs = 30000;
constexpr int kLockPollMs = 20;

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

struct DurableAppendFile::State {
    QString path;
    int fd = -1;
};

DurableAppendFile::DurableAppendFile(QString path) : m_state(std::make_unique<State>()) {
    m_state->path = std::move(path);
}

DurableAppendFile::~DurableAppendFile() {
    if (m_state->fd >= 0)
        ::close(m_state->fd);
}

QString DurableAppendFile::open() {
    if (const QString refused = refusedLinkReason(m_state->path); !refused.isEmpty())
        return refused;
    const QByteArray name = fileNameBytes(m_state->path);
    struct stat before {};
    const bool link = ::lstat(name.constData(), &before) == 0 && S_ISLNK(before.st_mode);
    // A link planted after the check is not followed: O_NOFOLLOW unless the name was a
    // link that may be followed. O_NONBLOCK keeps a FIFO without a reader from blocking.
    const int fd = ::open(name.constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY |
                              (link ? 0 : O_NOFOLLOW),
                          0644);
    if (fd < 0)
        return errno == ELOOP && !link ? QStringLiteral("it became a symbolic link while being opened")
                                       : systemWords(errno);
    struct stat info {};
    QString reason;
    if (::fstat(fd, &info) != 0) {
        reason = systemWords(errno);
    } else if (!S_ISREG(info.st_mode)) {
        reason = QStringLiteral("not a regular file");
    } else if (link) {
        // The link may have been changed between the check and the open.
        struct stat now {};
        reason = refusedLinkReason(m_state->path);
        if (reason.isEmpty() && (::stat(name.constData(), &now) != 0 || !sameFile(now, info)))
            reason = QStringLiteral("the link changed while it was being opened");
    }
    if (!reason.isEmpty()) {
        ::close(fd);
        return reason;
    }
    if (m_state->fd >= 0)
        ::close(m_state->fd);
    m_state->fd = fd;
    return {};
}

QString DurableAppendFile::append(const QByteArray& bytes) {
    // A log moved away or removed meanwhile (rotated) is opened again under its name, where
    // the records are looked for.
    struct stat named {};
    struct stat held {};
    if (m_state->fd < 0 || ::stat(fileNameBytes(m_state->path).constData(), &named) != 0 ||
        ::fstat(m_state->fd, &held) != 0 || !sameFile(named, held)) {
        if (const QString reason = open(); !reason.isEmpty())
            return reason;
    }
    const int fd = m_state->fd;
    const QDeadlineTimer deadline(kLockWaitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return systemWords(errno);
        if (deadline.hasExpired())
            return QStringLiteral("another program keeps the file locked");
        QThread::msleep(kLockPollMs);
    }
    // Under the lock nobody else who appends moves the end: what follows it is ours alone.
    struct stat info {};
    QString reason;
    if (::fstat(fd, &info) != 0)
        reason = systemWords(errno);
    const off_t start = info.st_size;
    qsizetype done = 0;
    while (reason.isEmpty() && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            reason = systemWords(errno);
        else if (n == 0)
            reason = QStringLiteral("only part of the record was written");
        else
            done += n;
    }
    if (!reason.isEmpty() && done > 0) {
        // A torn record would spoil the next line too. Only when the file still ends with
        // exactly what this append wrote: someone writing without the lock keeps theirs.
        struct stat after {};
        if (::fstat(fd, &after) == 0 && after.st_size == start + done) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, start);
        }
    }
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = systemWords(errno);
    ::flock(fd, LOCK_UN);
    return reason;
}

} // namespace quorvel
