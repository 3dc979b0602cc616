// The Magnetic Card page: its controls, the choices shown and stored, and the way from the menu.
#include "magnetic_page_driver.h"
#include "shell_fixture.h"

#include "core/files/settings_file.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "ui/vertical_menu.h"

#include <QAccessible>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolButton>

using namespace quorvel;

class MagneticPageTest : public QObject, private MagneticPageDriver {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void controlsAsBuilt() {
        QTabWidget* tabs = f->page->tabs();
        QCOMPARE(tabs->objectName(), QStringLiteral("SSTab1"));
        const QStringList tabTexts{"Track Order", "Track Selection", "ID Character", "Data Format"};
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->tabText(i), tabTexts.at(i));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Magnetic Card :"));
        QCOMPARE(f->child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("Accept"));
        for (int i = 2; i <= 5; ++i) {
            QPushButton* factory = f->child<QPushButton>(QStringLiteral("Command%1").arg(i));
            QCOMPARE(factory->text(), QStringLiteral("Default"));
            QVERIFY(tabs->widget(i - 2)->isAncestorOf(factory));
        }

        const QStringList orders{" 1-2-3", " 1-3-2", " 2-1-3", " 2-3-1", " 3-2-1", " 3-1-2"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f->option(QStringLiteral("Option1"), i)->text(), orders.at(i));
        QCOMPARE(f->option(QStringLiteral("Option2"), 0)->text(), QStringLiteral("ISO"));
        QCOMPARE(f->option(QStringLiteral("Option2"), 1)->text(), QStringLiteral("JIS-II"));
        const QStringList selections{"TK1/TK2/TK3 any", "TK1 only",       "TK2 only",
                                     "TK3 only",        "TK1 & TK2 only", "TK2 & TK3 only",
                                     "TK1/TK2/TK3 only"};
        for (int i = 0; i < 7; ++i) {
            QRadioButton* button = f->option(QStringLiteral("Option3"), i);
            QCOMPARE(button->accessibleName(), selections.at(i));
            QCOMPARE(button->text(),
                     QString(selections.at(i)).replace(QStringLiteral("&"), QStringLiteral("&&")));
        }
        QCOMPARE(check(1)->text(), QStringLiteral("Track 2 Account No. Only."));
        QCOMPARE(check(2)->text(), QStringLiteral("IBM Format."));
        QCOMPARE(check(3)->text(), QStringLiteral("Transmit LRC"));

        QCOMPARE(order(), 0);
        QCOMPARE(standard(), 0);
        QCOMPARE(selection(), 0);

        for (int i = 0; i < 8; ++i) {
            QCOMPARE(f->child<QLabel>(QString::fromLatin1(kLabels[i]))->text(),
                     QString::fromLatin1(kIds[i].label));
            auto* code = f->child<QLineEdit>(QString::fromLatin1(kIds[i].box));
            QVERIFY(!code->isEnabled());
            QCOMPARE(code->accessibleName(),
                     QString::fromLatin1(kIds[i].name) + QStringLiteral(" code"));
            QCOMPARE(nameButton(i)->toolTip(), QStringLiteral("Click mouse right button to clear"));
            QVERIFY(tabs->widget(2)->isAncestorOf(nameButton(i)));
        }
    }

    void trackOrderShownAndStored_data() {
        QTest::addColumn<int>("earlier"); // byte 32 shown before, -1 for a fresh page
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("lrc");
        QTest::addColumn<int>("stored");
        for (int code = 0; code <= 5; ++code)
            QTest::addRow("code %d", code) << -1 << code << code << false << code;
        QTest::newRow("0x83 with LRC") << -1 << 0x83 << 3 << true << 0x83;
        QTest::newRow("0x0B clears bit 3") << -1 << 0x0B << 3 << false << 0x03;
        QTest::newRow("0xFD clears bits 3-6") << -1 << 0xFD << 5 << true << 0x85;
        QTest::newRow("6 on a fresh page") << -1 << 0x06 << 0 << false << 0x00;
        QTest::newRow("7 after 3-2-1") << 0x04 << 0x87 << 4 << true << 0x84;
        QTest::newRow("0x8E after 1-3-2") << 0x01 << 0x8E << 1 << true << 0x81;
    }
    void trackOrderShownAndStored() {
        QFETCH(int, earlier);
        QFETCH(int, byte);
        QFETCH(int, button);
        QFETCH(bool, lrc);
        QFETCH(int, stored);
        f->session.image = shippedFactoryImage();
        if (earlier >= 0)
            show(kOrderByte, earlier);
        show(kOrderByte, byte);
        QCOMPARE(order(), button);
        QCOMPARE(check(3)->isChecked(), lrc);
        QCOMPARE(f->session.byte(kOrderByte), byte); // showing writes nothing
        f->accept();
        QCOMPARE(f->session.byte(kOrderByte), stored);
        QCOMPARE(f->dialogs.messages, QList<Message>{okMessage("Magnetic Card Setting O.K.")});
        QVERIFY(f->session.changed);
    }

    void trackSelectionShownAndStored_data() {
        QTest::addColumn<int>("earlier");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("stored");
        const int values[] = {0x3F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("0x%02X", values[i]) << -1 << values[i] << i << values[i];
        QTest::newRow("0x05 on a fresh page") << -1 << 0x05 << 0 << 0x3F;
        QTest::newRow("0x05 after TK2 only") << 0x02 << 0x05 << 2 << 0x02;
        QTest::newRow("0x00 after TK3 only") << 0x04 << 0x00 << 3 << 0x04;
        QTest::newRow("0x40 after TK1/TK2/TK3 only") << 0x20 << 0x40 << 6 << 0x20;
    }
    void trackSelectionShownAndStored() {
        QFETCH(int, earlier);
        QFETCH(int, byte);
        QFETCH(int, button);
        QFETCH(int, stored);
        if (earlier >= 0)
            show(kSelectionByte, earlier);
        show(kSelectionByte, byte);
        QCOMPARE(selection(), button);
        QCOMPARE(f->session.byte(kSelectionByte), byte);
        f->accept();
        QCOMPARE(f->session.byte(kSelectionByte), stored);
    }

    void optionClickAppliesAtOnce_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("order");     // byte 32 after the click
        QTest::addColumn<int>("selection"); // byte 63 after the click
        // Before: byte 32 = 0x80 (1-2-3 with LRC), byte 63 = 0x01 (TK1 only).
        QTest::addColumn<QString>("action"); // empty: a mouse click; else a screen reader's action
        QTest::newRow("3-1-2") << "Option1_5" << 0x85 << 0x01 << "";
        QTest::newRow("2-1-3") << "Option1_2" << 0x82 << 0x01 << "";
        QTest::newRow("1-2-3 again") << "Option1_0" << 0x80 << 0x01 << "";
        QTest::newRow("TK1 & TK2 only") << "Option3_4" << 0x80 << 0x08 << "";
        QTest::newRow("TK1/TK2/TK3 only") << "Option3_6" << 0x80 << 0x20 << "";
        QTest::newRow("TK1/TK2/TK3 any") << "Option3_0" << 0x80 << 0x3F << "";
        QTest::newRow("TK2 & TK3 only") << "Option3_5" << 0x80 << 0x10 << "";
        QTest::newRow("JIS-II") << "Option2_1" << 0x80 << 0x01 << "";
        QTest::newRow("ISO") << "Option2_0" << 0x80 << 0x01 << "";
        const QString toggle = QAccessibleActionInterface::toggleAction();
        const QString press = QAccessibleActionInterface::pressAction();
        QTest::newRow("3-1-2 by Toggle") << "Option1_5" << 0x85 << 0x01 << toggle;
        QTest::newRow("TK1 & TK2 only by Press") << "Option3_4" << 0x80 << 0x08 << press;
        QTest::newRow("1-2-3 again by Toggle") << "Option1_0" << 0x80 << 0x01 << toggle;
    }
    void optionClickAppliesAtOnce() {
        QFETCH(QString, option);
        QFETCH(int, order);
        QFETCH(int, selection);
        QFETCH(QString, action);
        f->session.image = shippedFactoryImage();
        f->session.setByte(kOrderByte, 0x80);
        f->session.setByte(kSelectionByte, 0x01);
        f->page->activate();
        // Pending control states that any apply step stores with the option.
        press(5, Qt::RightButton);
        check(1)->setChecked(true);
        SettingsImage expected = f->session.image;
        expected[kOrderByte] = static_cast<std::uint8_t>(order);
        expected[kSelectionByte] = static_cast<std::uint8_t>(selection);
        expected[61] = 0;
        expected[kFormatByte] |= 0x80;
        f->session.setByte(61, 0x2A);

        if (action.isEmpty()) {
            click(option);
        } else {
            toTab(option);
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(f->child<QRadioButton>(option));
            QCOMPARE(button->role(), QAccessible::RadioButton);
            QVERIFY(button->actionInterface()->actionNames().contains(action));
            button->actionInterface()->doAction(action);
            QTRY_COMPARE(f->session.image, expected); // Qt's press lands a moment later
            QVERIFY(f->child<QRadioButton>(option)->isChecked());
        }
        QCOMPARE(f->session.image, expected);
        QVERIFY(!f->session.changed);
        QVERIFY(f->dialogs.messages.isEmpty());
    }

    void optionClickLeavesASetFlagSet() {
        f->session.changed = true;
        f->page->activate();
        click(QStringLiteral("Option1_1"));
        QVERIFY(f->session.changed);
        QCOMPARE(f->session.byte(kOrderByte), 0x01);
    }

    void dataFormatShownAndStored_data() {
        QTest::addColumn<int>("format"); // byte 4
        QTest::addColumn<int>("order");  // byte 32
        QTest::addColumn<bool>("account");
        QTest::addColumn<bool>("ibm");
        QTest::addColumn<bool>("lrc");
        QTest::addColumn<int>("storedFormat"); // after all three boxes are clicked
        QTest::addColumn<int>("storedOrder");
        QTest::newRow("none") << 0x3F << 0x02 << false << false << false << 0xFF << 0x82;
        QTest::newRow("account") << 0x80 << 0x00 << true << false << false << 0x40 << 0x80;
        QTest::newRow("IBM") << 0x41 << 0x00 << false << true << false << 0x81 << 0x80;
        QTest::newRow("LRC") << 0x00 << 0x85 << false << false << true << 0xC0 << 0x05;
        QTest::newRow("all") << 0xFF << 0xFF << true << true << true << 0x3F << 0x00;
    }
    void dataFormatShownAndStored() {
        QFETCH(int, format);
        QFETCH(int, order);
        QFETCH(bool, account);
        QFETCH(bool, ibm);
        QFETCH(bool, lrc);
        QFETCH(int, storedFormat);
        QFETCH(int, storedOrder);
        f->session.setByte(kFormatByte, format);
        f->session.setByte(kOrderByte, order);
        f->page->activate();
        QCOMPARE(check(1)->isChecked(), account);
        QCOMPARE(check(2)->isChecked(), ibm);
        QCOMPARE(check(3)->isChecked(), lrc);

        // Ticking a box writes nothing until Accept, which stores all three bits.
        click(QStringLiteral("Check1"));
        click(QStringLiteral("Check2"));
        click(QStringLiteral("Check3"));
        QCOMPARE(f->session.byte(kFormatByte), format);
        QCOMPARE(f->session.byte(kOrderByte), order);
        QVERIFY(f->dialogs.messages.isEmpty());
        f->accept();
        QCOMPARE(f->session.byte(kFormatByte), storedFormat);
        QCOMPARE(f->session.byte(kOrderByte), storedOrder);
    }

    void pickingTheTrack2StartSentinel() {
        f->session.image = shippedFactoryImage();
        f->page->activate();
        f->dialogs.pick(QStringLiteral("Esc"), QStringLiteral("1B"));
        press(1, Qt::LeftButton);
        QCOMPARE(f->dialogs.pickerOpenings, 1);
        QCOMPARE(nameButton(1)->text(), QStringLiteral("Esc"));
        QCOMPARE(nameButton(1)->accessibleName(), QStringLiteral("Track 2 Start Sentinel: Esc"));
        QCOMPARE(box(1), QStringLiteral("&H1B"));
        QCOMPARE(f->session.image, shippedFactoryImage()); // stored by the next apply step only
        f->accept();
        QCOMPARE(f->session.byte(54), 0x1B);
        f->page->activate();
        QCOMPARE(box(1), QStringLiteral("&H1B"));
        QCOMPARE(nameButton(1)->text(), QStringLiteral("Esc"));
    }

    void openingChangesNothing_data() {
        QTest::addColumn<bool>("factory");
        QTest::addColumn<bool>("changed");
        QTest::newRow("fresh factory image") << true << false;
        QTest::newRow("pattern, flag set") << false << true;
    }
    void openingChangesNothing() {
        QFETCH(bool, factory);
        QFETCH(bool, changed);
        const SettingsImage image = factory ? shippedFactoryImage() : patternImage(9);
        f->session.image = image;
        f->session.changed = changed;
        f->page->activate();
        f->page->tabs()->setCurrentIndex(2);
        f->page->activate();
        QCOMPARE(f->session.image, image);
        QCOMPARE(f->session.changed, changed);
        QVERIFY(f->dialogs.messages.isEmpty());
        QCOMPARE(f->page->tabs()->currentIndex(), 2); // activation keeps the tab
    }

    void jisChoiceIsNotStoredAndNotRead() {
        f->session.image = shippedFactoryImage();
        f->page->activate();
        click(QStringLiteral("Option2_1"));
        QCOMPARE(f->session.image, shippedFactoryImage());
        f->session.image = patternImage(4);
        f->page->activate();
        QCOMPARE(standard(), 1);
    }

    void reachedFromTheMenu() {
        ShellFixture shell;
        Session& session = shell.session;
        MainWindow* window = &shell.start();
        const SettingsImage image = session.image;
        shell.clickMenu(MenuId::MagneticCard);
        QWidget* page = window->area()->activeSubWindow()->widget();
        QCOMPARE(page->objectName(), QStringLiteral("frmMagnetic"));
        QCOMPARE(session.image, image);
        QVERIFY(!session.changed);
        // Everything fits in the size the window gives the page.
        QWidget* body = page->findChild<QWidget*>(QStringLiteral("body"));
        const QSize needed = body->layout()->minimumSize();
        QVERIFY2(needed.width() <= body->width() && needed.height() <= body->height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(body->width())
                                .arg(body->height())));
        const QRect area = page->rect();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->parentWidget() == nullptr)
                continue;
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            QVERIFY2(area.contains(r), qPrintable(w->objectName()));
        }
        shell.window.reset();
        QCOMPARE(shell.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(MagneticPageTest)
#include "test_magnetic_page.moc"
