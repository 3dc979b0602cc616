#include "core/files/factory_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

QString locateFactoryFile(const QString& programFolder, const QString& installedDataFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Default.mag"));
    if (QFileInfo::exists(beside) || installedDataFolder.isEmpty())
        return beside;
    const QString installed = QDir(installedDataFolder).filePath(QStringLiteral("Default.mag"));
    return QFileInfo::exists(installed) ? installed : beside;
}

QString locateFactoryFile() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The data folder relative to bin/, so a relocated install still finds its file.
    const QString installed =
        QDir(programFolder).absoluteFilePath(QStringLiteral(QUORVEL_RELATIVE_DATADIR));
    return locateFactoryFile(programFolder, installed);
}

} // namespace quorvel
