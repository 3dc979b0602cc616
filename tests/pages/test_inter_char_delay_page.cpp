#include "page_fixture.h"

#include "pages/inter_char_delay_page.h"

using namespace quorvel;

namespace {
constexpr int kKeyboardByte = 51;
constexpr int kRs232Byte = 41;
} // namespace

class InterCharDelayPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageFixture<InterCharDelayPage>> f;

    QLineEdit* box(int i) const { return f->child<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QSlider* slider(int i) const { return f->child<QSlider>(QStringLiteral("Slider1_%1").arg(i)); }
    void show(int keyboard, int rs232) {
        f->session.setByte(kKeyboardByte, keyboard);
        f->session.setByte(kRs232Byte, rs232);
        f->page->activate();
    }

private slots:
    void init() {
        f = std::make_unique<PageFixture<InterCharDelayPage>>();
        f->buildShown();
    }
    void cleanup() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    void builtState() {
        QCOMPARE(box(0)->text(), QStringLiteral("5"));
        QCOMPARE(box(1)->text(), QStringLiteral("0"));
        QCOMPARE(slider(0)->value(), 5);
        QCOMPARE(box(0)->maxLength(), 3);
        QCOMPARE(box(0)->accessibleName(), QStringLiteral("Start Keyboard Setting"));
        QCOMPARE(slider(0)->accessibleName(), QStringLiteral("Start Keyboard Setting"));
        QCOMPARE(box(1)->accessibleName(), QStringLiteral("Start RS-232 Setting"));
        QCOMPARE(slider(1)->accessibleName(), QStringLiteral("Start RS-232 Setting"));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label2_0"))->text(),
                 QStringLiteral("Start Keyboard Setting :"));
        QVERIFY(f->child<QLabel>(QStringLiteral("Label2_0"))->isEnabled());
        QVERIFY(!f->child<QLabel>(QStringLiteral("Label2_1"))->isEnabled());
        QVERIFY(!slider(1)->isEnabled());
        QVERIFY(!box(1)->isEnabled());
    }

    void activationShowsBothBytes() {
        show(255, 17);
        QCOMPARE(box(0)->text(), QStringLiteral("255"));
        QCOMPARE(slider(0)->value(), slider(0)->maximum());
        QCOMPARE(box(1)->text(), QStringLiteral("17"));
        QCOMPARE(slider(1)->value(), 17);
    }

    void sliderMovesTheTextOnly() {
        show(5, 0);
        slider(0)->setValue(200);
        QCOMPARE(box(0)->text(), QStringLiteral("200"));
        QCOMPARE(f->session.byte(kKeyboardByte), 5);
        f->accept();
        QCOMPARE(f->session.byte(kKeyboardByte), 200);
        QCOMPARE(f->dialogs.messages,
                 QList<Message>{okMessage("Intercharacter Delay Setting O.K.")});
    }

    void acceptedValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("empty") << "" << 0 << "0";
        QTest::newRow("text") << "x" << 0 << "x";
        QTest::newRow("1.5 to even") << "1.5" << 2 << "1.5";
        QTest::newRow("hex") << "&HF" << 15 << "&HF";
    }
    void acceptedValues() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(QString, shownAfter);
        show(9, 4);
        f->type(QStringLiteral("Text1_0"), text);
        f->accept();
        QCOMPARE(f->session.byte(kKeyboardByte), stored);
        QCOMPARE(f->session.byte(kRs232Byte), 4);
        QCOMPARE(box(0)->text(), shownAfter);
        QVERIFY(f->session.changed);
    }

    // Mended: neither byte is written when either box is refused.
    void refusedAcceptChangesNothing_data() {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("rs232");
        QTest::addColumn<int>("offender");
        QTest::newRow("keyboard 300") << "300"
                                      << "0" << 0;
        QTest::newRow("keyboard -5") << "-5"
                                     << "0" << 0;
        QTest::newRow("RS-232 256, keyboard fine") << "100"
                                                   << "256" << 1;
    }
    void refusedAcceptChangesNothing() {
        QFETCH(QString, keyboard);
        QFETCH(QString, rs232);
        QFETCH(int, offender);
        show(9, 4);
        f->type(QStringLiteral("Text1_0"), keyboard);
        box(1)->setText(rs232); // disabled: only the image puts values there
        f->accept();
        QCOMPARE(f->dialogs.messages, QList<Message>{kOutOfRange});
        QCOMPARE(f->session.byte(kKeyboardByte), 9);
        QCOMPARE(f->session.byte(kRs232Byte), 4);
        QVERIFY(!f->session.changed);
        QCOMPARE(box(offender)->selectedText(), offender == 0 ? keyboard : rs232);
        if (offender == 0)
            QCOMPARE(QApplication::focusWidget(), box(0));
    }

    void defaultWritesAndShowsTheFactoryValues() {
        show(200, 30);
        f->pressDefault(Answer::Yes);
        QCOMPARE(f->session.byte(kKeyboardByte), 5);
        QCOMPARE(f->session.byte(kRs232Byte), 0);
        QVERIFY(f->session.changed);
        QCOMPARE(box(0)->text(), QStringLiteral("5"));
        QCOMPARE(box(1)->text(), QStringLiteral("0"));
        QCOMPARE(slider(0)->value(), 5);
        QCOMPARE(slider(1)->value(), 0);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(
                                          "Current Intercharacter delay setting will be changed "
                                          "to factory default. Are you sure ?(Y/N) ")});
    }
};

QTEST_MAIN(InterCharDelayPageTest)
#include "test_inter_char_delay_page.moc"
