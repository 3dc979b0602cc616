#include "transmission.h"

#include "companion_runner.h"
#include "transfer_file.h"

#include "core/session.h"
#include "core/setting_tables.h"

#include <QCoreApplication>
#include <QDir>

namespace quorvel {

namespace {

constexpr int kUsbInterface = 0x80;

} // namespace

TransmitOutcome transmitSettings(Session& session, const QString& folder, CompanionRunner& runner) {
    using Failure = TransmitOutcome::Failure;
    session.setByte(bytes::kInterface, kUsbInterface);

    const TransferFileOutcome file = writeTransferFile(folder, session.image);
    if (!file.written)
        return {Failure::FileNotWritten,
                QCoreApplication::translate("Transmission",
                                            "The settings could not be written to %1: %2")
                    .arg(QDir::toNativeSeparators(file.path), file.reason)};

    const CompanionRun run = runner.run(companionProgramName(), {}, folder);
    const QString program = QDir::toNativeSeparators(run.program);
    switch (run.outcome) {
    case CompanionRun::Outcome::Exited:
        break;
    case CompanionRun::Outcome::NotFound:
        return {Failure::CompanionNotFound,
                QCoreApplication::translate(
                    "Transmission",
                    "The companion program %1 was not found, neither beside this program nor on "
                    "the search path.")
                    .arg(program)};
    case CompanionRun::Outcome::NotStarted:
        return {Failure::CompanionNotStarted,
                QCoreApplication::translate("Transmission",
                                            "The companion program %1 could not be started: %2")
                    .arg(program, run.reason)};
    case CompanionRun::Outcome::Crashed:
        return {Failure::CompanionCrashed,
                QCoreApplication::translate(
                    "Transmission", "The companion program %1 ended abnormally: %2 (code %3).")
                    .arg(program, run.reason)
                    .arg(run.exitCode)};
    }
    TransmitOutcome done;
    done.exitCode = run.exitCode;
    return done;
}

} // namespace quorvel
