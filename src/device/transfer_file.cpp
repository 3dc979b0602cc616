#include "transfer_file.h"

#include <QDir>
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
    QSaveFile file(outcome.path);
    const QByteArray text = transferText(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        outcome.reason = file.errorString();
        file.cancelWriting();
        return outcome;
    }
    outcome.written = true;
    return outcome;
}

} // namespace quorvel
