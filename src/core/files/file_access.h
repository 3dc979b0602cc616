#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFile;
class QFileDevice;

namespace quorvel {

// How files are reached by name. On POSIX systems a name goes to the system as the
// bytes it stands for (see file_name.h), which Qt's own file classes cannot do for a
// name that is not UTF-8; elsewhere Qt's classes serve.

// The program's arguments, as file names are kept.
QStringList programArguments(int argc, char* argv[]);

enum class NodeKind { Missing, RegularFile, Folder, Other };

struct NodeStatus {
    NodeKind kind = NodeKind::Missing; // what the name leads to, links followed
    bool link = false;                 // the name itself is a symbolic link (maybe dangling)
};

NodeStatus nodeStatus(const QString& path);

// Why this user may not follow the name where it is a link (or a chain of them), as the
// kernel's protected_symlinks rule says: in a world-writable sticky folder only a link
// owned by the user or by the folder's owner is followed. Empty when it may, or is no link.
// Every writer asks this first, since a replacement resolves links itself.
QString refusedLinkReason(const QString& path);

// Opens a regular file for reading, never blocking on a FIFO. Empty on success,
// otherwise the system's words.
QString openForReading(QFile& file, const QString& path);

// A file written beside its final name and put in place only once every byte is on
// the disk; until then, and whenever anything fails, the old file is as it was. A name
// that is a link is written at the link's target, as any editor does.
class AtomicFile {
public:
    enum class Fallback {
        None,
        // Where the folder takes no new file but the file itself may be changed, it is
        // rewritten in place; a failure puts the old bytes back.
        RewriteInPlace,
    };
    explicit AtomicFile(const QString& path, Fallback fallback = Fallback::None);
    ~AtomicFile(); // cancels what was not committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Empty on success, otherwise the reason.
    QString open();
    // Unbuffered, so that a failing write is seen at the write.
    QFileDevice& device();
    // Syncs and puts the file in place; on failure it is cancelled. Empty on success.
    QString commit();
    // Removes what was written and leaves the old file.
    void cancel();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace quorvel
