// The keyboard picker opened as a modal window: closed with and without a choice, the
// ASCII table reached from it, the latches across openings.
#include "keyboard_picker_keys.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::picker_tests;

class KeyboardPickerModalTest : public QObject {
    Q_OBJECT

private slots:
    void asciiTableButtonFollowsAltMode_data() {
        QTest::addColumn<int>("byte52");
        QTest::addColumn<bool>("shown");
        QTest::newRow("clear") << 0x00 << false;
        QTest::newRow("ALT mode") << 0x40 << true;
        QTest::newRow("all but ALT mode") << 0xBF << false;
        QTest::newRow("all") << 0xFF << true;
        QTest::newRow("function key emulation only") << 0x20 << false;
    }

    void asciiTableButtonFollowsAltMode() {
        QFETCH(int, byte52);
        QFETCH(bool, shown);
        Session session;
        session.setByte(52, byte52);
        KeyboardPicker picker(session);
        QCOMPARE(picker.asciiTableButton()->isVisibleTo(&picker), shown);
    }

    void closingWithoutAChoice_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << QList<int>{} << true;
        QTest::newRow("Shift, Escape") << QList<int>{kLeftShift} << true;
        QTest::newRow("Shift, close box") << QList<int>{kLeftShift} << false;
        QTest::newRow("Caps Lock, close box") << QList<int>{kCapsLock} << false;
        QTest::newRow("Ctrl, Alt, close box") << QList<int>{66, 67} << false;
    }

    // A latch key followed by the close box is no choice: the page must change nothing.
    void closingWithoutAChoice() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, escape);
        Session session;
        KeyboardPicker picker(session);
        picker.show();
        for (const int index : clicks)
            click(picker.key(index));
        if (escape)
            QTest::keyClick(picker.key(0), Qt::Key_Escape);
        else
            picker.close();
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QCOMPARE(session.pickedName, QString());
        QCOMPARE(session.pickedCode, QString());
    }

    // Caps Lock outlives the window, Shift does not.
    void latchesAcrossOpenings() {
        Session session;
        whenModal("sfrmKB", [](QWidget* kb) {
            click(keyOf(kb, kCapsLock));
            click(keyOf(kb, kLeftShift));
            click(keyOf(kb, 59)); // B
        });
        runKeyboardPicker(session, nullptr);
        QCOMPARE(session.pickedCode, QStringLiteral("62"));
        QCOMPARE(session.pickedName, QStringLiteral("b"));

        bool lampLit = false;
        whenModal("sfrmKB", [&](QWidget* kb) {
            lampLit = kb->findChild<QFrame*>(QStringLiteral("Shape1_1"))->isVisible();
            click(keyOf(kb, 57)); // C
        });
        runKeyboardPicker(session, nullptr);
        QVERIFY(lampLit);
        QVERIFY(session.capsLockLatch);
        QVERIFY(!session.shiftLatch);
        QCOMPARE(session.pickedCode, QStringLiteral("43"));
        QCOMPARE(session.pickedName, QStringLiteral("C"));
    }

    void pickThroughTheAsciiTable_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("NUL") << 1 << 1 << "NUL"
                             << "0";
        QTest::newRow("A") << 2 << 5 << "A"
                           << "41";
        QTest::newRow("DEL") << 16 << 8 << "DEL"
                             << "7F";
    }

    void pickThroughTheAsciiTable() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, name);
        QFETCH(QString, code);
        Session session;
        session.setByte(52, 0x40);
        whenModal("sfrmKB", [=](QWidget* kb) {
            whenModal("sfrmASC", [=](QWidget* table) {
                QTableWidget* grid = static_cast<AsciiTablePicker*>(table)->grid();
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(grid->model()->index(row, column)).center());
            });
            click(kb->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        runKeyboardPicker(session, nullptr);
        QCOMPARE(session.pickedName, name);
        QCOMPARE(session.pickedCode, code);
        QCOMPARE(QApplication::topLevelWidgets().count(), 0);
    }

    // Leaving the ASCII table without a choice returns to the keyboard, which stays open.
    void asciiTableClosedWithoutAChoice() {
        Session session;
        session.setByte(52, 0x40);
        bool keyboardOpenAfterwards = false;
        whenModal("sfrmKB", [&](QWidget* kb) {
            whenModal("sfrmASC", [](QWidget* table) { QTest::keyClick(table, Qt::Key_Escape); });
            click(kb->findChild<QPushButton*>(QStringLiteral("Command1")));
            keyboardOpenAfterwards = kb->isVisible();
            click(keyOf(kb, 53)); // Enter
        });
        runKeyboardPicker(session, nullptr);
        QVERIFY(keyboardOpenAfterwards);
        QCOMPARE(session.pickedName, QStringLiteral("Enter"));
        QCOMPARE(session.pickedCode, QStringLiteral("D"));
    }

    void theDialogSeamOpensTheKeyboard() {
        Session session;
        ShellDialogs dialogs;
        whenModal("sfrmKB", [](QWidget* kb) { click(keyOf(kb, 10)); });
        dialogs.pickCharacter(session);
        QCOMPARE(session.pickedName, QStringLiteral("F 10"));
        QCOMPARE(session.pickedCode, QStringLiteral("A"));
    }
};

QTEST_MAIN(KeyboardPickerModalTest)
#include "test_keyboard_picker_modal.moc"
