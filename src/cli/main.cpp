#include "cli.h"

#include "core/factory_file.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    quorvel::CliContext context;
    context.factoryFile = quorvel::locateFactoryFile();
    return quorvel::runCli(app.arguments().mid(1), out, err, context);
}
