// Where there is no POSIX: standard input is read as a stream, never as a terminal.
#include "terminal_input.h"

#include <QElapsedTimer>
#include <QFile>

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

} // namespace quorvel
