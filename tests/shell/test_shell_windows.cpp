// Start-up, the table view, and the menu with the windows it opens: created, fitted and shown.
#include "core/files/settings_file.h"
#include "core/menu_table.h"
#include "shell/main_window.h"
#include "shell/menu_look.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "shell/table_view.h"
#include "shell_driver.h"
#include "test_files.h"
#include "ui/child_window.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include <algorithm>
#include <QtTest>

using namespace quorvel;

namespace {

// A page stand-in that counts its activations.
class CountingPage : public ChildWindow {
public:
    explicit CountingPage(int& counter) : m_counter(counter) {
        setObjectName(QStringLiteral("frmTest"));
    }
    void activate() override { ++m_counter; }

private:
    int& m_counter;
};

} // namespace

class ShellWindowsTest : public QObject, private ShellDriver {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void startUpFailsWithoutAUsableFactoryFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        const QByteArray good = composeSettingsText(SettingsImage{});
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("407") << good.left(407) << true;
        QTest::newRow("409") << good + "\n" << true;
    }
    void startUpFailsWithoutAUsableFactoryFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFile::remove(m_f->session.factoryFile);
        if (present)
            writeFile(m_f->session.factoryFile, content);
        QVERIFY(!startUp(m_f->session, m_f->dialogs));
        const Message expected{QStringLiteral("Cannot open file 'Default.mag', Program terminate ! "),
                               QStringLiteral("Quorvel"), Icon::Stop, Buttons::Ok};
        QCOMPARE(m_f->dialogs.messages, QList<Message>{expected});
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(),
                             QApplication::topLevelWidgets().cend(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void startUpShowsTheFactorySettings() {
        m_f->session.changed = true;
        MainWindow& window = start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvel for Brisk/Corda/Mallow Setting Application."));
        QVERIFY(window.isVisible());
        QVERIFY(!m_f->session.changed);
        QCOMPARE(m_f->session.image, shippedFactoryImage());
        QCOMPARE(grid().rowCount(), 8);
        QCOMPARE(grid().columnCount(), 16);
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("0"));
        QCOMPARE(grid().item(2, 3)->text(), QStringLiteral("4"));
        QCOMPARE(grid().item(2, 14)->text(), QStringLiteral("3F"));
        QCOMPARE(grid().item(7, 15)->text(), QStringLiteral("80"));
        QCOMPARE(grid().accessibleName(), QStringLiteral("Settings table"));
        QCOMPARE(grid().toolTip(), QStringLiteral("Double click to refresh"));
        QVERIFY(m_f->dialogs.messages.isEmpty());
        QVERIFY(window.close());
        QVERIFY(m_f->dialogs.messages.isEmpty());
    }

    void tableViewShowsHexWithoutLeadingZeros() {
        start();
        for (int c = 0; c < 16; ++c)
            QCOMPARE(grid().horizontalHeaderItem(c)->text(), QString::number(c, 16).toUpper());
        for (int r = 0; r < 8; ++r)
            QCOMPARE(grid().verticalHeaderItem(r)->text(), QString::number(r));
        m_f->session.setByte(0, 0x05);
        m_f->session.setByte(1, 0xAB);
        m_f->session.setByte(127, 0);
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("0")); // not yet refreshed
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {},
                           grid().visualItemRect(grid().item(3, 3)).center());
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("5"));
        QCOMPARE(grid().item(0, 1)->text(), QStringLiteral("AB"));
        QCOMPARE(grid().item(7, 15)->text(), QStringLiteral("0"));
        QCOMPARE(grid().horizontalHeaderItem(15)->text(), QStringLiteral("F"));
        QCOMPARE(grid().item(0, 0)->textAlignment(), int(Qt::AlignCenter));
    }

    void doubleClickOnEitherHeadingRefreshes_data() {
        QTest::addColumn<bool>("topHeading");
        QTest::newRow("heading row") << true;
        QTest::newRow("heading column") << false;
    }
    void doubleClickOnEitherHeadingRefreshes() {
        QFETCH(bool, topHeading);
        start();
        m_f->session.setByte(0, 0xAB);
        QHeaderView* heading = topHeading ? grid().horizontalHeader() : grid().verticalHeader();
        QTest::mouseDClick(heading->viewport(), Qt::LeftButton, {},
                           heading->viewport()->rect().center());
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("AB"));
    }

    // A misspelt icon name in the menu table would leave its item without a picture.
    void everyMenuItemHasItsCaptionIconAndShortcut() {
        MainWindow& window = m_f->start();
        VerticalMenu* menu = window.menuWindow()->menu();
        for (const MenuEntry& entry : kMenuEntries) {
            QToolButton* button = menu->itemButton(entry.group, entry.item);
            QVERIFY2(button, entry.caption);
            QCOMPARE(menu->itemCaption(entry.group, entry.item), QString::fromLatin1(entry.caption));
            // A group's pictures are made when it opens.
            menu->setOpenGroup(entry.group);
            QVERIFY2(!button->icon().isNull(), menuLook(entry.id).icon);
            if (menuLook(entry.id).shortcut == 0)
                continue;
            const QList<QAction*> actions = window.actions();
            QVERIFY2(std::any_of(actions.begin(), actions.end(),
                                 [&](QAction* a) { return a->shortcut() == QKeySequence(menuLook(entry.id).shortcut); }),
                     entry.caption);
        }
    }

    void pagesAreCreatedOnceAndActivatedWhenShown() {
        MainWindow& window = start();
        int created = 0;
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] {
            ++created;
            return new CountingPage(activations);
        });
        click(MenuId::Terminator);
        QCOMPARE(created, 1);
        QCOMPARE(activations, 1);
        QMdiSubWindow* page = window.existingPageWindow(MenuId::Terminator);
        QVERIFY(page && page->isVisible());
        QCOMPARE(window.area()->activeSubWindow(), page);
        click(MenuId::Terminator);
        QCOMPARE(created, 1);
        QCOMPARE(activations, 2);
        // The table view in front, then the page again: one more activation.
        click(MenuId::Default); // with no edits
        QCOMPARE(window.area()->activeSubWindow(), window.tableSubWindow());
        click(MenuId::Terminator);
        QCOMPARE(activations, 3);
        QCOMPARE(m_f->session.lastMenuItem, 3);
        // An item without a page does nothing; every item of the menu has one, so one beyond it.
        emit menu().menu()->itemClicked(2, 9);
        QCOMPARE(window.area()->activeSubWindow(), page);
        QCOMPARE(m_f->session.lastMenuItem, 9);
    }

    void resizeRefitsMenuAndWindows() {
        MainWindow& window = start();
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { return new CountingPage(activations); });
        click(MenuId::Terminator);
        window.resize(900, 600);
        QCoreApplication::processEvents();
        const QSize inner = window.innerSize();
        const QRect menuRect = window.menuSubWindow()->geometry();
        QCOMPARE(menuRect, QRect(0, 0, twips(2145), inner.height()));
        const QRect right(menuRect.width(), 0, inner.width() - menuRect.width(), inner.height());
        QCOMPARE(window.existingPageWindow(MenuId::Terminator)->geometry(), right);
        QCOMPARE(window.tableSubWindow()->geometry(), right);
        VerticalMenu* vm = menu().menu();
        QCOMPARE(vm->geometry(), QRect(twips(120), twips(100), menuRect.width() - twips(200),
                                       inner.height() - twips(200)));
        QCOMPARE(vm->openGroup(), 2);
        QCOMPARE(vm->selectedItem(), 3);
        QCOMPARE(activations, 1); // fitting keeps what the page shows
    }

    // A change of width alone re-fits as a change of height does.
    void widthOnlyResizeRefitsToo_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("wider") << 1000;
        QTest::newRow("narrower") << 700;
    }
    void widthOnlyResizeRefitsToo() {
        QFETCH(int, width);
        MainWindow& window = start();
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { return new CountingPage(activations); });
        click(MenuId::Terminator);
        window.resize(850, 600);
        QCoreApplication::processEvents();
        const int height = window.innerSize().height();
        window.resize(width, 600);
        QCoreApplication::processEvents();
        const QSize inner = window.innerSize();
        QCOMPARE(inner.height(), height);
        const int menuWidth = window.menuSubWindow()->width();
        const QRect right(menuWidth, 0, inner.width() - menuWidth, inner.height());
        QCOMPARE(window.existingPageWindow(MenuId::Terminator)->geometry(), right);
        QCOMPARE(window.tableSubWindow()->geometry(), right);
    }

    // Only the menu and the front window show: a covered page is hidden, keeping its state.
    void coveredWindowsAreHidden() {
        MainWindow& window = start();
        click(MenuId::Terminator);
        QMdiSubWindow* terminator = window.existingPageWindow(MenuId::Terminator);
        auto* option = terminator->findChild<QAbstractButton*>(QStringLiteral("Option1_4"));
        click(MenuId::GeneralParameter);
        QMdiSubWindow* parameter = window.existingPageWindow(MenuId::GeneralParameter);
        QVERIFY(parameter->isVisible());
        QVERIFY(window.menuSubWindow()->isVisible());
        QVERIFY(!terminator->isVisible());
        QVERIFY(!window.tableSubWindow()->isVisible());
        QVERIFY(QAccessible::queryAccessibleInterface(option)->state().invisible);
        QVERIFY(!option->isVisible()); // so no Tab reaches it
        click(MenuId::Terminator);
        QCOMPARE(window.existingPageWindow(MenuId::Terminator), terminator);
        QVERIFY(terminator->isVisible());
        QVERIFY(option->isVisible());
        QVERIFY(!parameter->isVisible());
        click(MenuId::Default); // the front step brings the table view
        QVERIFY(window.tableSubWindow()->isVisible());
        QVERIFY(!terminator->isVisible());
        QVERIFY(window.menuSubWindow()->isVisible());
    }

    void resizeCreatesTheSelectedPage() {
        MainWindow& window = start();
        int created = 0;
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { ++created; return new CountingPage(activations); });
        click(MenuId::Default); // then the Setting group opened with the Terminator selected
        m_f->session.lastMenuItem = menuEntry(MenuId::Terminator).item;
        menu().menu()->setOpenGroup(menuEntry(MenuId::Terminator).group);
        window.resize(800, 500);
        QCoreApplication::processEvents();
        QCOMPARE(created, 1);
        QVERIFY(window.existingPageWindow(MenuId::Terminator));
    }

    // The Tools group is fitted like the Setting group: its page is made and follows the window.
    void resizeFitsTheToolsPage() {
        MainWindow& window = start();
        m_f->session.lastMenuItem = menuEntry(MenuId::SwipeTest).item;
        menu().menu()->setOpenGroup(menuEntry(MenuId::SwipeTest).group);
        QVERIFY(!window.existingPageWindow(MenuId::SwipeTest));
        window.resize(950, 640);
        QCoreApplication::processEvents();
        QMdiSubWindow* page = window.existingPageWindow(MenuId::SwipeTest);
        QVERIFY(page);
        const QSize inner = window.innerSize();
        const int menuWidth = window.menuSubWindow()->width();
        QCOMPARE(page->geometry(), QRect(menuWidth, 0, inner.width() - menuWidth, inner.height()));
    }

    void menuCaptionsAndNames() {
        start();
        VerticalMenu* vm = menu().menu();
        const QList<QStringList> expected = {
            {QStringLiteral("File"), QStringLiteral("Default"), QStringLiteral("Open"),
             QStringLiteral("Save"), QStringLiteral("Exit")},
            {QStringLiteral("Setting"), QStringLiteral("InterCharacter Delay"),
             QStringLiteral("Keyboard Language"), QStringLiteral("Terminator"),
             QStringLiteral("Magnetic Card"), QStringLiteral("Preamble & Postamble"),
             QStringLiteral("General Parameter")},
            {QStringLiteral("Transmit"), QStringLiteral("Transmit")},
            {QStringLiteral("Tools"), QStringLiteral("Swipe Test"), QStringLiteral("Summary"),
             QStringLiteral("Compare"), QStringLiteral("About Quorvel")}};
        QCOMPARE(vm->groupCount(), 4);
        for (int g = 1; g <= 4; ++g) {
            const QStringList& captions = expected.at(g - 1);
            QCOMPARE(vm->groupCaption(g), captions.at(0));
            QCOMPARE(vm->itemCount(g), captions.size() - 1);
            vm->setOpenGroup(g);
            for (int i = 1; i < captions.size(); ++i) {
                QCOMPARE(vm->itemButton(g, i)->accessibleName(), captions.at(i));
                QVERIFY(!vm->itemButton(g, i)->icon().isNull());
            }
        }
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "test_shell_windows.moc"
