// Files reached through Qt's own classes, where names are not bytes.
#include "core/files/file_access.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorvel {

QStringList programArguments(int argc, char* argv[]) {
    if (QCoreApplication::instance())
        return QCoreApplication::arguments(); // on Windows from the wide command line
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt's file classes follow links as the system lets them.
QString refusedLinkReason(const QString&) {
    return {};
}

NodeStatus nodeStatus(const QString& path) {
    const QFileInfo info(path);
    NodeStatus status;
    status.link = info.isSymLink();
    if (info.exists())
        status.kind = info.isFile() ? NodeKind::RegularFile : info.isDir() ? NodeKind::Folder : NodeKind::Other;
    return status;
}

QString openForReading(QFile& file, const QString& path) {
    const NodeStatus status = nodeStatus(path);
    if (status.kind == NodeKind::Folder)
        return QStringLiteral("Filename refers to a directory");
    if (status.kind == NodeKind::Other)
        return QStringLiteral("Not a regular file");
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

struct AtomicFile::State {
    QSaveFile file;
    bool open = false;
};

AtomicFile::AtomicFile(const QString& path, Fallback fallback) : m_state(std::make_unique<State>()) {
    m_state->file.setFileName(path);
    m_state->file.setDirectWriteFallback(fallback == Fallback::RewriteInPlace);
}

AtomicFile::~AtomicFile() {
    cancel();
}

QFileDevice& AtomicFile::device() {
    return m_state->file;
}

QString AtomicFile::open() {
    m_state->open = m_state->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return m_state->open ? QString() : m_state->file.errorString();
}

QString AtomicFile::commit() {
    QSaveFile& file = m_state->file;
    // QSaveFile syncs too but ignores a failure, and a failed sync can mean data that never lands.
#ifdef Q_OS_WIN
    const bool synced = _commit(file.handle()) == 0;
#else
    const bool synced = fsync(file.handle()) == 0 || errno == EINVAL;
#endif
    if (!synced) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        cancel();
        return reason;
    }
    m_state->open = false;
    return file.commit() ? QString() : file.errorString();
}

void AtomicFile::cancel() {
    if (m_state->open)
        m_state->file.cancelWriting();
    m_state->open = false;
}

} // namespace quorvel
