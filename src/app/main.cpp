#include "shell/command_line.h"
#include "shell/program.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

QStringList rawArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

int print(std::FILE* stream, const QString& text, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    using quorvel::CommandLine;
    // Help and version are answered before the window system is asked for a display.
    const CommandLine early = quorvel::parseCommandLine(rawArguments(argc, argv));
    if (early.action == CommandLine::Action::Help)
        return print(stdout, quorvel::helpText(), 0);
    if (early.action == CommandLine::Action::Version)
        return print(stdout, quorvel::versionText(), 0);

    QApplication app(argc, argv);
    quorvel::Program::prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);

    const CommandLine line = quorvel::parseCommandLine(QApplication::arguments());
    if (line.action == CommandLine::Action::Usage)
        return print(stderr,
                     QStringLiteral("quorvel: %1\nTry 'quorvel --help'.\n").arg(line.problem), 2);

    quorvel::Program program;
    if (!program.start(line.file))
        return 1;
    return app.exec();
}
