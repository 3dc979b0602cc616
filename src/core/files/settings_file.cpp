#include "core/files/settings_file.h"

#include "core/files/file_access.h"

#include <QFile>

#include <memory>

namespace quorvel {

namespace {

constexpr int kRows = 8;
constexpr int kColumns = 16;
constexpr int kLineLength = 51;

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Two characters read as hexadecimal; a non-digit ends the number ("1G" is 1, "G1" is 0).
int fieldValue(char first, char second) {
    const int a = hexValue(first);
    if (a < 0)
        return 0;
    const int b = hexValue(second);
    return b < 0 ? a : a * 16 + b;
}

} // namespace

QByteArray composeSettingsText(const SettingsImage& image) {
    static const char digits[] = "0123456789ABCDEF";
    QByteArray text;
    text.reserve(kSettingsTextLength);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int value = image[static_cast<std::size_t>(row * kColumns + column)];
            text.append(column == 0 ? '>' : ',');
            text.append(digits[value >> 4]);
            text.append(digits[value & 0xF]);
        }
        text.append(",\r\n");
    }
    return text;
}

bool parseSettingsText(const QByteArray& text, SettingsImage& image) {
    if (text.size() != kSettingsTextLength)
        return false;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const qsizetype at = kLineLength * row + 3 * column + 1;
            image[static_cast<std::size_t>(row * kColumns + column)] =
                static_cast<std::uint8_t>(fieldValue(text[at], text[at + 1]));
        }
    }
    return true;
}

QString notRegularFileReason(const QString& path) {
    switch (nodeStatus(path).kind) {
    case NodeKind::Missing:
    case NodeKind::RegularFile:
        return {};
    case NodeKind::Folder:
        return QStringLiteral("Filename refers to a directory");
    case NodeKind::Other:
        break;
    }
    return QStringLiteral("Not a regular file");
}

bool nameInUse(const QString& path) {
    const NodeStatus status = nodeStatus(path);
    return status.kind != NodeKind::Missing || status.link;
}

ReadOutcome readDataFile(const QString& path, SettingsImage& image) {
    if (const QString reason = notRegularFileReason(path); !reason.isEmpty())
        return {ReadResult::Error, reason};
    QFile file;
    if (const QString reason = openForReading(file, path); !reason.isEmpty())
        return {ReadResult::Error, reason};
    const QByteArray text = file.read(kSettingsTextLength + 1);
    if (file.error() != QFileDevice::NoError)
        return {ReadResult::Error, file.errorString()};
    if (text.isEmpty())
        return {ReadResult::Error, QStringLiteral("The file is empty")};
    if (!parseSettingsText(text, image))
        return {ReadResult::WrongLength, {}};
    return {ReadResult::Loaded, {}};
}

bool readDefaultFile(const QString& path, SettingsImage& image) {
    return readDataFile(path, image).result == ReadResult::Loaded;
}

QString writeWholeText(AtomicFile& file, const QByteArray& text, QIODevice* through) {
    QIODevice* target = through ? through : &file.device();
    qint64 done = 0;
    // A write may take only part of the text (a size limit reached); the rest is tried
    // again so that the system says why it stopped.
    while (done < text.size()) {
        const qint64 written = target->write(text.constData() + done, text.size() - done);
        if (written <= 0) {
            const QString reason = target->errorString();
            file.cancel();
            return written == 0 ? QStringLiteral("Only %1 of %2 bytes could be written")
                                      .arg(done)
                                      .arg(text.size())
                                : reason;
        }
        done += written;
    }
    return file.commit();
}

WriteOutcome writeDataFile(const QString& path, const SettingsImage& image,
                           const OverwriteQuestion& askOverwrite, const DeviceWrapper& wrap) {
    if (const QString reason = notRegularFileReason(path); !reason.isEmpty())
        return {WriteResult::Failed, reason};
    // A dangling link is a name in use: the question is asked before anything
    // is created at the place it points to.
    if (nameInUse(path) && !askOverwrite(path))
        return {WriteResult::Declined, {}};

    AtomicFile file(path);
    if (const QString reason = file.open(); !reason.isEmpty())
        return {WriteResult::Failed, reason};

    std::unique_ptr<QIODevice> wrapper(wrap ? wrap(&file.device()) : nullptr);
    if (const QString reason = writeWholeText(file, composeSettingsText(image), wrapper.get());
        !reason.isEmpty())
        return {WriteResult::Failed, reason};
    return {WriteResult::Written, {}};
}

} // namespace quorvel
