// Where there is no POSIX: standard input is read as a stream, never as a terminal, and
// the log is appended through QFile.
#include "durable_append.h"
#include "terminal_input.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace quorvel {

namespace {

class StreamInput : public TerminalInput {
public:
    StreamInput() {
        m_clock.start();
        m_file.open(stdin, QIODevice::ReadOnly);
    }
    bool isTerminal() const override { return false; }
    qint64 nowMs() const override { return m_clock.elapsed(); }
    Chunk read(int) override {
        const QByteArray bytes = m_file.read(256);
        if (bytes.isEmpty())
            return {Chunk::Kind::EndOfInput, {}, nowMs()};
        return {Chunk::Kind::Bytes, bytes, nowMs()};
    }

private:
    QFile m_file;
    QElapsedTimer m_clock;
};

} // namespace

std::unique_ptr<TerminalInput> openStandardInput() {
    return std::make_unique<StreamInput>();
}

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
