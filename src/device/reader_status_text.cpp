#include "reader_status_text.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

// The Transmit page's own translation context, so both share one translation.
QString tr(const char* text) {
    return QCoreApplication::translate("quorvel::TransmitPage", text);
}

} // namespace

QString udevAdvice() {
    return tr("The Quorvel package installs the udev rule "
              "/usr/lib/udev/rules.d/70-quorvel.rules, which gives the person at the machine "
              "access to the reader (without the package, copy 70-quorvel.rules to "
              "/etc/udev/rules.d). Then run \"sudo udevadm control --reload\" and plug the "
              "reader in again. The rule does not cover a session without a seat, such as "
              "one over ssh.");
}

QString readerStatusText(const ReaderStatus& status) {
    const QString path = QString::fromUtf8(status.hid.path);
    switch (status.state) {
    case ReaderStatus::State::Attached:
        return tr("Reader attached") + QLatin1Char('\n') + tr("Path: %1").arg(path) +
               QLatin1Char('\n') +
               tr("Serial number: %1")
                   .arg(status.hid.serialNumber.isEmpty() ? tr("(none)") : status.hid.serialNumber);
    case ReaderStatus::State::Absent:
        return tr("No reader attached");
    case ReaderStatus::State::CannotOpen:
        break;
    }
    QString text = tr("Reader found but it cannot be opened") + QLatin1Char('\n') +
                   tr("Path: %1").arg(path) + QLatin1Char('\n') +
                   tr("Reason: %1").arg(status.reason);
#ifdef Q_OS_LINUX
    text += QStringLiteral("\n\n") + udevAdvice();
#endif
    return text;
}

} // namespace quorvel
