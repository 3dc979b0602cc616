#include "core/image/setting_rules.h"

#include <QtTest>

using namespace quorvel;

class SettingRulesTest : public QObject {
    Q_OBJECT
private slots:
    void byteFromEntry_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("256") << "256" << -1;
        QTest::newRow("300") << "300" << -1;
        QTest::newRow("-5") << "-5" << -1;
        QTest::newRow("-0.4 is below 0") << "-0.4" << -1;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("hex") << "&HFF" << 255;
        QTest::newRow("hex too big") << "&H100" << -1;
        QTest::newRow("hex negative") << "&HFFFF" << -1;
        QTest::newRow("1.5 to even") << "1.5" << 2;
        QTest::newRow("2.5 to even") << "2.5" << 2;
        QTest::newRow("37.5 to even") << "37.5" << 38;
        QTest::newRow("254.5 to even") << "254.5" << 254;
        QTest::newRow("255.4 is above 255") << "255.4" << -1;
        QTest::newRow("254.6 rounds up") << "254.6" << 255;
        QTest::newRow("255.5 refused as typed") << "255.5" << -1;
        QTest::newRow("blanks") << " 1 2 " << 12;
    }
    void byteFromEntry() {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<int> read = quorvel::byteFromEntry(text);
        QCOMPARE(read.value_or(-1), value);
    }

    void sliderValueOfEntry_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: the slider stays
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("leading zero") << "030" << 30;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("256") << "256" << -1;
        QTest::newRow("300") << "300" << -1;
        QTest::newRow("hex") << "&H1f" << 31;
        QTest::newRow("hex too big") << "&H100" << -1;
        QTest::newRow("&H alone") << "&H" << -1;
        QTest::newRow("fraction") << "1.5" << -1;
        QTest::newRow("sign") << "-1" << -1;
        QTest::newRow("blank") << " 5" << -1;
        QTest::newRow("letters") << "abc" << -1;
        QTest::newRow("hex digits without &H") << "1f" << -1;
        // The slider shows what Accept stores: "&H" takes four digits at most.
        QTest::newRow("&H000FF reads &H000F") << "&H000FF" << 15;
        QTest::newRow("&H00FF") << "&H00FF" << 255;
        QTest::newRow("&H0100") << "&H0100" << -1;
        QTest::newRow("&HFFFF is -1") << "&HFFFF" << -1;
        QTest::newRow("many zeros") << "0000000000000000000012" << 12;
    }
    void sliderValueOfEntry() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(quorvel::sliderValueOfEntry(text).value_or(-1), value);
    }

    void stringBreaks_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("firstBreak"); // -1: the string holds together
        QTest::newRow("none") << QList<int>{} << -1;
        QTest::newRow("all empty") << QList<int>(10, 0) << -1;
        QTest::newRow("full") << QList<int>(10, 0x41) << -1;
        QTest::newRow("ends early") << QList<int>{0x41, 0x42, 0, 0} << -1;
        QTest::newRow("gap") << QList<int>{0x41, 0, 0x42} << 2;
        QTest::newRow("empty first") << QList<int>{0, 0x0D} << 1;
        QTest::newRow("first of two gaps") << QList<int>{1, 0, 2, 0, 3} << 2;
        QTest::newRow("last byte stranded") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 0, 9} << 9;
        QTest::newRow("lone character first") << QList<int>{0xFF} << -1;
    }
    void stringBreaks() {
        QFETCH(QList<int>, codes);
        QFETCH(int, firstBreak);
        QCOMPARE(firstStringBreak(std::span<const int>(codes.constData(), codes.size())),
                 firstBreak);
    }

    void modeBits_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("altOn");
        QTest::addColumn<int>("altOff");
        QTest::addColumn<int>("upperCase");
        QTest::addColumn<int>("factory");
        QTest::newRow("function keys and upper case") << 0x22 << 0x42 << 0x22 << 0x22 << 0x00;
        QTest::newRow("ALT and universal") << 0x4A << 0x4A << 0x0A << 0x42 << 0x40;
        QTest::newRow("all bits") << 0xFF << 0xDF << 0xBF << 0xF2 << 0x40;
        QTest::newRow("none") << 0x00 << 0x40 << 0x00 << 0x02 << 0x00;
    }
    void modeBits() {
        QFETCH(int, modes);
        QFETCH(int, altOn);
        QFETCH(int, altOff);
        QFETCH(int, upperCase);
        QFETCH(int, factory);
        QCOMPARE(modesWithAltMode(modes, true), altOn);
        QCOMPARE(modesWithAltMode(modes, false), altOff);
        QCOMPARE(modesWithCaseMode(modes, 0x2), upperCase);
        QCOMPARE(factoryModes(modes), factory);
    }
};

QTEST_APPLESS_MAIN(SettingRulesTest)
#include "test_setting_rules.moc"
