#include "start_up.h"

#include "main_window.h"
#include "menu_window.h"

#include "core/session.h"
#include "core/files/settings_file.h"
#include "ui/dialogs.h"

namespace quorvel {

std::unique_ptr<MainWindow> startUp(Session& session, Dialogs& dialogs, const QString& file) {
    session.shiftLatch = false;
    if (!readDefaultFile(session.factoryFile, session.image)) {
        dialogs.ask({QCoreApplication::translate(
                         "StartUp", "Cannot open file 'Default.mag', Program terminate ! "),
                     programTitle(), Icon::Stop, Buttons::Ok});
        return nullptr;
    }
    session.changed = false;
    auto window = std::make_unique<MainWindow>(session, dialogs);
    window->show();
    if (!file.isEmpty()) {
        // After the window is on screen, so that its messages have a window to stand on.
        MenuWindow* menu = window->menuWindow();
        QMetaObject::invokeMethod(
            menu, [menu, file] { menu->openGivenFile(file); }, Qt::QueuedConnection);
    }
    return window;
}

} // namespace quorvel
