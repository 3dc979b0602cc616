#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// Appends bytes to a regular file in one write and waits until they are on the disk, so
// that a record is there whole or not at all, even when the machine goes down right after.
// The file is created when missing; a symbolic link, a FIFO, a device or a folder of that
// name is refused untouched. False with the system's words in *reason on failure.
bool appendDurably(const QString& path, const QByteArray& bytes, QString* reason);

} // namespace quorvel
