#pragma once

#include <QtGlobal>

// While it lives, no file this process writes may grow past the given size, and passing
// the limit makes the write fail (EFBIG) instead of killing the process: a full disk
// for one process, without root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False where the system offers no such limit; the test is then skipped.
    bool active() const { return m_active; }

private:
    bool m_active = false;
    quint64 m_previous = 0;
};
