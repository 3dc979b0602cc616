#include "provisioning_log.h"

#include "core/files/file_access.h"
#include "core/files/settings_file.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>

namespace quorvel {

QString transmissionWord(Transmission transmission) {
    switch (transmission) {
    case Transmission::Sent:
        return QStringLiteral("sent");
    case Transmission::Failed:
        break;
    case Transmission::NotOpened:
        return QStringLiteral("not opened");
    }
    return QStringLiteral("failed");
}

QString verificationWord(Verification verification) {
    switch (verification) {
    case Verification::Passed:
        return QStringLiteral("passed");
    case Verification::NotVerified:
        break;
    case Verification::Skipped:
        return QStringLiteral("skipped");
    case Verification::NotReached:
        return QStringLiteral("not reached");
    }
    return QStringLiteral("not verified");
}

bool ProvisioningLog::open(QString* reason) {
    // Before anything is learnt about what a link leads to.
    *reason = refusedLinkReason(m_path);
    if (!reason->isEmpty())
        return false;
    const NodeStatus status = nodeStatus(m_path);
    if (status.kind != NodeKind::Missing && status.kind != NodeKind::RegularFile) {
        *reason = notRegularFileReason(m_path);
        return false;
    }
    const qsizetype slash = m_path.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : m_path.left(slash);
    if (status.kind == NodeKind::Missing && nodeStatus(folder).kind != NodeKind::Folder) {
        *reason = QStringLiteral("no such folder");
        return false;
    }
    *reason = m_file.open();
    return reason->isEmpty();
}

bool ProvisioningLog::append(const ProvisioningRecord& record, QString* reason) {
    *reason = m_file.append(line(record));
    return reason->isEmpty();
}

QString ProvisioningLog::timeText(const QDateTime& time) {
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QByteArray ProvisioningLog::line(const ProvisioningRecord& record) {
    QJsonObject object{
        {QStringLiteral("time"), timeText(record.time)},
        {QStringLiteral("path"), record.path},
        {QStringLiteral("serial"), record.serial},
        {QStringLiteral("imageSha256"), record.imageSha256.isEmpty()
                                            ? QJsonValue(QJsonValue::Null)
                                            : QJsonValue(QString::fromLatin1(record.imageSha256))},
        {QStringLiteral("settings"), record.settings},
        {QStringLiteral("transmission"), transmissionWord(record.transmission)},
        {QStringLiteral("verification"), verificationWord(record.verification)},
        {QStringLiteral("failedChecks"), QJsonArray::fromStringList(record.failedChecks)},
        {QStringLiteral("swipes"), record.swipes}};
    if (!record.problem.isEmpty())
        object.insert(QStringLiteral("problem"), record.problem);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace quorvel
