#include "core/session.h"
#include "modal_helper.h"
#include "pickers/ascii_table_picker.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

using namespace quorvel;

namespace {

QString textAt(const QTableWidget& grid, int row, int column) {
    return grid.item(row, column)->text();
}

// A press at a point given in twips from the grid's top left corner.
void pressAt(QTableWidget* grid, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint inViewport = grid->viewport()->mapFrom(grid, QPoint(twips(x), twips(y)));
    QTest::mouseClick(grid->viewport(), button, {}, inViewport);
}

} // namespace

class AsciiTablePickerTest : public QObject {
    Q_OBJECT

private slots:
    void cellTexts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("corner") << 0 << 0 << "L \\ H";
        QTest::newRow("high 0") << 0 << 1 << " 0";
        QTest::newRow("high 7") << 0 << 8 << " 7";
        QTest::newRow("low 0") << 1 << 0 << " 0";
        QTest::newRow("low 9") << 10 << 0 << " 9";
        QTest::newRow("low A") << 11 << 0 << "A";
        QTest::newRow("low F") << 16 << 0 << "F";
        QTest::newRow("NUL") << 1 << 1 << "NUL";
        QTest::newRow("BS") << 9 << 1 << "BS";
        QTest::newRow("SI") << 16 << 1 << "SI";
        QTest::newRow("DLE") << 1 << 2 << "DLE";
        QTest::newRow("ESC") << 12 << 2 << "ESC";
        QTest::newRow("US") << 16 << 2 << "US";
        QTest::newRow("SP") << 1 << 3 << "SP";
        QTest::newRow("ampersand is plain") << 7 << 3 << "&";
        QTest::newRow("0") << 1 << 4 << "0";
        QTest::newRow("A") << 2 << 5 << "A";
        QTest::newRow("backslash") << 13 << 6 << "\\";
        QTest::newRow("a") << 2 << 7 << "a";
        QTest::newRow("tilde") << 15 << 8 << "~";
        QTest::newRow("DEL") << 16 << 8 << "DEL";
    }

    void cellTexts() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        Session session;
        AsciiTablePicker picker(session);
        QCOMPARE(textAt(*picker.grid(), row, column), text);
        QCOMPARE(picker.grid()->item(row, column)->textAlignment(), int(Qt::AlignCenter));
    }

    void everyPrintableCharacterInItsCell() {
        Session session;
        AsciiTablePicker picker(session);
        for (int code = 33; code <= 126; ++code)
            QCOMPARE(textAt(*picker.grid(), code % 16 + 1, code / 16 + 1), QString(QChar(code)));
    }

    void windowAndGrid() {
        Session session;
        session.pickedName = QStringLiteral("x");
        session.pickedCode = QStringLiteral("78");
        AsciiTablePicker picker(session);
        QCOMPARE(session.pickedName, QString());
        QCOMPARE(session.pickedCode, QString());
        QCOMPARE(picker.objectName(), QStringLiteral("sfrmASC"));
        QCOMPARE(picker.windowTitle(), QStringLiteral("RS-232 Interface   ASCII Table"));
        QVERIFY(picker.isModal());
        QTableWidget* grid = picker.grid();
        QCOMPARE(grid->objectName(), QStringLiteral("MSHFlexGrid1"));
        QCOMPARE(grid->accessibleName(), QStringLiteral("ASCII Table"));
        QCOMPARE(grid->rowCount(), 17);
        QCOMPARE(grid->columnCount(), 9);
        for (int column = 0; column < 9; ++column)
            QCOMPARE(grid->columnWidth(column), twips(550));
        QVERIFY(grid->width() >= twips(4960));
        QVERIFY(grid->width() >= 9 * twips(550) + 2 * grid->frameWidth());
        QVERIFY(grid->height() >= 17 * grid->rowHeight(0) + 2 * grid->frameWidth());
        QCOMPARE(picker.width(), grid->width() + twips(220));
        QVERIFY(picker.rect().contains(grid->geometry()));
    }

    void clicks_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("picks");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        // Cell centres: 550 twips a column, 240 a row.
        const auto at = [](int row, int column) {
            return std::pair{column * 550 + 275, row * 240 + 120};
        };
        const auto add = [&](const char* tag, std::pair<int, int> p, bool picks, const char* name,
                             const char* code, Qt::MouseButton button = Qt::LeftButton) {
            QTest::newRow(tag) << p.first << p.second << int(button) << picks << name << code;
        };
        add("NUL", at(1, 1), true, "NUL", "0");
        add("A", at(2, 5), true, "A", "41");
        add("SP", at(1, 3), true, "SP", "20");
        add("DEL", at(16, 8), true, "DEL", "7F");
        add("ESC", at(12, 2), true, "ESC", "1B");
        add("ampersand", at(7, 3), true, "&", "26");
        add("o", at(16, 7), true, "o", "6F");
        add("right button picks too", at(2, 5), true, "A", "41", Qt::RightButton);
        add("header column", at(5, 0), false, "", "");
        add("header row", at(0, 4), false, "", "");
        add("corner", at(0, 0), false, "", "");
        add("left of 570 twips", {560, 1000}, false, "", "");
        add("above 255 twips", {2000, 240}, false, "", "");
        add("just past both edges", {600, 270}, true, "NUL", "0");
    }

    void clicks() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, button);
        QFETCH(bool, picks);
        QFETCH(QString, name);
        QFETCH(QString, code);
        Session session;
        AsciiTablePicker picker(session);
        picker.show();
        pressAt(picker.grid(), x, y, Qt::MouseButton(button));
        QCOMPARE(session.pickedName, name);
        QCOMPARE(session.pickedCode, code);
        QCOMPARE(picker.isVisible(), !picks);
    }

    void keyboardUse_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        const int right = Qt::Key_Right, down = Qt::Key_Down, up = Qt::Key_Up;
        const int enter = Qt::Key_Return, space = Qt::Key_Space, escape = Qt::Key_Escape;
        QTest::newRow("Enter on the first cell") << QList<int>{enter} << true << "NUL" << "0";
        QTest::newRow("to A, Enter") << QList<int>{right, right, right, right, down, enter}
                                     << true << "A" << "41";
        QTest::newRow("to SP, Space") << QList<int>{right, right, space} << true << "SP" << "20";
        QTest::newRow("Enter on a header") << QList<int>{up, enter} << false << "" << "";
        QTest::newRow("Escape") << QList<int>{right, escape} << true << "" << "";
    }

    void keyboardUse() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, closes);
        QFETCH(QString, name);
        QFETCH(QString, code);
        Session session;
        AsciiTablePicker picker(session);
        picker.show();
        picker.grid()->setFocus();
        for (const int key : keys)
            QTest::keyClick(picker.grid(), Qt::Key(key));
        QCOMPARE(session.pickedName, name);
        QCOMPARE(session.pickedCode, code);
        QCOMPARE(picker.isVisible(), !closes);
    }

    void closeBoxIsNoChoice() {
        Session session;
        AsciiTablePicker picker(session);
        picker.show();
        picker.close();
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QCOMPARE(session.pickedName, QString());
    }

    // The picker is modal: exec() runs until a cell is picked.
    void pickWhileModal() {
        Session session;
        AsciiTablePicker picker(session);
        whenModal("sfrmASC", [&](QWidget*) { pressAt(picker.grid(), 550 * 5 + 275, 240 * 3 + 120); });
        QCOMPARE(picker.exec(), int(QDialog::Accepted));
        QCOMPARE(session.pickedName, QStringLiteral("B"));
        QCOMPARE(session.pickedCode, QStringLiteral("42"));
    }
};

QTEST_MAIN(AsciiTablePickerTest)
#include "test_ascii_table_picker.moc"
