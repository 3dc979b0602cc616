// A main window of the program's size showing one label, ending at its first
// paint: the floor for a window that draws text, which the program's start-up
// is measured against.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(694, 434);
    QuitOnFirstPaint quit(&window);
    window.show();
    return app.exec();
}
