#include "transmission.h"

#include "companion_command.h"
#include "companion_runner.h"
#include "transfer_file.h"

#include "core/files/file_access.h"
#include "core/files/file_lock.h"
#include "core/session.h"
#include "core/image/setting_fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <memory>
#include <variant>

namespace quorvel {

namespace {

constexpr int kUsbInterface = 0x80;
constexpr std::chrono::milliseconds kTurnPoll{100};

// Waits for the folder's lock, the event loop turning. Null where no lock can be made
// there (a folder that takes no new file: nobody can lock it, and usbData.txt may still
// be rewritten in place); otherwise a failure when the wait ran out or was stopped.
std::variant<std::shared_ptr<FileLock>, TransmitOutcome>
takeTurn(const QString& folder, CompanionRunner& runner, const std::function<void()>& waiting) {
    using Failure = TransmitOutcome::Failure;
    auto lock = std::make_shared<FileLock>(
        QDir(folder).filePath(transferFileName() + QStringLiteral(".lock")));
    QElapsedTimer waited;
    waited.start();
    bool told = false;
    for (;;) {
        QString reason;
        switch (lock->tryLock(0, &reason)) {
        case FileLock::Result::Locked:
            runner.setTimeSpent(std::chrono::milliseconds(waited.elapsed()));
            return lock;
        case FileLock::Result::Failed:
            return std::shared_ptr<FileLock>();
        case FileLock::Result::Busy:
            break;
        }
        if (!told && waiting)
            waiting();
        told = true;
        const auto left = runner.timeLimit();
        if (left && waited.elapsed() >= std::chrono::milliseconds(*left).count())
            return TransmitOutcome{
                Failure::WaitTimedOut,
                QCoreApplication::translate("Transmission", "Another transmission from this folder "
                                                            "did not end within the timeout of %1 s.")
                    .arg(left->count())};
        if (!runner.pause(kTurnPoll))
            return TransmitOutcome{
                Failure::CompanionStopped,
                QCoreApplication::translate("Transmission",
                                            "The transmission was stopped while it waited for "
                                            "another transmission from this folder.")};
    }
}

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

SettingsImage markedForUsb(SettingsImage image) {
    setFieldValue(image, FieldId::Interface, kUsbInterface);
    return image;
}

TransmitOutcome transmitSettings(Session& session, const QString& folder, CompanionRunner& runner,
                                 const std::function<void()>& waiting) {
    session.image = markedForUsb(session.image);
    return transmitImage(session.image, folder, runner, waiting);
}

TransmitOutcome transmitImage(const SettingsImage& settings, const QString& folder, CompanionRunner& runner,
                              const std::function<void()>& waiting) {
    using Failure = TransmitOutcome::Failure;
    const SettingsImage image = markedForUsb(settings);
    const CompanionCommand command = companionCommand();
    if (!command.problem.isEmpty())
        return {Failure::CompanionNotFound, command.problem};

    auto turn = takeTurn(folder, runner, waiting);
    if (const auto* failure = std::get_if<TransmitOutcome>(&turn))
        return *failure;
    // Given up only when the companion has ended, also where a stop did not wait for that.
    struct Release {
        CompanionRunner& runner;
        std::shared_ptr<FileLock> lock;
        ~Release() {
            runner.setTimeSpent(std::chrono::milliseconds(0));
            if (lock)
                runner.keepUntilEnded(std::move(lock));
        }
    } release{runner, std::get<std::shared_ptr<FileLock>>(std::move(turn))};

    const TransferFileOutcome file = writeTransferFile(folder, image);
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
