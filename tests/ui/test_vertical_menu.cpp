#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QAccessible>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace quorvel;

class VerticalMenuTest : public QObject {
    Q_OBJECT

    static void build(VerticalMenu& menu) {
        menu.setObjectName(QStringLiteral("VerticalMenu1"));
        const int a = menu.addGroup(QStringLiteral("File"));
        menu.addItem(a, QStringLiteral("Default"), {});
        menu.addItem(a, QStringLiteral("Open"), {});
        const int b = menu.addGroup(QStringLiteral("Setting"));
        menu.addItem(b, QStringLiteral("Preamble & Postamble"), {});
        menu.addItem(b, QStringLiteral("Terminator"), {});
    }

private slots:
    void clicksReportGroupAndItem() {
        VerticalMenu menu;
        build(menu);
        menu.show();
        QSignalSpy clicks(&menu, &VerticalMenu::itemClicked);
        QTest::mouseClick(menu.groupButton(2), Qt::LeftButton);
        QCOMPARE(menu.openGroup(), 2);
        QVERIFY(!menu.itemButton(1, 1)->isVisible());
        QVERIFY(menu.itemButton(2, 2)->isVisible());
        QTest::mouseClick(menu.itemButton(2, 2), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 2);
        QCOMPARE(clicks.at(0).at(1).toInt(), 2);
        QCOMPARE(menu.selectedItem(), 2);
        QVERIFY(menu.itemButton(2, 2)->isChecked());
    }

    // A menu shorter than its open group scrolls the items instead of squeezing
    // them over each other, and brings the selected one into view.
    void shortMenuScrollsToTheSelectedItem() {
        VerticalMenu menu;
        const int g = menu.addGroup(QStringLiteral("Setting"));
        for (int i = 1; i <= 8; ++i)
            menu.addItem(g, QStringLiteral("Item %1").arg(i), {});
        menu.resize(126, 160);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QToolButton* last = menu.itemButton(g, 8);
        QCOMPARE(last->height(), last->sizeHint().height());
        QVERIFY(menu.itemButton(g, 1)->geometry().bottom() < menu.itemButton(g, 2)->geometry().top());
        menu.setSelectedItem(8);
        const QPoint corner = last->mapTo(&menu, QPoint(0, last->height() - 1));
        QVERIFY(menu.rect().contains(corner));
    }

    // A screen reader presses a command; toggling a check box would run nothing.
    void accessibleActionsDoWhatAClickDoes() {
        VerticalMenu menu;
        build(menu);
        menu.show();
        QSignalSpy clicks(&menu, &VerticalMenu::itemClicked);
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(menu.groupButton(2));
        QCOMPARE(group->role(), QAccessible::Button);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Setting"));
        QCOMPARE(group->actionInterface()->actionNames().first(), QAccessibleActionInterface::pressAction());
        QVERIFY(!group->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        group->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(menu.openGroup(), 2);

        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu.itemButton(2, 1));
        QCOMPARE(item->role(), QAccessible::Button);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Preamble & Postamble"));
        QVERIFY(!item->state().checkable);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0), (QList<QVariant>{2, 1}));
        QCOMPARE(menu.selectedItem(), 1);
    }

    // A closed group's pictures are made when it first opens, however it is opened;
    // until then a stand-in keeps the items' size, so the menu fits the same.
    void picturesAreMadeWhenTheirGroupFirstOpens_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("by the program") << QStringLiteral("program");
        QTest::newRow("by the mouse") << QStringLiteral("mouse");
        QTest::newRow("by the keyboard") << QStringLiteral("keyboard");
        QTest::newRow("by an accessible action") << QStringLiteral("accessible");
    }
    void picturesAreMadeWhenTheirGroupFirstOpens() {
        QFETCH(QString, how);
        QPixmap red(32, 32);
        red.fill(Qt::red);
        const QIcon picture(red);
        int fileMade = 0;
        int settingMade = 0;
        VerticalMenu menu;
        const int file = menu.addGroup(QStringLiteral("File"));
        menu.addItem(file, QStringLiteral("Open"), [&] {
            ++fileMade;
            return picture;
        });
        const int setting = menu.addGroup(QStringLiteral("Setting"));
        menu.addItem(setting, QStringLiteral("Terminator"), [&] {
            ++settingMade;
            return picture;
        });
        menu.addItem(setting, QStringLiteral("No picture"), {});
        menu.resize(126, 300);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(fileMade, 1);
        QCOMPARE(menu.itemButton(file, 1)->icon().cacheKey(), picture.cacheKey());
        QCOMPARE(settingMade, 0);

        QToolButton* closed = menu.itemButton(setting, 1);
        QVERIFY(!closed->icon().isNull());
        const QSize closedSize = closed->sizeHint();
        // An item of a closed group still runs when a screen reader presses it.
        QSignalSpy clicks(&menu, &VerticalMenu::itemClicked);
        QAccessible::queryAccessibleInterface(closed)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0), (QList<QVariant>{setting, 1}));
        QCOMPARE(menu.openGroup(), file);

        QPushButton* header = menu.groupButton(setting);
        if (how == QLatin1String("program")) {
            menu.setOpenGroup(setting);
        } else if (how == QLatin1String("mouse")) {
            QTest::mouseClick(header, Qt::LeftButton);
        } else if (how == QLatin1String("keyboard")) {
            header->setFocus();
            QTest::keyClick(header, Qt::Key_Space);
        } else {
            QAccessible::queryAccessibleInterface(header)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        }
        QTRY_COMPARE(menu.openGroup(), setting);
        QCOMPARE(settingMade, 1);
        QCOMPARE(closed->icon().cacheKey(), picture.cacheKey());
        QCOMPARE(closed->sizeHint(), closedSize);
        QVERIFY(menu.itemButton(setting, 2)->icon().isNull());

        // Made once: opening again reuses them.
        menu.setOpenGroup(file);
        menu.setOpenGroup(setting);
        QCOMPARE(fileMade, 1);
        QCOMPARE(settingMade, 1);
    }

    void openGroupAndSelectionAreSettable() {
        VerticalMenu menu;
        build(menu);
        QCOMPARE(menu.openGroup(), 1);
        menu.setOpenGroup(2);
        menu.setSelectedItem(1);
        QCOMPARE(menu.openGroup(), 2);
        QCOMPARE(menu.selectedItem(), 1);
        QVERIFY(menu.itemButton(2, 1)->isChecked());
        QVERIFY(!menu.itemButton(1, 1)->isChecked());
        menu.setOpenGroup(9); // no such group: ignored
        QCOMPARE(menu.openGroup(), 2);
        QCOMPARE(menu.itemButton(2, 3), nullptr);
    }

    void captionsAreNamesAndAmpersandsShowPlain() {
        VerticalMenu menu;
        build(menu);
        QToolButton* item = menu.itemButton(2, 1);
        QCOMPARE(item->accessibleName(), QStringLiteral("Preamble & Postamble"));
        QCOMPARE(item->text(), QStringLiteral("Preamble && Postamble"));
        QCOMPARE(item->objectName(), QStringLiteral("VerticalMenu1_item_2_1"));
        QCOMPARE(menu.groupButton(1)->accessibleName(), QStringLiteral("File"));
        QCOMPARE(menu.itemCaption(1, 2), QStringLiteral("Open"));
    }

    void longCaptionsBreakInsteadOfEliding() {
        VerticalMenu menu;
        build(menu);
        menu.resize(70, 400);
        menu.show();
        QToolButton* item = menu.itemButton(2, 1);
        QCOMPARE(item->text(), QStringLiteral("Preamble &&\nPostamble"));
        QCOMPARE(item->accessibleName(), QStringLiteral("Preamble & Postamble"));
        menu.resize(400, 400);
        QCOMPARE(item->text(), QStringLiteral("Preamble && Postamble"));
        QCOMPARE(menu.itemButton(1, 2)->text(), QStringLiteral("Open"));
    }

    void twipsConvertAt15PerPixel() {
        QCOMPARE(twips(1440), 96);
        QCOMPARE(twips(2145), 143);
        QCOMPARE(twips(15), 1);
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twipsRect(120, 180, 1890, 2685), QRect(8, 12, 126, 179));
    }
};

QTEST_MAIN(VerticalMenuTest)
#include "test_vertical_menu.moc"
