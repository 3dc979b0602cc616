#include "cli.h"
#include "device_commands.h"

#include "core/factory_file.h"
#include "device/hid_bus.h"
#include "device/process_companion_runner.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    quorvel::CliContext context;
    context.factoryFile = quorvel::locateFactoryFile();
    context.devices = [](const QStringList& args, QTextStream& o, QTextStream& e) {
        return quorvel::devicesCommand(args, o, e, quorvel::systemHidBus());
    };
    context.transmit = [](const QStringList& args, QTextStream& o, QTextStream& e) {
        return quorvel::transmitCommand(args, o, e, quorvel::systemHidBus(),
                                        quorvel::systemCompanionRunner(), QDir::currentPath());
    };
    return quorvel::runCli(app.arguments().mid(1), out, err, context);
}
