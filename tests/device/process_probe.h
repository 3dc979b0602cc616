#pragma once

#include <QByteArray>
#include <QFile>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/types.h>
#include <unistd.h>
#endif

namespace quorvel {

// Whether the process of this pid (as a companion wrote it down) has ended. A zombie has:
// where the first process of the system does not collect orphans, one stays for ever.
inline bool processGone(const QByteArray& pid) {
#ifdef Q_OS_UNIX
    bool number = false;
    const pid_t id = static_cast<pid_t>(pid.trimmed().toLongLong(&number));
    if (!number || id <= 0)
        return false;
    if (::kill(id, 0) != 0)
        return true;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
#else
    Q_UNUSED(pid);
    return true;
#endif
}

} // namespace quorvel
