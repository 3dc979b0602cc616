#include "cli.h"

#include "command_call.h"
#include "command_table.h"
#include "shell_completion.h"

#include "core/files/file_name.h"
#include "core/files/settings_file.h"

#include <QFileDevice>

namespace quorvel {

using namespace cli_status;

namespace {

int dispatch(QStringList args, QTextStream& out, QTextStream& err, const CliContext& context) {
    if (args.isEmpty())
        return CommandCall({}, {}, out, err, context).usage(QStringLiteral("no command given"));
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        out << usageText();
        return kOk;
    }
    if (name == QLatin1String("--version")) {
        out << "quorvel-cli " << QUORVEL_VERSION << "\n";
        return kOk;
    }
    // Not in the usage text: the build writes the scripts with it.
    if (name == QLatin1String("--completion")) {
        const QString script = completionScript(args.value(0));
        if (args.size() != 1 || script.isEmpty())
            return CommandCall(name, {}, out, err, context).usage(QStringLiteral("--completion needs bash, zsh or fish"));
        out << script;
        return kOk;
    }
    const CliCommand* command = findCliCommand(name);
    if (!command)
        return CommandCall(name, {}, out, err, context)
            .usage(QStringLiteral("unknown command '%1'").arg(name));
    // After "--" every word is an operand, "--help" too.
    if (args.mid(0, args.indexOf(QStringLiteral("--"))).contains(QLatin1String("--help"))) {
        out << commandHelp(*command);
        return kOk;
    }
    CommandCall call(name, args, out, err, context);
    if (const int status = call.parse(*command))
        return status;
    return command->handler(call);
}

} // namespace

QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        const char16_t u = c.unicode();
        if (u == u'\n')
            shown += QStringLiteral("\\n");
        else if (u == u'\t')
            shown += QStringLiteral("\\t");
        else if (u == u'\r')
            shown += QStringLiteral("\\r");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else if (const int byte = keptByte(text, at); byte >= 0) // a name's byte that is not UTF-8
            shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString jsonFileName(const QString& name) {
    QString shown;
    shown.reserve(name.size());
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (const int byte = keptByte(name, at); byte >= 0)
            shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            shown += name.at(at);
    }
    return shown;
}

int loadSettingsFile(const QString& path, SettingsImage& image, QTextStream& err) {
    const ReadOutcome outcome = readDataFile(path, image);
    switch (outcome.result) {
    case ReadResult::Loaded:
        return kOk;
    case ReadResult::WrongLength:
        err << "quorvel-cli: " << printable(path) << ": not a settings file (it must be exactly "
            << kSettingsTextLength << " characters)\n";
        return kFile;
    case ReadResult::Error:
        break;
    }
    err << "quorvel-cli: " << printable(path) << ": cannot read: " << outcome.reason << "\n";
    return kFile;
}

int runCli(const QStringList& args, QTextStream& out, QTextStream& err, const CliContext& context) {
    const int status = dispatch(args, out, err, context);
    // Output that never arrived is a failure, whatever the command itself thought.
    out.flush();
    if (out.status() != QTextStream::Ok) {
        const auto* file = qobject_cast<const QFileDevice*>(out.device());
        err << "quorvel-cli: cannot write to standard output"
            << (file ? QStringLiteral(": ") + file->errorString() : QString()) << "\n";
        err.flush();
        return kFile;
    }
    return status;
}

} // namespace quorvel
