#pragma once

#include "cli.h"

#include "core/files/file_access.h"
#include "core/files/file_lock.h"
#include "core/image/settings_image.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

namespace quorvel {

// One run of one command: its words, its options once taken, and where it reports.
class CommandCall {
public:
    CommandCall(QString name, QStringList args, QTextStream& out, QTextStream& err,
                const CliContext& context)
        : m_name(std::move(name)), m_args(std::move(args)), m_out(out), m_err(err),
          m_context(context) {}
    ~CommandCall();

    const QString& name() const { return m_name; }
    // The operands once takeOptions() has run, every word before.
    QStringList& args() { return m_args; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    const CliContext& context() const { return m_context; }

    // Says what is wrong with the command line and gives the usage status.
    int usage(const QString& problem);
    // Takes the options a command knows out of its arguments, leaving the operands;
    // anything else that looks like an option is a usage error (nonzero status).
    int takeOptions(const QStringList& flags, bool takesOutput = false);
    bool flag(const QString& name) const { return m_flags.contains(name); }
    const QStringList& flags() const { return m_flags; }
    const std::optional<QString>& output() const { return m_output; }

    // Holds a lock on the file the command will replace (OUT, or FILE itself) until the
    // call ends, so that two edits of one file at once both take effect, by any of its names.
    int lockForChange(const QString& path);

    // Loads a settings file; on failure reports it and gives the status to return.
    int load(const QString& path, SettingsImage& image);
    // Writes the image to a file atomically, or its text to standard output for "-".
    int store(const QString& target, const SettingsImage& image);

private:
    QString m_name;
    QStringList m_args;
    QStringList m_flags;
    std::optional<QString> m_output;
    std::unique_ptr<FileLock> m_lock;
    QTextStream& m_out;
    QTextStream& m_err;
    const CliContext& m_context;
};

} // namespace quorvel
