// Process groups through setpgid and kill(-group).
#include "process_group.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace quorvel::process_group {

namespace {

void signalGroup(qint64 group, int signal) {
    if (group > 1)
        ::kill(-static_cast<pid_t>(group), signal);
}

#ifdef Q_OS_LINUX
// Where the first process of the system does not collect orphans, an ended member stays a
// zombie for ever; only the living count. True when /proc cannot say.
bool hasLivingMember(qint64 group) {
    const QStringList entries =
        QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (entries.isEmpty())
        return true;
    for (const QString& entry : entries) {
        bool number = false;
        entry.toLongLong(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/") + entry + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp ...": the name may hold anything, so from its end.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields.at(2).toLongLong() == group && fields.at(0) != "Z" &&
            fields.at(0) != "X")
            return true;
    }
    return false;
}
#endif

} // namespace

void giveOwnGroup(QProcess& process) {
    // In the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

qint64 groupOf(const QProcess& process) {
    // The child made its group before the exec, which start() has waited for.
    const qint64 pid = process.processId();
    return pid > 1 ? pid : 0;
}

bool running(qint64 group) {
    if (group <= 1)
        return false;
    if (::kill(-static_cast<pid_t>(group), 0) != 0 && errno != EPERM)
        return false;
#ifdef Q_OS_LINUX
    return hasLivingMember(group);
#else
    return true;
#endif
}

void terminate(qint64 group) {
    signalGroup(group, SIGTERM);
}

void kill(qint64 group) {
    signalGroup(group, SIGKILL);
}

} // namespace quorvel::process_group
