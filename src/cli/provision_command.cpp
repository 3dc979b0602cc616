#include "provision_command.h"

#include "cli.h"
#include "command_call.h"
#include "provisioning_log.h"
#include "swipe_command.h"
#include "swipe_reader.h"
#include "terminal_input.h"
#include "writing_commands.h"

#include "core/files/file_access.h"
#include "core/image/settings_image.h"
#include "core/files/settings_file.h"
#include "device/reader_list.h"
#include "device/reader_status_text.h"
#include "device/companion_runner.h"
#include "device/transmission.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel {

namespace {

using namespace cli_status;

enum class Wait { Done, Interrupted };

// A settings file, or a JSON profile applied to the factory image as apply applies it.
int loadSettings(const QString& path, const CliContext& context, SettingsImage& image, QTextStream& err) {
    QFile file;
    const bool profile = nodeStatus(path).kind == NodeKind::RegularFile && openForReading(file, path).isEmpty() &&
                         isProfileText(file.read(kMaxProfileSize + 1));
    if (!profile)
        return loadSettingsFile(path, image, err);
    if (const int status = loadSettingsFile(context.factoryFile, image, err))
        return status;
    return applyProfileFile(path, image, err, context);
}

class Provisioning {
public:
    Provisioning(CommandCall& call, TerminalInput& input)
        : m_call(call), m_out(call.out()), m_err(call.err()), m_context(call.context()), m_bus(*m_context.bus),
          m_runner(*m_context.runner), m_input(input), m_swipes(input, m_context.swipeGapMs),
          m_layout(findTerminalLayout(m_context.layouts)) {}

    int run();

private:
    // Waits a poll interval; Ctrl+C or an ending signal meanwhile interrupts.
    Wait pause();
    Wait waitForReader(ReaderStatus& status);
    Wait waitUntilGone(const QByteArray& path);
    // Sends the settings; false with the reason when that failed.
    bool transmit(ProvisioningRecord& record);
    Wait verify(ProvisioningRecord& record);
    int summary(int status);

    CommandCall& m_call;
    QTextStream& m_out;
    QTextStream& m_err;
    const CliContext& m_context;
    HidBus& m_bus;
    CompanionRunner& m_runner;
    TerminalInput& m_input;
    SwipeReader m_swipes;
    TerminalLayout m_layout;
    SettingsImage m_image{};
    bool m_verify = true;
    bool m_inputEnded = false;
    int m_setUp = 0;
    int m_failed = 0;
    int m_notVerified = 0;
    bool m_stopped = false; // a stop request ended a transmission: the run ends
};

Wait Provisioning::pause() {
    if (m_inputEnded) {
        if (m_context.sleep)
            m_context.sleep(m_context.pollMs);
        return m_input.read(0).kind == TerminalInput::Chunk::Kind::Interrupted
                   ? Wait::Interrupted
                   : Wait::Done;
    }
    const TerminalInput::Chunk chunk = m_input.read(m_context.pollMs);
    switch (chunk.kind) {
    case TerminalInput::Chunk::Kind::Interrupted:
        return Wait::Interrupted;
    case TerminalInput::Chunk::Kind::EndOfInput:
        m_inputEnded = true;
        break;
    case TerminalInput::Chunk::Kind::Bytes:
        // Between readers only Ctrl+C means something; a stray swipe is not kept.
        if (m_input.isTerminal() && chunk.bytes.contains('\x03'))
            return Wait::Interrupted;
        break;
    case TerminalInput::Chunk::Kind::TimedOut:
        break;
    }
    return Wait::Done;
}

Wait Provisioning::waitForReader(ReaderStatus& status) {
    m_out << "Plug in the next reader\n";
    m_out.flush();
    // Output with nowhere to go (a pipe whose reader has gone): no one sees the prompts, so
    // the run ends here, between readers.
    if (m_out.status() != QTextStream::Ok)
        return Wait::Interrupted;
    for (;;) {
        status = readerStatus(m_bus);
        if (status.state != ReaderStatus::State::Absent)
            return Wait::Done;
        if (pause() == Wait::Interrupted)
            return Wait::Interrupted;
    }
}

Wait Provisioning::waitUntilGone(const QByteArray& path) {
    m_out << "Unplug the reader\n";
    m_out.flush();
    for (;;) {
        const std::vector<HidInterface> present = m_bus.enumerate();
        if (std::none_of(present.begin(), present.end(),
                         [&](const HidInterface& hid) { return hid.path == path; }))
            return Wait::Done;
        if (pause() == Wait::Interrupted)
            return Wait::Interrupted;
    }
}

bool Provisioning::transmit(ProvisioningRecord& record) {
    m_out << "Sending the settings\n";
    // The companion writes to the same terminal: what was said so far goes first.
    m_out.flush();
    // Nobody reads the terminal while the companion runs: Ctrl+C is looked for meanwhile
    // (keys typed then mean nothing else). Other input is left for the verification.
    // A read that waits not at all returns before it looks.
    if (m_input.isTerminal())
        m_runner.setStopCheck([this] {
            const TerminalInput::Chunk chunk = m_input.read(1);
            return chunk.kind == TerminalInput::Chunk::Kind::Interrupted ||
                   chunk.bytes.contains('\x03');
        });
    const TransmitOutcome outcome =
        transmitImage(m_image, m_context.folder, m_runner, [this] {
            m_err << "quorvel-cli: provision: waiting for another transmission from this folder "
                     "to end\n";
            m_err.flush();
        });
    m_runner.setStopCheck({});
    m_stopped = outcome.failure == TransmitOutcome::Failure::CompanionStopped;
    const SettingsImage sent = markedForUsb(m_image);
    record.imageSha256 = QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(sent.data()),
                                                                 static_cast<qsizetype>(sent.size())),
                                                  QCryptographicHash::Sha256)
                             .toHex();
    if (!outcome.succeeded())
        record.problem = outcome.message;
    else if (outcome.exitCode != 0)
        record.problem =
            QStringLiteral("the companion program ended with status %1").arg(outcome.exitCode);
    record.transmission =
        record.problem.isEmpty() ? Transmission::Sent : Transmission::Failed;
    if (record.problem.isEmpty())
        m_out << "Settings sent\n";
    else
        m_out << "Transmission failed: " << record.problem << "\n";
    return record.problem.isEmpty();
}

Wait Provisioning::verify(ProvisioningRecord& record) {
    record.verification = Verification::NotVerified;
    m_out << "Swipe a test card (Esc: not verified)\n";
    m_out.flush();
    for (;;) {
        const SwipeReader::Result result = m_swipes.next();
        if (result.kind == SwipeReader::Result::Kind::Interrupted)
            return Wait::Interrupted;
        if (result.kind == SwipeReader::Result::Kind::TooLong) {
            m_inputEnded = true;
            m_out << "More than " << SwipeReader::kMostKeys
                  << " keys without an end, which is not a reader's swipe: the reader is not verified\n";
            return Wait::Done;
        }
        if (result.kind != SwipeReader::Result::Kind::Swipe) {
            m_inputEnded = true;
            m_out << "No more input: the reader is not verified\n";
            return Wait::Done;
        }
        if (result.keys.size() == 1 && result.keys.first().key == Qt::Key_Escape) {
            m_out << "Not verified\n";
            return Wait::Done;
        }
        ++record.swipes;
        const SwipeAnalysis analysis =
            analyzeTerminalSwipe(result.keys, m_image, CardNumbers::Masked, m_layout);
        printSwipe(m_out, record.swipes, analysis, m_swipes.timed());
        if (swipePassed(analysis)) {
            record.verification = Verification::Passed;
            record.failedChecks.clear();
            m_out << "Verified\n";
            return Wait::Done;
        }
        record.failedChecks = failedChecks(analysis);
        m_out << "Swipe again, or press Esc to record the reader as not verified\n";
        m_out.flush();
    }
}

int Provisioning::summary(int status) {
    m_out << "\nReaders set up: " << m_setUp << ", failed: " << m_failed
          << ", not verified: " << m_notVerified << "\n";
    if (status != kOk)
        return status;
    return m_failed == 0 && m_notVerified == 0 ? kOk : kCheckFailed;
}

int Provisioning::run() {
    const QStringList& operands = m_call.args();
    const std::optional<QString> logName = m_call.value(QStringLiteral("--log"));
    const QString logPath = QDir(m_context.folder).filePath(logName.value_or(QStringLiteral("provision-log.jsonl")));
    const bool once = m_call.flag(QStringLiteral("--once"));
    m_verify = !m_call.flag(QStringLiteral("--no-verify"));
    if (const std::optional<double> seconds = m_call.number(QStringLiteral("--timeout")))
        m_runner.setTimeLimit(std::chrono::seconds(static_cast<int>(*seconds)));
    if (const int status = loadSettings(operands.first(), m_context, m_image, m_err))
        return status;
    m_swipes.setFrame(swipeFrame(m_image));
    // Opened now: a log that cannot take records is found out before any reader is set up.
    ProvisioningLog log(logPath);
    if (QString reason; !log.open(&reason)) {
        m_err << "quorvel-cli: provision: " << printable(logPath)
              << ": cannot write the log: " << printable(reason) << "\n";
        return kFile;
    }

    for (;;) {
        ReaderStatus status;
        if (waitForReader(status) == Wait::Interrupted)
            return summary(m_out.status() == QTextStream::Ok ? kOk : kFile);
        ProvisioningRecord record;
        record.path = QString::fromUtf8(status.hid.path);
        record.serial = status.hid.serialNumber;
        record.settings = jsonFileName(QFileInfo(operands.first()).fileName());
        record.verification = Verification::NotReached;
        Wait verified = Wait::Done;
        if (status.state == ReaderStatus::State::CannotOpen) {
            m_out << readerStatusText(status) << "\n";
            record.transmission = Transmission::NotOpened;
            record.problem = status.reason;
            ++m_failed;
        } else {
            m_out << "Reader attached: " << printable(record.path) << ", serial "
                  << (record.serial.isEmpty() ? QStringLiteral("(none)") : printable(record.serial))
                  << "\n";
            if (!transmit(record)) {
                ++m_failed;
            } else if (!m_verify) {
                record.verification = Verification::Skipped;
                ++m_setUp;
            } else {
                verified = verify(record);
                ++(record.verification == Verification::Passed ? m_setUp : m_notVerified);
            }
        }
        record.time = m_context.now();
        if (QString reason; !log.append(record, &reason)) {
            m_err << "quorvel-cli: provision: " << printable(logPath)
                  << ": cannot write the log: " << printable(reason) << "\n";
            return summary(kFile);
        }
        if (verified == Wait::Interrupted || once || m_stopped)
            return summary(kOk);
        if (waitUntilGone(status.hid.path) == Wait::Interrupted)
            return summary(kOk);
    }
}

} // namespace

int provisionCommand(CommandCall& call) {
    const CliContext& context = call.context();
    if (call.args().size() != 1)
        return call.usage(QStringLiteral("provision needs SETTINGS, a settings file or a JSON profile"));
    if (!context.bus || !context.runner || !context.openTerminal)
        return call.unavailable();
    const std::unique_ptr<TerminalInput> input = context.openTerminal();
    return Provisioning(call, *input).run();
}

} // namespace quorvel
