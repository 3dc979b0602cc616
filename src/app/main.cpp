#include "core/factory_file.h"
#include "core/session.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "shell/start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setQuitOnLastWindowClosed(false);

    quorvel::Session session;
    session.factoryFile = quorvel::locateFactoryFile();
    quorvel::ShellDialogs dialogs;
    const auto window = quorvel::startUp(session, dialogs);
    if (!window)
        return 1;
    dialogs.setParent(window.get());
    QObject::connect(window.get(), &quorvel::MainWindow::programEnded, &app,
                     [&app](int exitCode) { app.exit(exitCode); });
    return app.exec();
}
