#pragma once

#include "cli.h"

#include "core/files/file_access.h"
#include "core/files/file_lock.h"
#include "core/image/settings_image.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

namespace quorvel {

struct CliCommand;

// One run of one command: its words, its options once taken, and where it reports.
class CommandCall {
public:
    CommandCall(QString name, QStringList args, QTextStream& out, QTextStream& err,
                const CliContext& context)
        : m_name(std::move(name)), m_args(std::move(args)), m_out(out), m_err(err),
          m_context(context) {}
    ~CommandCall();

    const QString& name() const { return m_name; }
    // The operands once parse() has run, every word before.
    QStringList& args() { return m_args; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    const CliContext& context() const { return m_context; }

    // Says what is wrong with the command line and gives the usage status. Every usage error
    // of the tool is worded so.
    int usage(const QString& problem);
    // Says that this build has no reader or terminal for the command; the usage status.
    int unavailable();
    // Takes the command's options out of its arguments as its row declares them, leaving the
    // operands; an option it does not know or an argument it refuses is a usage error.
    int parse(const CliCommand& command);
    bool flag(const QString& name) const { return m_flags.contains(name); }
    // The argument given to an option, checked as its row says.
    std::optional<QString> value(const QString& name) const;
    std::optional<double> number(const QString& name) const;
    // The words of an option that takes several; empty when it was not given.
    QStringList words(const QString& name) const;
    std::optional<QString> output() const { return value(QStringLiteral("-o")); }

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
    QHash<QString, QString> m_values;
    std::unique_ptr<FileLock> m_lock;
    QTextStream& m_out;
    QTextStream& m_err;
    const CliContext& m_context;
};

} // namespace quorvel
