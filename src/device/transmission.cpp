#include "transmission.h"

#include "companion_command.h"
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

QString signalDescription(int signal) {
    static const std::pair<int, const char*> names[] = {
        {1, "SIGHUP"},  {2, "SIGINT"},  {3, "SIGQUIT"}, {6, "SIGABRT"},
        {9, "SIGKILL"}, {11, "SIGSEGV"}, {13, "SIGPIPE"}, {15, "SIGTERM"}};
    for (const auto& [number, name] : names)
        if (number == signal)
            return QCoreApplication::translate("Transmission", "signal %1 (%2)")
                .arg(signal)
                .arg(QLatin1String(name));
    return QCoreApplication::translate("Transmission", "signal %1").arg(signal);
}

TransmitOutcome transmitSettings(Session& session, const QString& folder, CompanionRunner& runner) {
    using Failure = TransmitOutcome::Failure;
    session.setByte(bytes::kInterface, kUsbInterface);
    const CompanionCommand command = companionCommand();
    if (!command.problem.isEmpty())
        return {Failure::CompanionNotFound, command.problem};

    const TransferFileOutcome file = writeTransferFile(folder, session.image);
    if (!file.written)
        return {Failure::FileNotWritten,
                QCoreApplication::translate("Transmission",
                                            "The settings could not be written to %1: %2")
                    .arg(QDir::toNativeSeparators(file.path), file.reason)};

    const CompanionRun run = runner.run(command.program, command.arguments, folder);
    const QString program = QDir::toNativeSeparators(run.program);
    switch (run.outcome) {
    case CompanionRun::Outcome::Exited:
        break;
    case CompanionRun::Outcome::NotFound:
        if (command.fromEnvironment)
            return {Failure::CompanionNotFound,
                    QCoreApplication::translate("Transmission",
                                                "The program %1 named in %2 was not found.")
                        .arg(program.isEmpty() ? QStringLiteral("\"\"") : program,
                             QLatin1String(kCompanionVariable))};
        return {Failure::CompanionNotFound,
                QCoreApplication::translate(
                    "Transmission",
                    "The companion program %1 was not found, neither beside this program nor on "
                    "the search path.")
                    .arg(program)};
    case CompanionRun::Outcome::NeedsWine:
        return {Failure::CompanionNeedsWine,
                QCoreApplication::translate(
                    "Transmission",
                    "The companion program %1 is a Windows program: Wine is needed to run it, and "
                    "wine was not found on the search path. Install Wine (the package wine), or "
                    "name another command to run in %2.")
                    .arg(program, QLatin1String(kCompanionVariable))};
    case CompanionRun::Outcome::NotStarted:
        return {Failure::CompanionNotStarted,
                QCoreApplication::translate("Transmission",
                                            "The companion program %1 could not be started: %2")
                    .arg(program, run.reason)};
    case CompanionRun::Outcome::Stopped:
        return {Failure::CompanionStopped,
                QCoreApplication::translate("Transmission", "The companion program %1 was stopped.")
                    .arg(program)};
    case CompanionRun::Outcome::TimedOut:
        return {Failure::CompanionTimedOut,
                QCoreApplication::translate(
                    "Transmission", "The companion program %1 was stopped after the timeout of %2 s.")
                    .arg(program)
                    .arg(runner.timeLimit().value_or(std::chrono::seconds(0)).count())};
    case CompanionRun::Outcome::Crashed:
#ifdef Q_OS_UNIX
        return {Failure::CompanionCrashed,
                QCoreApplication::translate("Transmission",
                                            "The companion program %1 was ended by %2.")
                    .arg(program, signalDescription(run.exitCode)),
                run.exitCode};
#else
        return {Failure::CompanionCrashed,
                QCoreApplication::translate(
                    "Transmission", "The companion program %1 ended abnormally: %2 (code %3).")
                    .arg(program, run.reason)
                    .arg(run.exitCode),
                run.exitCode};
#endif
    }
    if (run.exitCode != 0)
        return {Failure::CompanionFailed,
                QCoreApplication::translate("Transmission",
                                            "The companion program %1 ended with status %2.")
                    .arg(program)
                    .arg(run.exitCode),
                run.exitCode};
    return {};
}

} // namespace quorvel
