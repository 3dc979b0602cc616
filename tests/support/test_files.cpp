#include "test_files.h"

#include "core/files/settings_file.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace quorvel {

QString shippedFactoryFile() {
    return qEnvironmentVariable("QUORVEL_SOURCE_DATA") + QStringLiteral("/Default.mag");
}

SettingsImage shippedFactoryImage() {
    SettingsImage image{};
    if (!readDefaultFile(shippedFactoryFile(), image))
        qFatal("no factory file");
    return image;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

SettingsImage patternImage(int seed) {
    SettingsImage image{};
    for (int i = 0; i < kImageSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i * 37 + seed * 11 + 5) & 0xFF);
    return image;
}

bool makeFifo(const QString& path) {
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

QString nodeKind(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return QStringLiteral("link to ") + info.symLinkTarget();
    if (!info.exists())
        return QStringLiteral("none");
    if (info.isFile())
        return QStringLiteral("file");
    return info.isDir() ? QStringLiteral("folder") : QStringLiteral("node");
}

} // namespace quorvel
