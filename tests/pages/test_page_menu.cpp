// The pages as the menu reaches them in the main window.
#include "page_fixture.h"
#include "shell_fixture.h"

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

    std::unique_ptr<ShellFixture> m_f;

    void click(MenuId id) { m_f->clickMenu(id); }
    QWidget* front() const { return m_f->window->area()->activeSubWindow()->widget(); }

private slots:
    void init() {
        m_f = std::make_unique<ShellFixture>();
        m_f->start();
    }
    void cleanup() {
        m_f->window.reset();
        QCOMPARE(m_f->dialogs.unexpected, 0);
    }

    void menuItemsReachTheirPages_data() {
        QTest::addColumn<MenuId>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("delay") << MenuId::InterCharDelay << "frmInterCDelay";
        QTest::newRow("language") << MenuId::KeyboardLanguage << "frmLanguage";
        QTest::newRow("terminator") << MenuId::Terminator << "frmTerminator";
        QTest::newRow("magnetic card") << MenuId::MagneticCard << "frmMagnetic";
        QTest::newRow("preamble and postamble") << MenuId::Amble << "frmAmble";
        QTest::newRow("parameter") << MenuId::GeneralParameter << "frmParameter";
    }
    void menuItemsReachTheirPages() {
        QFETCH(MenuId, item);
        QFETCH(QString, page);
        const SettingsImage image = m_f->session.image;
        click(item);
        QCOMPARE(front()->objectName(), page);
        QMdiSubWindow* window = m_f->window->existingPageWindow(item);
        const QRect menu = m_f->window->menuSubWindow()->geometry();
        const QSize inner = m_f->window->innerSize();
        QCOMPARE(window->geometry(),
                 QRect(menu.width(), 0, inner.width() - menu.width(), inner.height()));
        QCOMPARE(m_f->session.image, image);
        QVERIFY(!m_f->session.changed);

        // An Accept, then the page again after the table view: the same window, refreshed.
        QTest::mouseClick(front()->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(m_f->session.changed);
        m_f->window->showTableView();
        click(item);
        QCOMPARE(m_f->window->existingPageWindow(item), window);
        QCOMPARE(front()->objectName(), page);

        m_f->window->resize(m_f->window->width() + 200, m_f->window->height() + 100);
        QCoreApplication::processEvents();
        QCOMPARE(window->width(), m_f->window->innerSize().width() - menu.width());
        QCOMPARE(window->height(), m_f->window->innerSize().height());
        if (page != u"frmTerminator" && page != u"frmMagnetic") // their Accept sits below the tabs
            QCOMPARE(front()->findChild<QPushButton*>(QStringLiteral("Command1"))->pos(),
                     QPoint(twips(4480), twips(5200)));
    }
};

QTEST_MAIN(PageMenuTest)
#include "test_page_menu.moc"
