#include "test_files.h"

#include <QFile>

namespace quorvel {

QString shippedFactoryFile() {
    return qEnvironmentVariable("QUORVEL_SOURCE_DATA") + QStringLiteral("/Default.mag");
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

} // namespace quorvel
