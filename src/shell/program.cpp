#include "program.h"

#include "start_up.h"

#include "core/factory_file.h"

#include <QCoreApplication>
#include <QSettings>

namespace quorvel {

namespace {

constexpr char kLastFolderKey[] = "files/lastFolder";

} // namespace

QString storedLastFolder() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("quorvel"), QStringLiteral("quorvel"));
    return settings.value(kLastFolderKey).toString();
}

void storeLastFolder(const QString& folder) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quorvel"),
                       QStringLiteral("quorvel"));
    if (settings.value(kLastFolderKey).toString() != folder)
        settings.setValue(kLastFolderKey, folder);
}

MainWindow* Program::start(const QString& file) {
    m_session.factoryFile = locateFactoryFile();
    m_session.lastFolder = storedLastFolder();
    m_dialogs.setStartFolder([this] { return m_session.lastFolder; });
    m_window = startUp(m_session, m_dialogs, file);
    if (!m_window)
        return nullptr;
    m_dialogs.setParent(m_window.get());
    QObject::connect(m_window.get(), &MainWindow::programEnded, QCoreApplication::instance(),
                     [this](int exitCode) {
                         if (!m_session.lastFolder.isEmpty())
                             storeLastFolder(m_session.lastFolder);
                         QCoreApplication::exit(exitCode);
                     });
    return m_window.get();
}

} // namespace quorvel
