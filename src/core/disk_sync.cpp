#include "disk_sync.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorvel {

QString syncToDisk(QFileDevice& file) {
    const int fd = file.handle();
    if (fd < 0)
        return QStringLiteral("The file is not open");
#ifdef Q_OS_WIN
    const bool synced = _commit(fd) == 0;
#else
    const bool synced = fsync(fd) == 0 || errno == EINVAL; // EINVAL: a file that cannot be synced
#endif
    return synced ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace quorvel
