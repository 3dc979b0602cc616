// The keyboard picker: its keys, their captions and names, and the latches as they look.
#include "keyboard_picker_keys.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::picker_tests;

class KeyboardPickerTest : public QObject {
    Q_OBJECT

private slots:
    void everyKeyUnderTheLatches_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("caps");
        for (int index = 0; index < kKeyCount; ++index)
            for (const bool shift : {false, true})
                for (const bool caps : {false, true})
                    QTest::addRow("CKey_%d%s%s", index, shift ? " Shift" : "",
                                  caps ? " CapsLock" : "")
                        << index << shift << caps;
    }

    void everyKeyUnderTheLatches() {
        QFETCH(int, index);
        QFETCH(bool, shift);
        QFETCH(bool, caps);
        Session session;
        session.capsLockLatch = caps;
        KeyboardPicker picker(session);
        picker.show();
        if (shift)
            click(picker.key(index == kLeftShift ? kRightShift : kLeftShift));
        click(picker.key(index));

        const std::optional<Pick> expected = expectedPick(index, shift, caps);
        if (expected) {
            QCOMPARE(session.pickedCode, expected->code);
            QCOMPARE(session.pickedName, expected->name);
            QVERIFY(!picker.isVisible());
            QCOMPARE(picker.result(), int(QDialog::Accepted));
            QCOMPARE(session.shiftLatch, shift);
        } else {
            // No choice: nothing picked, the picker stays open.
            QCOMPARE(session.pickedCode, QString());
            QCOMPARE(session.pickedName, QString());
            QVERIFY(picker.isVisible());
            const bool isShift = index == kLeftShift || index == kRightShift;
            QCOMPARE(session.shiftLatch, shift != isShift);
        }
        QCOMPARE(session.capsLockLatch, caps != (index == kCapsLock));
    }

    void keysSitAsOnAPcKeyboard() {
        Session session;
        KeyboardPicker picker(session);
        int keys = 0;
        int previousBottom = -1;
        for (const std::vector<int>& row : kRowsOfKeys) {
            const QRect first = picker.key(row.front())->geometry();
            QVERIFY2(first.top() > previousBottom, qPrintable(QString::number(row.front())));
            int previousRight = -1;
            for (const int index : row) {
                const QRect r = picker.key(index)->geometry();
                QVERIFY2(r.top() == first.top() && r.height() == first.height(),
                         qPrintable(QString::number(index)));
                QVERIFY2(r.left() > previousRight, qPrintable(QString::number(index)));
                previousRight = r.right();
                ++keys;
            }
            previousBottom = first.bottom();
        }
        QCOMPARE(keys, kKeyCount);
        // The main block's rows end flush, the editing block stands apart to its right.
        const int mainRight = picker.key(26)->geometry().right();
        for (const int index : {12, 40, 53, kRightShift, 70})
            QCOMPARE(picker.key(index)->geometry().right(), mainRight);
        QVERIFY(picker.key(71)->geometry().left() > mainRight + picker.key(0)->width() / 4);
        QCOMPARE(picker.key(77)->geometry().left(), picker.key(79)->geometry().left());
        QCOMPARE(picker.key(74)->geometry().left(), picker.key(78)->geometry().left());
        const int letter = picker.key(28)->width();
        QVERIFY(picker.key(68)->width() > 6 * letter);
        QVERIFY(picker.key(26)->width() > picker.key(25)->width());
        QVERIFY(picker.key(kRightShift)->width() > picker.key(kLeftShift)->width());
        QVERIFY(picker.rect().contains(picker.key(80)->geometry()));
        QVERIFY(picker.rect().contains(picker.asciiTableButton()->geometry()));
    }

    void captionsAndNames_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("picture");
        QTest::newRow("Esc") << 0 << "Esc"
                             << "Esc" << false;
        QTest::newRow("F1") << 1 << "F1"
                            << "F1" << false;
        QTest::newRow("F12") << 12 << "F12"
                             << "F12" << false;
        QTest::newRow("1") << 14 << "!\n1"
                           << "! 1" << false;
        QTest::newRow("7 doubles the ampersand") << 20 << "&&\n7"
                                                 << "& 7" << false;
        QTest::newRow("Backspace") << 26 << "<-----"
                                   << "<-----" << false;
        QTest::newRow("Tab") << 27 << "|<----\n---->|"
                             << "|<---- ---->|" << false;
        QTest::newRow("Q") << 28 << "Q"
                           << "Q" << false;
        QTest::newRow("backslash") << 40 << "|\n\\"
                                   << "| \\" << false;
        QTest::newRow("Caps Lock") << 41 << "Caps Lock"
                                   << "Caps Lock" << false;
        QTest::newRow("quote") << 52 << "\"\n'"
                               << "\" '" << false;
        QTest::newRow("Shift") << 65 << "Shift"
                               << "Shift" << false;
        QTest::newRow("Ctrl") << 66 << "Ctrl"
                              << "Ctrl" << false;
        QTest::newRow("Alt") << 69 << "Alt"
                             << "Alt" << false;
        QTest::newRow("Pg Up") << 73 << "Pg Up"
                               << "Pg Up" << false;
        QTest::newRow("Pg Dn") << 76 << "Pg Dn"
                               << "Pg Dn" << false;
        QTest::newRow("space bar") << 68 << ""
                                   << "Space" << true;
        QTest::newRow("Up") << 77 << ""
                            << "Up" << true;
        QTest::newRow("Left") << 78 << ""
                              << "Left" << true;
        QTest::newRow("Down") << 79 << ""
                              << "Down" << true;
        QTest::newRow("Right") << 80 << ""
                               << "Right" << true;
    }

    void captionsAndNames() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, accessibleName);
        QFETCH(bool, picture);
        Session session;
        KeyboardPicker picker(session);
        QPushButton* key = keyOf(&picker, index);
        QVERIFY(key);
        QCOMPARE(key->text(), text);
        QCOMPARE(key->accessibleName(), accessibleName);
        QCOMPARE(!key->icon().isNull(), picture);
    }

    void windowAndControls() {
        Session session;
        KeyboardPicker picker(session);
        QCOMPARE(picker.objectName(), QStringLiteral("sfrmKB"));
        QCOMPARE(picker.windowTitle(), QStringLiteral("Keyboard Interface"));
        QVERIFY(picker.isModal());
        QCOMPARE(picker.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Caps"));
        QCOMPARE(picker.asciiTableButton()->objectName(), QStringLiteral("Command1"));
        QCOMPARE(picker.asciiTableButton()->text(), QStringLiteral("ASCII Table"));
        QCOMPARE(picker.findChildren<QPushButton*>(QRegularExpression("^CKey_\\d+$")).size(),
                 kKeyCount);
    }

    void activationClearsThePickAndShift() {
        Session session;
        session.pickedName = QStringLiteral("A");
        session.pickedCode = QStringLiteral("41");
        session.shiftLatch = true;
        session.capsLockLatch = true;
        KeyboardPicker picker(session);
        QCOMPARE(session.pickedName, QString());
        QCOMPARE(session.pickedCode, QString());
        QVERIFY(!session.shiftLatch);
        QVERIFY(session.capsLockLatch);
        QCOMPARE(colourOf(picker.key(kLeftShift)), buttonFace());
        QCOMPARE(colourOf(picker.key(kRightShift)), buttonFace());
    }

    void capsLockLamp_data() {
        QTest::addColumn<bool>("capsAtOpening");
        QTest::addColumn<int>("capsClicks");
        QTest::newRow("off") << false << 0;
        QTest::newRow("on") << true << 0;
        QTest::newRow("off, clicked") << false << 1;
        QTest::newRow("on, clicked") << true << 1;
        QTest::newRow("off, clicked twice") << false << 2;
    }

    void capsLockLamp() {
        QFETCH(bool, capsAtOpening);
        QFETCH(int, capsClicks);
        Session session;
        session.capsLockLatch = capsAtOpening;
        KeyboardPicker picker(session);
        for (int i = 0; i < capsClicks; ++i)
            click(picker.key(kCapsLock));
        const bool on = capsAtOpening != (capsClicks % 2 == 1);
        QCOMPARE(session.capsLockLatch, on);
        auto* dark = picker.findChild<QFrame*>(QStringLiteral("Shape1_0"));
        auto* light = picker.findChild<QFrame*>(QStringLiteral("Shape1_1"));
        QVERIFY(dark && light);
        QCOMPARE(dark->geometry(), light->geometry());
        QCOMPARE(lampColour(dark), QColor(0, 64, 0));
        QCOMPARE(lampColour(light), QColor(192, 255, 192));
        QCOMPARE(dark->isVisibleTo(&picker), !on);
        QCOMPARE(light->isVisibleTo(&picker), on);
    }

    void shiftColours_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("latch");
        QTest::addColumn<bool>("leftEngaged");
        QTest::addColumn<bool>("rightEngaged");
        QTest::newRow("left") << QList<int>{kLeftShift} << true << true << false;
        QTest::newRow("right") << QList<int>{kRightShift} << true << false << true;
        QTest::newRow("left, right")
            << QList<int>{kLeftShift, kRightShift} << false << false << false;
        QTest::newRow("right, left")
            << QList<int>{kRightShift, kLeftShift} << false << false << false;
        QTest::newRow("left twice")
            << QList<int>{kLeftShift, kLeftShift} << false << false << false;
        QTest::newRow("left, right, right")
            << QList<int>{kLeftShift, kRightShift, kRightShift} << true << false << true;
    }

    void shiftColours() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, latch);
        QFETCH(bool, leftEngaged);
        QFETCH(bool, rightEngaged);
        Session session;
        KeyboardPicker picker(session);
        for (const int index : clicks)
            click(picker.key(index));
        const QColor engaged(255, 224, 192);
        QCOMPARE(session.shiftLatch, latch);
        QCOMPARE(colourOf(picker.key(kLeftShift)), leftEngaged ? engaged : buttonFace());
        QCOMPARE(colourOf(picker.key(kRightShift)), rightEngaged ? engaged : buttonFace());
        QCOMPARE(session.pickedName, QString());
    }
};

QTEST_MAIN(KeyboardPickerTest)
#include "test_keyboard_picker.moc"
