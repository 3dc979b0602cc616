// The Magnetic Card page's Default buttons, each for its own tab, and Accept.
#include "magnetic_page_driver.h"

#include "core/files/settings_file.h"

using namespace quorvel;

class MagneticPageDefaultsTest : public QObject, private MagneticPageDriver {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void defaultAnsweredNoChangesNothing_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 4; ++tab)
            QTest::addRow("Command%d", tab + 2) << tab;
    }
    void defaultAnsweredNoChangesNothing() {
        QFETCH(int, tab);
        f->session.image = patternImage(2);
        f->page->activate();
        press(2, Qt::RightButton);
        click(QStringLiteral("Check2"));
        f->dialogs.answer(Answer::No);
        click(QStringLiteral("Command%1").arg(tab + 2));
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(kQuestions[tab])});
        QCOMPARE(f->session.image, patternImage(2));
        QVERIFY(!f->session.changed);
        QCOMPARE(box(2), QStringLiteral("0"));
    }

    void trackOrderDefault() {
        f->session.image = shippedFactoryImage();
        f->session.setByte(kOrderByte, 0x80);
        f->page->activate();
        click(QStringLiteral("Option1_4"));
        click(QStringLiteral("Option2_1"));
        press(0, Qt::RightButton); // stored too: the whole page is applied
        f->session.setByte(kOrderByte, 0x84);
        f->dialogs.answer(Answer::Yes);
        click(QStringLiteral("Command2"));
        QCOMPARE(order(), 0);
        QCOMPARE(standard(), 0);
        QCOMPARE(f->session.byte(kOrderByte), 0x80);
        QCOMPARE(f->session.byte(53), 0);
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(kQuestions[0])});
    }

    void trackSelectionDefault() {
        show(kSelectionByte, 0x10);
        f->session.setByte(kSelectionByte, 0x04);
        f->dialogs.answer(Answer::Yes);
        click(QStringLiteral("Command3"));
        QCOMPARE(selection(), 0);
        QCOMPARE(f->session.byte(kSelectionByte), 0x3F);
        QVERIFY(f->session.changed);
    }

    void dataFormatDefaultKeepsLrcAndLowBits() {
        f->session.setByte(kFormatByte, 0xE5);
        f->session.setByte(kOrderByte, 0x83);
        f->session.setByte(kSelectionByte, 0x02);
        f->page->activate();
        click(QStringLiteral("Check3")); // unticked, but not stored: no apply step runs
        f->option(QStringLiteral("Option1"), 1)->setChecked(true);
        f->dialogs.answer(Answer::Yes);
        click(QStringLiteral("Command5"));
        QVERIFY(!check(1)->isChecked());
        QVERIFY(!check(2)->isChecked());
        QVERIFY(!check(3)->isChecked());
        QCOMPARE(f->session.byte(kFormatByte), 0x25);
        QCOMPARE(f->session.byte(kOrderByte), 0x83);
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(kQuestions[3])});
    }

    void dataFormatDefaultLeavesLrcTicked() {
        show(kOrderByte, 0x80);
        QVERIFY(check(3)->isChecked());
        f->dialogs.answer(Answer::Yes);
        click(QStringLiteral("Command5"));
        QVERIFY(check(3)->isChecked());
        QCOMPARE(f->session.byte(kOrderByte), 0x80);
    }

    void acceptOnFactoryImageKeepsIt() {
        f->session.image = shippedFactoryImage();
        f->page->activate();
        f->accept();
        QCOMPARE(f->session.image, shippedFactoryImage());
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages, QList<Message>{okMessage("Magnetic Card Setting O.K.")});
    }
};

QTEST_MAIN(MagneticPageDefaultsTest)
#include "test_magnetic_page_defaults.moc"
