#pragma once

#include "core/image/settings_image.h"

#include <QByteArray>
#include <QString>

namespace quorvel {

// The file through which the companion program receives the settings image.
inline QString transferFileName() {
    return QStringLiteral("usbData.txt");
}

// Two upper-case hexadecimal digits per byte, 0 to 127, then CR LF: 258 characters.
QByteArray transferText(const SettingsImage& image);

struct TransferFileOutcome {
    bool written = false;
    QString path;   // the full path of usbData.txt
    QString reason; // the system's words when it was not written
};

// Creates or replaces usbData.txt in the folder; a failed write leaves an old file as it was,
// except where the folder takes no new file and the old one is rewritten in place.
// A symbolic link or anything but a regular file of that name is refused untouched.
TransferFileOutcome writeTransferFile(const QString& folder, const SettingsImage& image);

} // namespace quorvel
