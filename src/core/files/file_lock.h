#pragma once

#include <QString>

#include <memory>

namespace quorvel {

// An advisory lock. Guarding a file itself, it is held on the file a name reaches (links
// followed as a writer would), so that every name of one file takes the same lock; a
// replacement puts a new file at the name, which the next holder then locks instead.
// Held through a lock file of its own, the lock file is created beside and removed when
// the object goes. Released when the object goes.
class FileLock {
public:
    enum class Guards { ItsOwnFile, TheFileItself };
    explicit FileLock(const QString& path, Guards guards = Guards::ItsOwnFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Result { Locked, Busy, Failed };
    // Waits up to the given time for another holder to let go; on Failed, why.
    Result tryLock(int timeoutMs, QString* reason);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace quorvel
