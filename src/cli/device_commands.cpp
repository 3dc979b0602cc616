#include "device_commands.h"

#include "cli.h"
#include "command_call.h"

#include "core/ending_signals.h"
#include "device/companion_runner.h"
#include "device/reader_list.h"
#include "device/transmission.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvel {

using namespace cli_status;

int devicesCommand(CommandCall& call) {
    if (!call.args().isEmpty())
        return call.usage(QStringLiteral("devices takes no argument but --json"));
    if (!call.context().bus)
        return call.unavailable();
    HidBus& bus = *call.context().bus;
    QTextStream& out = call.out();
    const bool json = call.flag(QStringLiteral("--json"));
    const std::vector<ReaderCandidate> readers = listReaders(bus);
    if (json) {
        QJsonArray list;
        for (const ReaderCandidate& r : readers) {
            QJsonObject entry{{QStringLiteral("path"), QString::fromUtf8(r.hid.path)},
                              {QStringLiteral("serial"), r.hid.serialNumber},
                              {QStringLiteral("opened"), r.opened}};
            if (!r.opened)
                entry.insert(QStringLiteral("reason"), r.reason);
            list.append(entry);
        }
        out << QJsonDocument(QJsonObject{{QStringLiteral("readers"), list}}).toJson(QJsonDocument::Indented);
    } else if (readers.empty()) {
        out << "no reader found\n";
    } else {
        for (const ReaderCandidate& r : readers) {
            out << QString::fromUtf8(r.hid.path) << "  serial "
                << (r.hid.serialNumber.isEmpty() ? QStringLiteral("-") : r.hid.serialNumber) << "  "
                << (r.opened ? QStringLiteral("can be opened")
                             : QStringLiteral("cannot be opened: ") + r.reason)
                << "\n";
        }
    }
    return readers.empty() ? kNoReader : kOk;
}

int transmitCommand(CommandCall& call) {
    if (call.args().size() != 1)
        return call.usage(QStringLiteral("transmit needs FILE"));
    if (!call.context().bus || !call.context().runner)
        return call.unavailable();
    HidBus& bus = *call.context().bus;
    CompanionRunner& runner = *call.context().runner;
    QTextStream& out = call.out();
    QTextStream& err = call.err();
    std::optional<std::chrono::seconds> timeout;
    if (const std::optional<double> seconds = call.number(QStringLiteral("--timeout")))
        timeout = std::chrono::seconds(static_cast<int>(*seconds));
    SettingsImage image{};
    if (const int status = loadSettingsFile(call.args().first(), image, err))
        return status;
    // Like the Transmit page: a missing reader is worth a word, but the companion decides.
    // Said after a success; a failure is one line, which then says it.
    const bool noReader = listReaders(bus).empty();
    // The companion writes straight to the same terminal: what we said so far goes first.
    out.flush();
    err.flush();
    runner.setTimeLimit(timeout);
    const TransmitOutcome outcome = transmitImage(image, call.context().folder, runner, [&err] {
        err << "quorvel-cli: transmit: waiting for another transmission from this folder to end\n";
        err.flush();
    });
    runner.setTimeLimit({});
    using Failure = TransmitOutcome::Failure;
    if (ending_signals::stopRequested()) {
        // The companion and all it started are gone: the tool ends as the signal asked.
        if (!outcome.succeeded())
            err << "quorvel-cli: transmit: "
                << signalDescription(ending_signals::requestingSignal()) << ": "
                << printable(outcome.message) << "\n";
        err.flush();
        ending_signals::endBySignal();
    }
    if (outcome.succeeded()) {
        if (noReader)
            err << "quorvel-cli: warning: no reader found; transmitting anyway\n";
        return kOk;
    }
    QString message = printable(outcome.message);
    switch (outcome.failure) {
    case Failure::CompanionFailed:
    case Failure::CompanionCrashed:
    case Failure::CompanionStopped:
    case Failure::CompanionTimedOut:
        if (noReader)
            message += QStringLiteral(" No reader was found.");
        break;
    default:
        break;
    }
    switch (outcome.failure) {
    case Failure::FileNotWritten:
        err << "quorvel-cli: " << message << "\n";
        return kFile;
    case Failure::CompanionTimedOut:
    case Failure::WaitTimedOut:
        err << "quorvel-cli: transmit: " << message << "\n";
        return kCompanionFailed;
    default:
        break;
    }
    err << "quorvel-cli: " << message << "\n";
    return kCompanionFailed;
}

} // namespace quorvel
