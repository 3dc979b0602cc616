#include "program.h"

#include "start_up.h"

#include "core/factory_file.h"

#include <QCoreApplication>

namespace quorvel {

MainWindow* Program::start() {
    m_session.factoryFile = locateFactoryFile();
    m_window = startUp(m_session, m_dialogs);
    if (!m_window)
        return nullptr;
    m_dialogs.setParent(m_window.get());
    QObject::connect(m_window.get(), &MainWindow::programEnded, QCoreApplication::instance(),
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    return m_window.get();
}

} // namespace quorvel
