#pragma once

#include "core/files/durable_append.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quorvel {

enum class Transmission { Sent, Failed, NotOpened };
enum class Verification { Passed, NotVerified, Skipped, NotReached };

// "sent", "failed", "not opened": the words of the log.
QString transmissionWord(Transmission transmission);
// "passed", "not verified", "skipped", "not reached".
QString verificationWord(Verification verification);

// What happened to one reader: no card data of any kind.
struct ProvisioningRecord {
    QDateTime time;
    QString path;
    QString serial;
    QByteArray imageSha256; // hexadecimal digits of the 128 bytes sent; none when nothing was
    QString settings;       // the settings' file name
    Transmission transmission = Transmission::Failed;
    QString problem;        // why it failed, in the system's words
    Verification verification = Verification::NotReached;
    QStringList failedChecks;
    int swipes = 0;
};

// The log of a provisioning run, JSON Lines: one record a line, each appended whole and
// on the disk before the next reader; written through a link only where the kernel's
// protected_symlinks rule lets this user follow it.
class ProvisioningLog {
public:
    explicit ProvisioningLog(QString path) : m_path(path), m_file(std::move(path)) {}

    // Opens the file for the records to come, before anything is done; else why not.
    bool open(QString* reason);
    bool append(const ProvisioningRecord& record, QString* reason);
    const QString& path() const { return m_path; }

    // "2026-12-09T14:03:07+01:00": ISO 8601 with the offset always written out.
    static QString timeText(const QDateTime& time);
    static QByteArray line(const ProvisioningRecord& record);

private:
    QString m_path;
    DurableAppendFile m_file;
};

} // namespace quorvel
