#include "command_line.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quorvel", text);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    bool help = false;
    bool version = false;
    QStringList unknown;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool option =
            !optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
        if (!option) {
            files << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else {
            unknown << argument;
        }
    }
    if (help)
        return {CommandLine::Action::Help, {}, {}};
    if (version)
        return {CommandLine::Action::Version, {}, {}};
    if (!unknown.isEmpty())
        return {CommandLine::Action::Usage, {}, tr("unknown option %1").arg(unknown.first())};
    if (files.size() > 1)
        return {CommandLine::Action::Usage, {}, tr("one settings file at most")};
    return {CommandLine::Action::Start, files.value(0), {}};
}

QString helpText() {
    return tr("Usage: quorvel [OPTION] [FILE]\n"
              "Edit the settings of Brisk/Corda/Mallow magnetic stripe card readers.\n"
              "FILE, a settings file, is opened after start-up as the Open command opens it.\n"
              "\n"
              "  -h, --help     show this help and exit\n"
              "  -v, --version  show the version and exit\n"
              "\n"
              "Qt's own options, such as -platform and -style, are accepted too.\n"
              "QUORVEL_COMPANION names a command to run instead of Hoplink.exe to transmit,\n"
              "split like a shell word list but never run through a shell.\n");
}

QString versionText() {
    return QStringLiteral("quorvel %1\n").arg(QStringLiteral(QUORVEL_VERSION));
}

} // namespace quorvel
