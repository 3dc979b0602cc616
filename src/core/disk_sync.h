#pragma once

#include <QString>

class QFileDevice;

namespace quorvel {

// Asks the system to put what was written to an open file on the disk. QSaveFile
// syncs too but ignores a failure, and a failed sync can mean data that never lands.
// Empty on success, otherwise the system's words for the failure.
QString syncToDisk(QFileDevice& file);

} // namespace quorvel
