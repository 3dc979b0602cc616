#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace quorvel {

// A file that records are appended to, each in one piece and on the disk before append()
// returns, so that a record is there whole or not at all, even when the machine goes down
// right after. It is opened once, up front, so that a file that cannot take records is
// found out before there is anything to record.
class DurableAppendFile {
public:
    explicit DurableAppendFile(QString path);
    ~DurableAppendFile();
    DurableAppendFile(const DurableAppendFile&) = delete;
    DurableAppendFile& operator=(const DurableAppendFile&) = delete;

    // Opens the file, creating it when missing. A link is followed only where the kernel's
    // protected_symlinks rule lets this user follow it; a FIFO, a device or a folder is
    // refused untouched. Empty on success, otherwise why not.
    QString open();
    // Appends under an exclusive lock, so that programs appending to the same file never
    // cut into each other's records; a failed append takes back only its own bytes.
    // Empty on success, otherwise the system's words.
    QString append(const QByteArray& bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace quorvel
