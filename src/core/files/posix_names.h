#pragma once

// What the POSIX backends of the files room share: names reached as the kernel would.

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace quorvel::posix_names {

// The system's words for an errno value.
QString systemWords(int error);
// "Filename refers to a directory" or "Not a regular file".
QString notRegularWords(mode_t mode);
// Where a chain of links ends; the name itself when it is no link. Empty for a loop, or,
// with refused set, for a link this user may not follow (refused then names it).
QByteArray linkTarget(QByteArray name, QByteArray* refused = nullptr);
// Why that link is not followed.
QString refusedLinkWords(const QByteArray& link);

} // namespace quorvel::posix_names
