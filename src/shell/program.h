#pragma once

#include "main_window.h"
#include "shell_dialogs.h"

#include "core/session.h"

#include <QList>
#include <QLocale>

class QTranslator;

#include <memory>

namespace quorvel {

// The running program: its one session, its dialogs and its main window, put
// together as main() needs them. Tests assemble their own from a scripted seam.
class Program {
public:
    // Names the application for the desktop (the Wayland app id is the desktop
    // file's name), gives it the program's icon and the translations of the
    // locale. Once, after the QApplication is made and before the first window.
    static void prepareApplication(const QLocale& locale = QLocale::system());

    // Loads the factory file found for this program and shows the main window,
    // whose end ends the event loop; nullptr after the failed start-up's message.
    // A file named is then opened as Open opens it.
    MainWindow* start(const QString& file = {});

private:
    Session m_session;
    ShellDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

// The folders searched for the program's catalogs, in order: beside the program,
// then the installed data folder.
QStringList translationFolders();
// Installs this program's catalog for the locale from the first folder that has it,
// and Qt's own; nothing for English or the C locale, whose texts are the source.
// Returns what it installed (owned by the application).
QList<QTranslator*> installTranslations(const QLocale& locale,
                                        const QStringList& folders = translationFolders());

// The folder of the last settings file, kept between runs in the program's own
// settings (QSettings, user scope, "quorvel").
QString storedLastFolder();
void storeLastFolder(const QString& folder);

} // namespace quorvel
