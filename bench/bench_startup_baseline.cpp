// A bare main window of the program's size, ending at its first paint: the
// floor that the program's start-up is measured against.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(694, 434);
    QuitOnFirstPaint quit(&window);
    window.show();
    return app.exec();
}
