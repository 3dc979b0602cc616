// The program's real start-up (factory file, main window with menu and table
// view), ending at the main window's first paint.
#include "first_paint.h"

#include "shell/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorvel::Program::prepareApplication();
    quorvel::Program program;
    quorvel::MainWindow* window = program.start();
    if (!window)
        return 1;
    QuitOnFirstPaint quit(window);
    return app.exec();
}
