#include "durable_append.h"

#include "core/file_name.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

bool appendDurably(const QString& path, const QByteArray& bytes, QString* reason) {
    const QByteArray name = fileNameBytes(path);
    // O_NOFOLLOW refuses a link; O_NONBLOCK keeps a FIFO without a reader from blocking.
    const int fd =
        ::open(name.constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        *reason = errno == ELOOP ? QStringLiteral("it is a symbolic link")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat info {};
    bool done = false;
    if (::fstat(fd, &info) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        *reason = QStringLiteral("not a regular file");
    } else {
        // One write of the whole record: with O_APPEND it cannot interleave with another.
        const ssize_t written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
        if (written != bytes.size()) {
            *reason = written < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                  : QStringLiteral("only part of the record was written");
            // A torn record would spoil the next line too.
            if (written > 0) {
                [[maybe_unused]] const int cut = ::ftruncate(fd, info.st_size);
            }
        } else if (::fsync(fd) != 0) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        } else {
            done = true;
        }
    }
    ::close(fd);
    return done;
}

} // namespace quorvel
