#include "core/session.h"
#include "modal_helper.h"
#include "pickers/ascii_table_picker.h"
#include "pickers/keyboard_picker.h"
#include "shell/shell_dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <map>
#include <set>

using namespace quorvel;

namespace {

constexpr int kKeyCount = 81;
constexpr int kCapsLock = 41;
constexpr int kLeftShift = 54;
constexpr int kRightShift = 65;

// The keys as the keyboard reads, row by row, left to right.
const std::vector<std::vector<int>> kRowsOfKeys = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 71, 72, 73},
    {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 74, 75, 76},
    {41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53},
    {54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 77},
    {66, 67, 68, 69, 70, 78, 79, 80},
};

// Character keys: the plain and the shifted character, by first index.
struct CharacterRun {
    int first;
    const char* plain;
    const char* shifted;
    bool followsCapsLock;
};
const CharacterRun kCharacterRuns[] = {
    {13, "`1234567890-=", "~!@#$%^&*()_+", false},
    {28, "qwertyuiop", "QWERTYUIOP", true},
    {38, "[]\\", "{}|", false},
    {42, "asdfghjkl", "ASDFGHJKL", true},
    {51, ";", ":", false},
    {52, "'", "\"", true},
    {55, "zxcvbnm", "ZXCVBNM", true},
    {62, ",./", "<>?", false},
};

struct Pick {
    QString code;
    QString name;
};

const std::map<int, Pick> kFixedKeys = {
    {0, {"1B", "Esc"}},    {26, {"0F", "BS"}},    {53, {"D", "Enter"}},   {68, {"20", "Space"}},
    {71, {"18", "Ins"}},   {72, {"14", "Home"}},  {73, {"16", "PgUp"}},   {74, {"19", "Del"}},
    {75, {"15", "End"}},   {76, {"17", "PgDn"}},  {77, {"10", "Up"}},     {78, {"12", "Left"}},
    {79, {"11", "Down"}},  {80, {"13", "Right"}},
};

const std::set<int> kNoChoiceKeys = {kCapsLock, kLeftShift, kRightShift, 66, 67, 69, 70};

std::optional<Pick> expectedPick(int index, bool shift, bool caps) {
    if (kNoChoiceKeys.count(index))
        return std::nullopt;
    if (index >= 1 && index <= 12)
        return Pick{QString::number(index, 16).toUpper(), QStringLiteral("F %1").arg(index)};
    if (index == 27)
        return shift ? Pick{"1C", "S-Tab"} : Pick{"E", "Tab"};
    if (const auto fixed = kFixedKeys.find(index); fixed != kFixedKeys.end())
        return fixed->second;
    for (const CharacterRun& run : kCharacterRuns) {
        const int offset = index - run.first;
        if (offset < 0 || offset >= static_cast<int>(qstrlen(run.plain)))
            continue;
        const bool upper = run.followsCapsLock ? shift != caps : shift;
        const QChar c = QLatin1Char((upper ? run.shifted : run.plain)[offset]);
        return Pick{QString::number(c.unicode(), 16).toUpper(), QString(c)};
    }
    qFatal("no expectation for CKey_%d", index);
}

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor colourOf(const QWidget* w) { return w->palette().color(QPalette::Button); }
QColor lampColour(const QWidget* w) { return w->palette().color(QPalette::Window); }

QPushButton* keyOf(QWidget* picker, int index) {
    return picker->findChild<QPushButton*>(QStringLiteral("CKey_%1").arg(index));
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

} // namespace

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
        QTest::newRow("Esc") << 0 << "Esc" << "Esc" << false;
        QTest::newRow("F1") << 1 << "F1" << "F1" << false;
        QTest::newRow("F12") << 12 << "F12" << "F12" << false;
        QTest::newRow("1") << 14 << "!\n1" << "! 1" << false;
        QTest::newRow("7 doubles the ampersand") << 20 << "&&\n7" << "& 7" << false;
        QTest::newRow("Backspace") << 26 << "<-----" << "<-----" << false;
        QTest::newRow("Tab") << 27 << "|<----\n---->|" << "|<---- ---->|" << false;
        QTest::newRow("Q") << 28 << "Q" << "Q" << false;
        QTest::newRow("backslash") << 40 << "|\n\\" << "| \\" << false;
        QTest::newRow("Caps Lock") << 41 << "Caps Lock" << "Caps Lock" << false;
        QTest::newRow("quote") << 52 << "\"\n'" << "\" '" << false;
        QTest::newRow("Shift") << 65 << "Shift" << "Shift" << false;
        QTest::newRow("Ctrl") << 66 << "Ctrl" << "Ctrl" << false;
        QTest::newRow("Alt") << 69 << "Alt" << "Alt" << false;
        QTest::newRow("Pg Up") << 73 << "Pg Up" << "Pg Up" << false;
        QTest::newRow("Pg Dn") << 76 << "Pg Dn" << "Pg Dn" << false;
        QTest::newRow("space bar") << 68 << "" << "Space" << true;
        QTest::newRow("Up") << 77 << "" << "Up" << true;
        QTest::newRow("Left") << 78 << "" << "Left" << true;
        QTest::newRow("Down") << 79 << "" << "Down" << true;
        QTest::newRow("Right") << 80 << "" << "Right" << true;
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
        QCOMPARE(picker.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Caps"));
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
        QTest::newRow("left, right") << QList<int>{kLeftShift, kRightShift} << false << false
                                     << false;
        QTest::newRow("right, left") << QList<int>{kRightShift, kLeftShift} << false << false
                                     << false;
        QTest::newRow("left twice") << QList<int>{kLeftShift, kLeftShift} << false << false
                                    << false;
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
        QTest::newRow("NUL") << 1 << 1 << "NUL" << "0";
        QTest::newRow("A") << 2 << 5 << "A" << "41";
        QTest::newRow("DEL") << 16 << 8 << "DEL" << "7F";
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
            whenModal("sfrmASC",
                      [](QWidget* table) { QTest::keyClick(table, Qt::Key_Escape); });
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

QTEST_MAIN(KeyboardPickerTest)
#include "test_keyboard_picker.moc"
