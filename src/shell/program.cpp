#include "program.h"

#include "start_up.h"

#include "core/files/factory_file.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace quorvel {

namespace {

constexpr char kLastFolderKey[] = "files/lastFolder";

} // namespace

QStringList translationFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.absoluteFilePath(QStringLiteral(QUORVEL_RELATIVE_DATADIR) +
                                                     QStringLiteral("/translations")))};
}

QList<QTranslator*> installTranslations(const QLocale& locale, const QStringList& folders) {
    // English is the source text: no catalog to look for, nothing to cost at start-up.
    QList<QTranslator*> installed;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return installed;
    const auto install = [&](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!translator->load(locale, name, QStringLiteral("_"), folder))
            return false;
        QCoreApplication::installTranslator(translator.get());
        installed << translator.release();
        return true;
    };
    for (const QString& folder : folders)
        if (install(QStringLiteral("quorvel"), folder))
            break;
    // Qt's own: the buttons of message boxes and the file dialogs.
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installed;
}

void Program::prepareApplication(const QLocale& locale) {
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    // The files are read only when a window system asks for the icon. X11 takes every
    // size at the first show; the large ones would cost decoding time at every start.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/quorvel.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    installTranslations(locale);
}

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
