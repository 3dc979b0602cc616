// Where there is no POSIX: the log is appended through QFile, without a lock.
#include "core/files/durable_append.h"

#include <QFile>
#include <QFileInfo>

namespace quorvel {

struct DurableAppendFile::State {
    QString path;
    QFile file;
};

DurableAppendFile::DurableAppendFile(QString path) : m_state(std::make_unique<State>()) {
    m_state->path = std::move(path);
}

DurableAppendFile::~DurableAppendFile() = default;

QString DurableAppendFile::open() {
    const QFileInfo info(m_state->path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return QStringLiteral("not a regular file");
    m_state->file.setFileName(m_state->path);
    if (!m_state->file.open(QIODevice::WriteOnly | QIODevice::Append))
        return m_state->file.errorString();
    return {};
}

// Without the POSIX lock the file is shared only by the system's own rules for appends.
QString DurableAppendFile::append(const QByteArray& bytes) {
    QFile& file = m_state->file;
    const qint64 start = file.size();
    if (file.write(bytes) == bytes.size() && file.flush())
        return {};
    const QString reason = file.errorString();
    if (file.size() > start)
        file.resize(start);
    return reason;
}

} // namespace quorvel
