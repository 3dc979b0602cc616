#include "transfer_file.h"

#include "core/files/file_access.h"
#include "core/files/settings_file.h"

#include <QDir>

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
    if (nodeStatus(outcome.path).link) {
        outcome.reason = QStringLiteral("It is a symbolic link, which is never written through");
        return outcome;
    }
    if (const QString reason = notRegularFileReason(outcome.path); !reason.isEmpty()) {
        outcome.reason = reason;
        return outcome;
    }
    // A hand-off file, not a document: where the folder takes no new file but
    // the old usbData.txt may be changed, it is rewritten in place.
    AtomicFile file(outcome.path, AtomicFile::Fallback::RewriteInPlace);
    if (const QString reason = file.open(); !reason.isEmpty()) {
        outcome.reason = reason;
        return outcome;
    }
    outcome.reason = writeWholeText(file, transferText(image));
    if (!outcome.reason.isEmpty())
        return outcome;
    outcome.written = true;
    return outcome;
}

} // namespace quorvel
