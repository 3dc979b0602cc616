// The lock through Qt's QLockFile, where there is no flock().
#include "core/files/file_lock.h"

#include <QFileInfo>
#include <QLockFile>

namespace quorvel {

struct FileLock::State {
    explicit State(const QString& path) : lock(path) {}
    QLockFile lock;
};

// Without flock, a file is guarded through a lock file beside the file its name reaches.
FileLock::FileLock(const QString& path, Guards guards)
    : m_state(std::make_unique<State>(guards == Guards::TheFileItself
                                          ? QFileInfo(path).canonicalFilePath() + QStringLiteral(".lock")
                                          : path)) {}

FileLock::~FileLock() = default;

FileLock::Result FileLock::tryLock(int timeoutMs, QString* reason) {
    if (m_state->lock.tryLock(timeoutMs))
        return Result::Locked;
    if (m_state->lock.error() == QLockFile::LockFailedError)
        return Result::Busy;
    *reason = QStringLiteral("the lock file cannot be created");
    return Result::Failed;
}

} // namespace quorvel
