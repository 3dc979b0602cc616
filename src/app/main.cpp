#include "shell/command_line.h"
#include "shell/program.h"

#include "core/ending_signals.h"
#include "core/files/file_access.h"

#include <QApplication>

#include <cstdio>

namespace {

int print(std::FILE* stream, const QString& text, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    using quorvel::CommandLine;
    // Help and version are answered before the window system is asked for a display.
    const CommandLine early = quorvel::parseCommandLine(quorvel::programArguments(argc, argv));
    if (early.action == CommandLine::Action::Help)
        return print(stdout, quorvel::helpText(), 0);
    if (early.action == CommandLine::Action::Version)
        return print(stdout, quorvel::versionText(), 0);

    // A save or a companion under way when a signal comes is tidied up.
    quorvel::ending_signals::install();
    QApplication app(argc, argv);
    quorvel::Program::prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);

    // QApplication has taken its own options out of argv; a file name need not be UTF-8.
    const CommandLine line = quorvel::parseCommandLine(quorvel::programArguments(argc, argv));
    if (line.action == CommandLine::Action::Usage)
        return print(stderr,
                     QStringLiteral("quorvel: %1\nTry 'quorvel --help'.\n").arg(line.problem), 2);

    quorvel::Program program;
    if (!program.start(line.file))
        return 1;
    return app.exec();
}
