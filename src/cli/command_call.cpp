#include "command_call.h"

#include "command_table.h"

#include "core/files/file_access.h"
#include "core/files/settings_file.h"
#include "core/keyboard/xkb_layout_name.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

using namespace cli_status;

namespace {

// How long an edit waits for another one on the same file.
constexpr int kLockWait = 10000; // ms

// Whether the word is an argument the option takes, as its row describes it.
// Between the words of an option that takes several; no word given may hold it.
constexpr QChar kWordSeparator = u'\x1f';

bool accepts(const CliOption& option, const QString& word) {
    switch (option.argument) {
    case OptionArgument::None:
        break;
    case OptionArgument::Number: {
        bool ok = false;
        const double value = option.whole ? double(word.toLongLong(&ok)) : word.toDouble(&ok);
        return ok && std::isfinite(value) && value >= option.least && value <= option.most;
    }
    case OptionArgument::File:
        return !word.isEmpty();
    case OptionArgument::Layout:
        return parseXkbLayoutName(word).has_value();
    case OptionArgument::Tracks:
        return !word.contains(kWordSeparator);
    }
    return true;
}

} // namespace

int CommandCall::usage(const QString& problem) {
    m_err << "quorvel-cli: " << printable(problem) << "\n" << "Try 'quorvel-cli --help'.\n";
    return kUsage;
}

int CommandCall::unavailable() {
    m_err << "quorvel-cli: " << m_name << ": not available in this build\n";
    return kUsage;
}

int CommandCall::parse(const CliCommand& command) {
    QStringList operands;
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        const QString& arg = m_args.at(i);
        if (arg == QLatin1String("--")) {
            operands += m_args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(u'-') || arg == QLatin1String("-")) {
            operands << arg;
            continue;
        }
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const CliOption& o) { return arg == QLatin1String(o.name); });
        if (option == command.options.end())
            return usage(QStringLiteral("unknown option '%1'").arg(arg));
        if (option->argument == OptionArgument::None) {
            m_flags << arg;
            continue;
        }
        // One value an option: a second would silently win over the first.
        if (m_values.contains(arg))
            return usage(QStringLiteral("%1 given twice").arg(arg));
        const QStringList words = m_args.mid(i + 1, option->words);
        if (words.size() < option->words ||
            !std::all_of(words.begin(), words.end(), [&](const QString& w) { return accepts(*option, w); }))
            return usage(QString::fromLatin1(option->problem)
                             .replace(QLatin1String("%1"), QString::number(qlonglong(option->least)))
                             .replace(QLatin1String("%2"), QString::number(qlonglong(option->most))));
        m_values.insert(arg, words.join(kWordSeparator));
        i += option->words;
    }
    m_args = operands;
    return kOk;
}

std::optional<QString> CommandCall::value(const QString& name) const {
    const auto found = m_values.constFind(name);
    return found == m_values.cend() ? std::nullopt : std::optional<QString>(*found);
}

QStringList CommandCall::words(const QString& name) const {
    const std::optional<QString> joined = value(name);
    return joined ? joined->split(kWordSeparator) : QStringList();
}

std::optional<double> CommandCall::number(const QString& name) const {
    const std::optional<QString> word = value(name);
    return word ? std::optional<double>(word->toDouble()) : std::nullopt;
}

CommandCall::~CommandCall() = default;

int CommandCall::lockForChange(const QString& path) {
    // The file that will be replaced, by whatever name it is given: FILE itself, or OUT
    // where OUT already exists (maybe as another name of FILE). What cannot be written
    // anyway is left to the reading or writing to report.
    const QString target = output().value_or(path);
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
