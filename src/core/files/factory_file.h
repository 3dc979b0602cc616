#pragma once

#include <QString>

namespace quorvel {

// Where Default.mag is: beside the program first, then in the installed data folder.
QString locateFactoryFile(const QString& programFolder, const QString& installedDataFolder);
QString locateFactoryFile(); // for the running program

} // namespace quorvel
