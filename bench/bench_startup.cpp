// The program's real start-up (factory file, main window with menu and table
// view), ending at the main window's first paint.
#include "first_paint.h"

#include "core/factory_file.h"
#include "core/session.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "shell/start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvel::Session session;
    session.factoryFile = quorvel::locateFactoryFile();
    quorvel::ShellDialogs dialogs;
    const auto window = quorvel::startUp(session, dialogs);
    if (!window)
        return 1;
    QuitOnFirstPaint quit(window.get());
    return app.exec();
}
