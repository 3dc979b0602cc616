#include "cli.h"
#include "device_commands.h"
#include "provision_command.h"
#include "swipe_command.h"
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
    context.devices = [](const QStringList& args, QTextStream& o, QTextStream& e) {
        return quorvel::devicesCommand(args, o, e, quorvel::systemHidBus());
    };
    context.transmit = [](const QStringList& args, QTextStream& o, QTextStream& e) {
        return quorvel::transmitCommand(args, o, e, quorvel::systemHidBus(),
                                        quorvel::systemCompanionRunner(), QDir::currentPath());
    };
    context.swipe = [&context](const QStringList& args, QTextStream& o, QTextStream& e) {
        const std::unique_ptr<quorvel::TerminalInput> input = quorvel::openStandardInput();
        return quorvel::swipeCommand(args, o, e, context.factoryFile, *input,
                                     quorvel::TerminalLayoutSources::ofSystem());
    };
    context.provision = [&context](const QStringList& args, QTextStream& o, QTextStream& e) {
        const std::unique_ptr<quorvel::TerminalInput> input = quorvel::openStandardInput();
        quorvel::ProvisionSeams seams{quorvel::systemHidBus(), quorvel::systemCompanionRunner(), *input,
                                      QDir::currentPath(), context.factoryFile};
        seams.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
        seams.layout = quorvel::findTerminalLayout(quorvel::TerminalLayoutSources::ofSystem());
        return quorvel::provisionCommand(args, o, e, seams);
    };
    // The words as given: a file name need not be UTF-8.
    return quorvel::runCli(quorvel::programArguments(argc, argv).mid(1), out, err, context);
}
