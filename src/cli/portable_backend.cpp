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

bool appendDurably(const QString& path, const QByteArray& bytes, QString* reason) {
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        *reason = QStringLiteral("not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace quorvel
