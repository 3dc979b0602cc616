// The pages as the menu reaches them in the main window.
#include "page_fixture.h"

#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolButton>

using namespace quorvel;

class PageMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    void click(int group, int item) {
        VerticalMenu* vm = m_window->menuWindow()->menu();
        vm->setOpenGroup(group);
        QTest::mouseClick(vm->itemButton(group, item), Qt::LeftButton);
    }
    QWidget* front() const { return m_window->area()->activeSubWindow()->widget(); }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<Session>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_session->factoryFile = m_dir->filePath(QStringLiteral("Default.mag"));
        QFile::copy(shippedFactoryFile(), m_session->factoryFile);
        m_window = startUp(*m_session, *m_dialogs);
        QVERIFY(m_window);
    }
    void cleanup() {
        m_window.reset();
        QCOMPARE(m_dialogs->unexpected, 0);
    }

    void menuItemsReachTheirPages_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("delay") << 1 << "frmInterCDelay";
        QTest::newRow("language") << 2 << "frmLanguage";
        QTest::newRow("terminator") << 3 << "frmTerminator";
        QTest::newRow("magnetic card") << 4 << "frmMagnetic";
        QTest::newRow("preamble and postamble") << 5 << "frmAmble";
        QTest::newRow("parameter") << 6 << "frmParameter";
    }
    void menuItemsReachTheirPages() {
        QFETCH(int, item);
        QFETCH(QString, page);
        const SettingsImage image = m_session->image;
        click(2, item);
        QCOMPARE(front()->objectName(), page);
        QMdiSubWindow* window = m_window->existingPageWindow(2, item);
        const QRect menu = m_window->menuSubWindow()->geometry();
        const QSize inner = m_window->innerSize();
        QCOMPARE(window->geometry(),
                 QRect(menu.width(), 0, inner.width() - menu.width(), inner.height()));
        QCOMPARE(m_session->image, image);
        QVERIFY(!m_session->changed);

        // An Accept, then the page again after the table view: the same window, refreshed.
        QTest::mouseClick(front()->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(m_session->changed);
        m_window->showTableView();
        click(2, item);
        QCOMPARE(m_window->existingPageWindow(2, item), window);
        QCOMPARE(front()->objectName(), page);

        m_window->resize(m_window->width() + 200, m_window->height() + 100);
        QCoreApplication::processEvents();
        QCOMPARE(window->width(), m_window->innerSize().width() - menu.width());
        QCOMPARE(window->height(), m_window->innerSize().height());
        if (page != u"frmTerminator" && page != u"frmMagnetic") // their Accept sits below the tabs
            QCOMPARE(front()->findChild<QPushButton*>(QStringLiteral("Command1"))->pos(),
                     QPoint(twips(4480), twips(5200)));
    }
};

QTEST_MAIN(PageMenuTest)
#include "test_page_menu.moc"
