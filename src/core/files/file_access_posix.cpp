// Files reached by the bytes of their names, through the POSIX calls.
#include "core/files/file_access.h"
#include "core/files/posix_names.h"
#include "core/ending_signals.h"
#include "core/files/file_name.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

using namespace posix_names;

namespace {

// Larger than any file rewritten in place needs to be: its old bytes are held in memory.
constexpr qsizetype kMostKeptInPlace = 1 << 20;
constexpr int kMostLinks = 40;

// A name beside the given one, ending in the suffix and short enough for any folder.
QByteArray nameBeside(const QByteArray& name, const QByteArray& suffix) {
    const qsizetype slash = name.lastIndexOf('/');
    QByteArray base = name.mid(slash + 1);
    if (base.size() + suffix.size() > NAME_MAX)
        base.truncate(NAME_MAX - suffix.size());
    return name.left(slash + 1) + base + suffix;
}

// What a new file gets from the system: 0666 less the user's umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAllAt(int fd, const QByteArray& bytes, off_t offset) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                                   offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// EINVAL: a file that cannot be synced, such as one on a special file system.
bool synced(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

} // namespace

namespace posix_names {

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegularWords(mode_t mode) {
    return S_ISDIR(mode) ? QStringLiteral("Filename refers to a directory")
                         : QStringLiteral("Not a regular file");
}

// Whether the kernel's protected_symlinks rule lets this user follow the link at name.
bool mayFollow(const QByteArray& name, const struct stat& link) {
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArrayLiteral(".") : slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
    struct stat parent {};
    if (::stat(folder.constData(), &parent) != 0)
        return false;
    const bool shared = (parent.st_mode & S_ISVTX) && (parent.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == parent.st_uid;
}

// Where a chain of links ends; the name itself when it is no link. Empty for a loop,
// or, with refused set, for a link this user may not follow (refused then names it).
QByteArray linkTarget(QByteArray name, QByteArray* refused) {
    for (int depth = 0; depth < kMostLinks; ++depth) {
        struct stat info {};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return name;
        if (refused && !mayFollow(name, info)) {
            *refused = name;
            return {};
        }
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(name.constData(), target.data(), static_cast<size_t>(target.size()));
        if (length < 0)
            return name;
        target.truncate(length);
        const qsizetype slash = name.lastIndexOf('/');
        if (!target.startsWith('/') && slash >= 0)
            target.prepend(name.left(slash + 1));
        name = target;
    }
    return {};
}

QString refusedLinkWords(const QByteArray& link) {
    return QStringLiteral("%1 is a link in a shared folder that belongs to another user; it is not followed")
        .arg(fileNameFromBytes(link));
}

} // namespace posix_names

QStringList programArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromBytes(QByteArray(argv[i]));
    return arguments;
}

QString refusedLinkReason(const QString& path) {
    QByteArray refused;
    if (linkTarget(fileNameBytes(path), &refused).isEmpty() && !refused.isEmpty())
        return refusedLinkWords(refused);
    return {};
}

NodeStatus nodeStatus(const QString& path) {
    const QByteArray name = fileNameBytes(path);
    NodeStatus status;
    struct stat info {};
    if (name.isEmpty() || ::lstat(name.constData(), &info) != 0)
        return status;
    status.link = S_ISLNK(info.st_mode);
    if (status.link && ::stat(name.constData(), &info) != 0)
        return status;
    status.kind = S_ISREG(info.st_mode)   ? NodeKind::RegularFile
                  : S_ISDIR(info.st_mode) ? NodeKind::Folder
                                          : NodeKind::Other;
    return status;
}

QString openForReading(QFile& file, const QString& path) {
    const QByteArray name = fileNameBytes(path);
    // Without O_NONBLOCK a FIFO put at the name would block the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return systemWords(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const QString reason = notRegularWords(info.st_mode);
        ::close(fd);
        return reason;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

struct AtomicFile::State {
    QString path;
    Fallback fallback = Fallback::None;
    QByteArray finalName;
    QByteArray temporaryName; // empty when rewriting in place
    QByteArray oldBytes;      // what an in-place rewrite puts back on failure
    HeldName heldTemporary;   // removed by an ending signal until renamed or removed
    mode_t finalMode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    bool keepOwner = false;
    int fd = -1;
    QFile file;

    void close() {
        file.close();
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

AtomicFile::AtomicFile(const QString& path, Fallback fallback) : m_state(std::make_unique<State>()) {
    m_state->path = path;
    m_state->fallback = fallback;
}

AtomicFile::~AtomicFile() {
    cancel();
}

QFileDevice& AtomicFile::device() {
    return m_state->file;
}

QString AtomicFile::open() {
    State& s = *m_state;
    const QByteArray name = fileNameBytes(s.path);
    if (name.isEmpty())
        return systemWords(ENOENT);
    QByteArray refused;
    s.finalName = linkTarget(name, &refused);
    if (!refused.isEmpty())
        return refusedLinkWords(refused);
    if (s.finalName.isEmpty())
        return systemWords(ELOOP);
    struct stat old {};
    const bool exists = ::stat(s.finalName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return notRegularWords(old.st_mode);
    if (exists && ::access(s.finalName.constData(), W_OK) != 0)
        return systemWords(errno);

    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100 && s.fd < 0; ++attempt) {
        QByteArray suffix = ".";
        for (int i = 0; i < 6; ++i)
            suffix += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        s.temporaryName = nameBeside(s.finalName, suffix);
        // Private from the start: it gets its final mode only once it is whole.
        s.fd = ::open(s.temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (s.fd < 0 && errno != EEXIST)
            break;
    }
    if (s.fd < 0) {
        const int error = errno;
        s.temporaryName.clear();
        const bool folderRefuses = error == EACCES || error == EPERM || error == EROFS;
        if (!(folderRefuses && exists && s.fallback == Fallback::RewriteInPlace))
            return folderRefuses ? QStringLiteral("The folder cannot be written (%1)").arg(systemWords(error))
                                 : systemWords(error);
        s.fd = ::open(s.finalName.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY);
        if (s.fd < 0)
            return systemWords(errno);
        QFile reader;
        if (reader.open(s.fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            s.oldBytes = reader.read(kMostKeptInPlace + 1);
        if (reader.error() != QFileDevice::NoError || s.oldBytes.size() > kMostKeptInPlace ||
            ::lseek(s.fd, 0, SEEK_SET) != 0) {
            s.close();
            return QStringLiteral("The old file cannot be kept while it is rewritten");
        }
    } else {
        s.heldTemporary = HeldName(s.temporaryName);
        s.finalMode = exists ? old.st_mode & 07777 : newFileMode();
        s.keepOwner = exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid());
        s.owner = old.st_uid;
        s.group = old.st_gid;
    }
    if (!s.file.open(s.fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        const QString reason = s.file.errorString();
        cancel();
        return reason;
    }
    return {};
}

QString AtomicFile::commit() {
    State& s = *m_state;
    if (s.fd < 0)
        return QStringLiteral("The file is not open");
    const qint64 written = s.file.pos();
    s.file.close();
    if (s.temporaryName.isEmpty()) {
        if (::ftruncate(s.fd, written) != 0 || !synced(s.fd)) {
            const QString reason = systemWords(errno);
            cancel();
            return reason;
        }
        s.close();
        s.oldBytes.clear();
        return {};
    }
    // The old file's owner and group where this user may give them (root always may; a
    // member of the group may give the group), then its mode, which a change of owner
    // could have cleared.
    if (s.keepOwner && ::fchown(s.fd, s.owner, s.group) != 0)
        [[maybe_unused]] const int ignored = ::fchown(s.fd, static_cast<uid_t>(-1), s.group);
    if (::fchmod(s.fd, s.finalMode) != 0) {
        const QString reason = systemWords(errno);
        cancel();
        return reason;
    }
    const bool onDisk = synced(s.fd);
    const int syncError = errno;
    const bool closed = ::close(s.fd) == 0;
    const int closeError = errno;
    s.fd = -1;
    if (!onDisk || !closed) {
        cancel();
        return systemWords(onDisk ? closeError : syncError);
    }
    if (::rename(s.temporaryName.constData(), s.finalName.constData()) != 0) {
        const QString reason = systemWords(errno);
        cancel();
        return reason;
    }
    s.temporaryName.clear();
    s.heldTemporary.release();
    return {};
}

void AtomicFile::cancel() {
    State& s = *m_state;
    if (s.temporaryName.isEmpty() && s.fd >= 0) {
        // Whatever reached the file is overwritten by the old bytes, which fit where they were.
        s.file.close();
        if (writeAllAt(s.fd, s.oldBytes, 0) && ::ftruncate(s.fd, s.oldBytes.size()) == 0)
            synced(s.fd);
    }
    s.close();
    if (!s.temporaryName.isEmpty())
        ::unlink(s.temporaryName.constData());
    s.temporaryName.clear();
    s.heldTemporary.release();
    s.oldBytes.clear();
}

} // namespace quorvel
