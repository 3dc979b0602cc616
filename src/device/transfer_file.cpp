#include "transfer_file.h"

#include "core/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace quorvel {

QByteArray transferText(const SettingsImage& image) {
    QByteArray text = QByteArray(reinterpret_cast<const char*>(image.data()),
                                 static_cast<qsizetype>(image.size()))
                          .toHex()
                          .toUpper();
    text.append("\r\n");
    return text;
}

TransferFileOutcome writeTransferFile(const QString& folder, const SettingsImage& image) {
    TransferFileOutcome outcome;
    outcome.path = QDir(folder).absoluteFilePath(transferFileName());
    // The folder may be shared: a planted link must not carry the write elsewhere,
    // and a FIFO or device must not be replaced or opened.
    if (QFileInfo(outcome.path).isSymLink()) {
        outcome.reason = QStringLiteral("It is a symbolic link, which is never written through");
        return outcome;
    }
    if (const QString reason = notRegularFileReason(outcome.path); !reason.isEmpty()) {
        outcome.reason = reason;
        return outcome;
    }
    QSaveFile file(outcome.path);
    // A hand-off file, not a document: where the folder takes no new file but
    // the old usbData.txt may be changed, it is rewritten in place.
    file.setDirectWriteFallback(true);
    const QByteArray text = transferText(image);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        outcome.reason = file.errorString();
        return outcome;
    }
    outcome.reason = writeWholeText(file, text);
    if (!outcome.reason.isEmpty())
        return outcome;
    outcome.written = true;
    return outcome;
}

} // namespace quorvel
