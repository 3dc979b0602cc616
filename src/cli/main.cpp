#include "cli.h"
#include "terminal_input.h"

#include "core/ending_signals.h"
#include "core/files/factory_file.h"
#include "core/files/file_access.h"
#include "device/hid_bus.h"
#include "device/process_companion_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

int main(int argc, char* argv[]) {
    // First: a write or a companion under way when a signal comes is tidied up.
    quorvel::ending_signals::install();
    quorvel::ending_signals::ignoreBrokenPipe();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Ctrl+C and the like end a companion and all it started in good order, then the tool.
    quorvel::systemCompanionRunner().setListening(true);
    quorvel::CliContext context;
    context.factoryFile = quorvel::locateFactoryFile();
    context.standardInput = [](qint64 maxSize) {
        QFile in;
        QByteArray data;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return data;
        // A pipe hands its data over in pieces.
        while (data.size() < maxSize) {
            const QByteArray piece = in.read(maxSize - data.size());
            if (piece.isEmpty())
                break;
            data += piece;
        }
        return data;
    };
    context.bus = &quorvel::systemHidBus();
    context.runner = &quorvel::systemCompanionRunner();
    context.folder = QDir::currentPath();
    context.openTerminal = [] { return quorvel::openStandardInput(); };
    context.layouts = quorvel::TerminalLayoutSources::ofSystem();
    context.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    // The words as given: a file name need not be UTF-8.
    return quorvel::runCli(quorvel::programArguments(argc, argv).mid(1), out, err, context);
}
