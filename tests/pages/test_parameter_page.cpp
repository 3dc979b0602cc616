#include "page_fixture.h"

#include "pages/parameter_page.h"

#include <QCheckBox>

using namespace quorvel;

namespace {
constexpr int kBeeperByte = 35;
constexpr int kModesByte = 52;
constexpr int kPitchByte = 57;
constexpr int kDurationByte = 58;
} // namespace

class ParameterPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageFixture<ParameterPage>> f;

    int caseSelected() const { return f->selected(QStringLiteral("Option1"), 4); }
    QLineEdit* box(int n) const { return f->child<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QSlider* slider(int n) const { return f->child<QSlider>(QStringLiteral("Slider%1").arg(n)); }
    bool beeper() const { return f->child<QCheckBox>(QStringLiteral("Check1"))->isChecked(); }

private slots:
    void init() {
        f = std::make_unique<PageFixture<ParameterPage>>();
        f->buildShown();
    }
    void cleanup() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    void builtState() {
        QCOMPARE(caseSelected(), -1);
        QVERIFY(!f->option(QStringLiteral("Option1"), 3)->isEnabled());
        QCOMPARE(f->option(QStringLiteral("Option1"), 3)->text(), QStringLiteral("ALT Mode"));
        QCOMPARE(box(1)->text(), QStringLiteral("16"));
        QCOMPARE(box(2)->text(), QStringLiteral("25"));
        QCOMPARE(slider(1)->value(), 16);
        QCOMPARE(slider(2)->value(), 25);
        QCOMPARE(slider(1)->maximum(), 255);
        QCOMPARE(slider(1)->pageStep(), 10);
        QCOMPARE(slider(1)->tickInterval(), 10);
        QCOMPARE(box(1)->accessibleName(), QStringLiteral("Buzzer Pitch"));
        QCOMPARE(slider(1)->accessibleName(), QStringLiteral("Buzzer Pitch"));
        QCOMPARE(box(2)->accessibleName(), QStringLiteral("Buzzer Duration"));
        QCOMPARE(slider(2)->accessibleName(), QStringLiteral("Buzzer Duration"));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Buzzer Pitch  : "));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("Buzzer Duration  : "));
    }

    void caseMode_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("stored");
        QTest::newRow("universal kept") << 0x48 << 2 << -1 << 0x48;
        // Bits 0-3 = 0xA name no case mode: nothing is shown and the byte survives Accept.
        QTest::newRow("0x4A kept") << 0x4A << -1 << -1 << 0x4A;
        QTest::newRow("upper case") << 0x22 << 0 << -1 << 0x22;
        QTest::newRow("lower case") << 0xF0 << 1 << -1 << 0xF0;
        QTest::newRow("0x05 then upper case") << 0x05 << -1 << 0 << 0x02;
        QTest::newRow("0x05 untouched") << 0x05 << -1 << -1 << 0x05;
        QTest::newRow("universal keeps bits 4-7") << 0xA2 << 0 << 2 << 0xA8;
    }
    void caseMode() {
        QFETCH(int, modes);
        QFETCH(int, shown);
        QFETCH(int, chosen);
        QFETCH(int, stored);
        f->session.setByte(kModesByte, modes);
        f->page->activate();
        QCOMPARE(caseSelected(), shown);
        if (chosen >= 0)
            f->click(QStringLiteral("Option1_%1").arg(chosen));
        f->accept();
        QCOMPARE(f->session.byte(kModesByte), stored);
        QCOMPARE(f->dialogs.messages, QList<Message>{okMessage("General Parameter Setting O.K.")});
    }

    void beeperBit_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("afterToggle");
        QTest::newRow("on") << 0xFF << true << 0xFB;
        QTest::newRow("off") << 0x03 << false << 0x07;
    }
    void beeperBit() {
        QFETCH(int, byte);
        QFETCH(bool, ticked);
        QFETCH(int, afterToggle);
        f->session.setByte(kBeeperByte, byte);
        f->page->activate();
        QCOMPARE(beeper(), ticked);
        f->click(QStringLiteral("Check1"));
        QCOMPARE(f->session.byte(kBeeperByte), byte);
        f->accept();
        QCOMPARE(f->session.byte(kBeeperByte), afterToggle);
    }

    void sliderMovesTheTextOnly() {
        f->page->activate();
        slider(2)->setValue(40);
        QCOMPARE(box(2)->text(), QStringLiteral("40"));
        QCOMPARE(f->session.byte(kDurationByte), 0);
        f->accept();
        QCOMPARE(f->session.byte(kDurationByte), 40);
    }

    void typingMovesTheSliderWhileTheTextIsAByte() {
        box(1)->clear();
        QCOMPARE(slider(1)->value(), 0);
        QList<int> positions;
        for (const QChar c : QStringLiteral("300")) {
            QTest::keyClick(box(1), c.toLatin1());
            positions.append(slider(1)->value());
        }
        QCOMPARE(positions, (QList<int>{3, 30, 30}));
        QCOMPARE(box(1)->text(), QStringLiteral("300"));
        box(2)->setText(QStringLiteral("&H1F"));
        QCOMPARE(slider(2)->value(), 31);
        QCOMPARE(box(2)->text(), QStringLiteral("&H1F")); // the slider does not rewrite the text
        box(2)->setText(QStringLiteral("abc"));
        QCOMPARE(slider(2)->value(), 31);
    }

    // Mended: a refused box leaves every byte of the page and the flag as they were.
    void refusedAcceptChangesNothing_data() {
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("offender");
        QTest::newRow("pitch 300") << "300"
                                   << "40" << 1;
        QTest::newRow("duration 256, pitch fine") << "12"
                                                  << "256" << 2;
        QTest::newRow("pitch -5") << "-5"
                                  << "40" << 1;
        QTest::newRow("duration 255.5") << "12"
                                        << "255.5" << 2;
        QTest::newRow("duration &H100") << "12"
                                        << "&H100" << 2;
    }
    void refusedAcceptChangesNothing() {
        QFETCH(QString, pitch);
        QFETCH(QString, duration);
        QFETCH(int, offender);
        f->session.image = patternImage();
        f->page->activate();
        f->click(QStringLiteral("Option1_0"));
        f->click(QStringLiteral("Check1"));
        f->type(QStringLiteral("Text1"), pitch);
        f->type(QStringLiteral("Text2"), duration);
        for (const bool changed : {false, true}) {
            f->session.changed = changed;
            f->dialogs.messages.clear();
            f->accept();
            QCOMPARE(f->dialogs.messages, QList<Message>{kOutOfRange});
            QCOMPARE(f->session.image, patternImage());
            QCOMPARE(f->session.changed, changed);
            QCOMPARE(QApplication::focusWidget(), box(offender));
            QCOMPARE(box(offender)->selectedText(), offender == 1 ? pitch : duration);
        }
    }

    void storedValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<int>("slider"); // typed into a cleared box, key by key
        QTest::newRow("empty") << "" << 0 << "0" << 0;
        QTest::newRow("abc") << "abc" << 0 << "abc" << 0;
        QTest::newRow("hex") << "&HFF" << 255 << "&HFF" << 255;
        QTest::newRow("37.5") << "37.5" << 38 << "37.5" << 37;
        QTest::newRow("36.5") << "36.5" << 36 << "36.5" << 36;
        // Mended: the slider went to 255 while Accept stored 15.
        QTest::newRow("&H000FF") << "&H000FF" << 15 << "&H000FF" << 15;
    }
    void storedValues() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(QString, shownAfter);
        QFETCH(int, slider);
        f->type(QStringLiteral("Text1"), text);
        f->type(QStringLiteral("Text2"), text);
        QCOMPARE(this->slider(1)->value(), slider);
        QCOMPARE(this->slider(2)->value(), slider);
        f->accept();
        QCOMPARE(f->session.byte(kPitchByte), stored);
        QCOMPARE(f->session.byte(kDurationByte), stored);
        QCOMPARE(box(1)->text(), shownAfter);
        QCOMPARE(box(2)->text(), shownAfter);
        QVERIFY(f->session.changed);
    }

    void defaultWritesTheFactoryBytesAndShowsThem_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("factoryModes");
        QTest::newRow("0x4A") << 0x4A << 0x40;
        QTest::newRow("0x22") << 0x22 << 0x00;
        QTest::newRow("0xFF") << 0xFF << 0x40;
    }
    void defaultWritesTheFactoryBytesAndShowsThem() {
        QFETCH(int, modes);
        QFETCH(int, factoryModes);
        f->session.image = patternImage();
        f->session.setByte(kModesByte, modes);
        f->session.setByte(kBeeperByte, 0xF0);
        f->page->activate();
        f->type(QStringLiteral("Text1"), QStringLiteral("999")); // not validated: no apply step
        f->pressDefault(Answer::Yes);
        SettingsImage expected = patternImage();
        expected[kPitchByte] = 16;
        expected[kDurationByte] = 25;
        expected[kModesByte] = static_cast<std::uint8_t>(factoryModes);
        expected[kBeeperByte] = 0xF4;
        QCOMPARE(f->session.image, expected);
        QVERIFY(f->session.changed);
        QCOMPARE(box(1)->text(), QStringLiteral("16"));
        QCOMPARE(box(2)->text(), QStringLiteral("25"));
        QCOMPARE(slider(1)->value(), 16);
        QCOMPARE(slider(2)->value(), 25);
        QVERIFY(beeper());
        QCOMPARE(caseSelected(), 1);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(
                                          "Current general parameter setting will be changed to "
                                          "factory default. Are you sure ?(Y/N) ")});
    }
};

QTEST_MAIN(ParameterPageTest)
#include "test_parameter_page.moc"
