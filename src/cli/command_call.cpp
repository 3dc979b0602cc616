#include "command_call.h"

#include "core/files/file_access.h"
#include "core/files/settings_file.h"

namespace quorvel {

using namespace cli_status;

namespace {

// How long an edit waits for another one on the same file.
constexpr int kLockWait = 10000; // ms

} // namespace

int CommandCall::usage(const QString& problem) {
    m_err << "quorvel-cli: " << printable(problem) << "\n" << "Try 'quorvel-cli --help'.\n";
    return kUsage;
}

int CommandCall::takeOptions(const QStringList& flags, bool takesOutput) {
    QStringList operands;
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        const QString& arg = m_args.at(i);
        if (arg == QLatin1String("--")) {
            operands += m_args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(u'-') || arg == QLatin1String("-")) {
            operands << arg;
        } else if (takesOutput && arg == QLatin1String("-o")) {
            if (m_output)
                return usage(QStringLiteral("-o given twice"));
            if (i + 1 >= m_args.size() || m_args.at(i + 1).isEmpty())
                return usage(QStringLiteral("-o needs a file name"));
            m_output = m_args.at(++i);
        } else if (flags.contains(arg)) {
            m_flags << arg;
        } else {
            return usage(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    m_args = operands;
    return kOk;
}

CommandCall::~CommandCall() = default;

int CommandCall::lockForChange(const QString& path) {
    // The file that will be replaced, by whatever name it is given: FILE itself, or OUT
    // where OUT already exists (maybe as another name of FILE). What cannot be written
    // anyway is left to the reading or writing to report.
    const QString target = m_output.value_or(path);
    if (target == QLatin1String("-") || nodeStatus(target).kind != NodeKind::RegularFile ||
        !refusedLinkReason(target).isEmpty())
        return kOk;
    auto lock = std::make_unique<FileLock>(target, FileLock::Guards::TheFileItself);
    QString reason;
    switch (lock->tryLock(kLockWait, &reason)) {
    case FileLock::Result::Locked:
        break;
    case FileLock::Result::Busy:
        m_err << "quorvel-cli: " << printable(target) << ": cannot lock: another program is changing it\n";
        return kFile;
    case FileLock::Result::Failed:
        m_err << "quorvel-cli: " << printable(target) << ": cannot lock: " << printable(reason) << "\n";
        return kFile;
    }
    m_lock = std::move(lock);
    return kOk;
}

int CommandCall::load(const QString& path, SettingsImage& image) {
    if (path != QLatin1String("-"))
        return loadSettingsFile(path, image, m_err);
    // Standard input is held to what a file must be: the whole text and nothing more.
    const QByteArray text =
        m_context.standardInput ? m_context.standardInput(kSettingsTextLength + 1) : QByteArray();
    if (text.isEmpty()) {
        m_err << "quorvel-cli: standard input: cannot read: The file is empty\n";
        return kFile;
    }
    if (!parseSettingsText(text, image)) {
        m_err << "quorvel-cli: standard input: not a settings file (it must be exactly "
              << kSettingsTextLength << " characters)\n";
        return kFile;
    }
    return kOk;
}

int CommandCall::store(const QString& target, const SettingsImage& image) {
    if (target == QLatin1String("-")) {
        m_out << QString::fromLatin1(composeSettingsText(image));
        return kOk;
    }
    const WriteOutcome written = writeDataFile(target, image, [](const QString&) { return true; });
    if (written.result != WriteResult::Written) {
        m_err << "quorvel-cli: " << printable(target) << ": cannot write: " << printable(written.reason) << "\n";
        return kFile;
    }
    return kOk;
}

} // namespace quorvel
