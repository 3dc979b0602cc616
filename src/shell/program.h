#pragma once

#include "main_window.h"
#include "shell_dialogs.h"

#include "core/session.h"

#include <memory>

namespace quorvel {

// The running program: its one session, its dialogs and its main window, put
// together as main() needs them. Tests assemble their own from a scripted seam.
class Program {
public:
    // Loads the factory file found for this program and shows the main window,
    // whose end ends the event loop; nullptr after the failed start-up's message.
    // A file named is then opened as Open opens it.
    MainWindow* start(const QString& file = {});

private:
    Session m_session;
    ShellDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

// The folder of the last settings file, kept between runs in the program's own
// settings (QSettings, user scope, "quorvel").
QString storedLastFolder();
void storeLastFolder(const QString& folder);

} // namespace quorvel
