#include "shell/table_view.h"
#include "shell_fixture.h"
#include "ui/twips.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QScrollBar>
#include <QtTest>

using namespace quorvel;

namespace {

// The scrolling part of the open group.
QScrollArea* openItems(VerticalMenu* menu) {
    for (QScrollArea* area : menu->findChildren<QScrollArea*>())
        if (area->isVisible())
            return area;
    return nullptr;
}

} // namespace

// The main window at its designed size, and on a screen smaller than that.
class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    // Also run with QT_SCALE_FACTOR=2, where the designed size is more than the screen.
    void neverLargerThanTheScreen() {
        ShellFixture f;
        MainWindow& window = f.start();
        const QSize room = window.screen()->availableGeometry().size();
        QVERIFY(window.width() <= room.width());
        QVERIFY(window.height() <= room.height());
        auto* table = window.tableView();
        QTRY_VERIFY(table->isVisible());
        // The grid stays inside its window; it scrolls when it has to.
        QVERIFY(table->rect().contains(table->grid()->geometry()));
    }

    void everyGroupFitsAtTheDesignedSize() {
        ShellFixture f;
        MainWindow& window = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (window.screen()->availableGeometry().height() < twipsSize(10410, 6510).height())
            QSKIP("The screen is too small for the designed size");
        QCOMPARE(window.size(), twipsSize(10410, 6510));
        VerticalMenu* menu = window.menuWindow()->menu();
        for (int group = 1; group <= menu->groupCount(); ++group) {
            menu->setOpenGroup(group);
            QScrollArea* area = openItems(menu);
            QVERIFY(area);
            QCoreApplication::processEvents();
            QVERIFY2(area->verticalScrollBar()->maximum() == 0,
                     qPrintable(menu->groupCaption(group)));
            QToolButton* last = menu->itemButton(group, menu->itemCount(group));
            const QRect shown(last->mapTo(area->viewport(), QPoint()), last->size());
            QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(menu->groupCaption(group)));
        }
        // Shorter than designed, the open group scrolls again.
        window.resize(window.width(), window.height() * 2 / 3);
        menu->setOpenGroup(2);
        QTRY_VERIFY(openItems(menu)->verticalScrollBar()->maximum() > 0);
    }

    void shortcutsAreNamedInToolTips_data() {
        QTest::addColumn<MenuId>("item");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Open") << MenuId::Open << "Open (Ctrl+O)";
        QTest::newRow("Save") << MenuId::Save << "Save (Ctrl+S)";
        QTest::newRow("Exit") << MenuId::Exit << "Exit (Ctrl+Q)";
    }
    void shortcutsAreNamedInToolTips() {
        QFETCH(MenuId, item);
        QFETCH(QString, toolTip);
        ShellFixture f;
        f.start();
        QCOMPARE(f.menuButton(item)->toolTip(), toolTip);
    }
};

QTEST_MAIN(WindowFitTest)
#include "test_window_fit.moc"
