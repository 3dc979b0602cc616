#include "page_fixture.h"

#include "pages/terminator_page.h"

#include <QTabBar>
#include <QTabWidget>

using namespace quorvel;

namespace {
constexpr int kKeyboardByte = 50;
constexpr int kRs232Byte = 39;
} // namespace

class TerminatorPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageFixture<TerminatorPage>> f;

    int keyboardSelected() const { return f->selected(QStringLiteral("Option1"), 7); }
    int rs232Selected() const { return f->selected(QStringLiteral("Option2"), 11); }
    void show(int keyboard, int rs232) {
        f->session.setByte(kKeyboardByte, keyboard);
        f->session.setByte(kRs232Byte, rs232);
        f->page->activate();
    }

private slots:
    void init() {
        f = std::make_unique<PageFixture<TerminatorPage>>();
        f->build();
    }
    void cleanup() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    void captions() {
        const QStringList keyboard{"NONE", "CR", "SPACE", "TAB", "ESC", "CTRL-C", "EXEC"};
        for (int i = 0; i < keyboard.size(); ++i)
            QCOMPARE(f->option(QStringLiteral("Option1"), i)->text(), keyboard.at(i));
        const QStringList rs232{"NONE", "CR",     "LF",          "CR/LF",        "SPACE", "TAB",
                                "ESC",  "CTRL-C", "STX.....ETX", "XON.....XOFF", "EOT"};
        for (int i = 0; i < rs232.size(); ++i)
            QCOMPARE(f->option(QStringLiteral("Option2"), i)->accessibleName(), rs232.at(i));
        QCOMPARE(f->page->tabs()->tabText(0), QStringLiteral("Keyboard"));
        QCOMPARE(f->page->tabs()->tabText(1), QStringLiteral("RS-232"));
        QCOMPARE(keyboardSelected(), -1);
        QCOMPARE(rs232Selected(), -1);
    }

    void keyboardCodes_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("code");
        const int codes[] = {0, 1, 4, 5, 6, 7, 8};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("button %d", i) << i << codes[i];
    }
    void keyboardCodes() {
        QFETCH(int, button);
        QFETCH(int, code);
        show(code, 3);
        QCOMPARE(keyboardSelected(), button);
        // Choosing another button, then the one shown, and accepting writes its code.
        f->click(QStringLiteral("Option1_%1").arg((button + 1) % 7));
        QCOMPARE(f->session.byte(kKeyboardByte), code); // nothing written before Accept
        QVERIFY(!f->session.changed);
        f->click(QStringLiteral("Option1_%1").arg(button));
        f->session.setByte(kKeyboardByte, 0xEE);
        f->accept();
        QCOMPARE(f->session.byte(kKeyboardByte), code);
        QCOMPARE(f->session.byte(kRs232Byte), 3);
        QCOMPARE(f->dialogs.messages, QList<Message>{okMessage("Terminator Setting O.K.")});
    }

    void unknownKeyboardCodeKeepsTheButtonAndTheByte_data() {
        QTest::addColumn<int>("before"); // code shown earlier, -1 for a fresh page
        QTest::addColumn<int>("button");
        QTest::newRow("fresh page") << -1 << -1;
        QTest::newRow("after TAB") << 5 << 3;
    }
    void unknownKeyboardCodeKeepsTheButtonAndTheByte() {
        QFETCH(int, before);
        QFETCH(int, button);
        if (before >= 0)
            show(before, 0);
        show(2, 0);
        QCOMPARE(keyboardSelected(), button);
        f->accept();
        QCOMPARE(f->session.byte(kKeyboardByte), button < 0 ? 2 : before);
    }

    void rs232Codes_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("stored");
        for (int code = 0; code <= 10; ++code)
            QTest::addRow("%d", code) << code << code << code;
        // Mended: a code the buttons cannot show is kept, not replaced by 11.
        QTest::newRow("0x20 fresh") << 0x20 << -1 << 0x20;
        QTest::newRow("11 fresh") << 11 << -1 << 11;
        QTest::newRow("255 fresh") << 255 << -1 << 255;
    }
    void rs232Codes() {
        QFETCH(int, byte);
        QFETCH(int, button);
        QFETCH(int, stored);
        show(1, byte);
        QCOMPARE(rs232Selected(), button);
        f->accept();
        QCOMPARE(f->session.byte(kRs232Byte), stored);
        QVERIFY(f->session.changed);
    }

    // Mended: an earlier image's choice no longer overwrites a code the page cannot show.
    void unknownRs232CodeClearsTheEarlierButton_data() {
        QTest::addColumn<bool>("viaDefault");
        QTest::newRow("Accept") << false;
        QTest::newRow("keyboard Default") << true;
    }
    void unknownRs232CodeClearsTheEarlierButton() {
        QFETCH(bool, viaDefault);
        show(1, 9);
        show(1, 0x20);
        QCOMPARE(rs232Selected(), -1);
        if (viaDefault)
            f->pressDefault(Answer::Yes);
        else
            f->accept();
        QCOMPARE(f->session.byte(kRs232Byte), 0x20);
        show(1, 4); // a known code selects its button again
        QCOMPARE(rs232Selected(), 4);
    }

    void rs232TabNeverComesToTheFront() {
        f->buildShown();
        QTabWidget* tabs = f->page->tabs();
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(1);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(f->option(QStringLiteral("Option1"), 0)->isVisible());
        QVERIFY(!f->option(QStringLiteral("Option2"), 0)->isVisible());
    }

    void defaultKeepsTheHiddenRs232Choice() {
        show(6, 7);
        f->session.setByte(kRs232Byte, 3); // the image moves on; the hidden buttons do not
        f->pressDefault(Answer::Yes);
        QCOMPARE(keyboardSelected(), 1);
        QCOMPARE(f->session.byte(kKeyboardByte), 1);
        QCOMPARE(f->session.byte(kRs232Byte), 7);
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(
                                          "Current keyboard terminator setting will be changed "
                                          "to factory default. Are you sure ?(Y/N) ")});
    }

    void defaultOnAFreshPageKeepsAnUnknownRs232Code() {
        show(0, 0x20);
        f->pressDefault(Answer::Yes);
        QCOMPARE(f->session.byte(kKeyboardByte), 1);
        QCOMPARE(f->session.byte(kRs232Byte), 0x20);
    }

    void execAndStxShareACode() {
        show(0, 8);
        f->click(QStringLiteral("Option1_6"));
        f->accept();
        QCOMPARE(f->session.byte(kKeyboardByte), 8);
        QCOMPARE(f->session.byte(kRs232Byte), 8);
    }

    void choosingWithoutAcceptChangesNothing() {
        f->session.image = patternImage();
        f->page->activate();
        f->click(QStringLiteral("Option1_4"));
        f->page->activate();
        QCOMPARE(f->session.image, patternImage());
        QVERIFY(!f->session.changed);
        QVERIFY(f->dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TerminatorPageTest)
#include "test_terminator_page.moc"
