#include "core/keyboard/key_name.h"
#include "core/image/number_reading.h"

#include <QtTest>

using namespace quorvel;

class NumberReadingTest : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("&H alone") << "&H" << 0.0;
        QTest::newRow("decimal") << "200" << 200.0;
        QTest::newRow("leading blanks") << "  42" << 42.0;
        QTest::newRow("inner blanks") << "1 2" << 12.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("fraction") << "1.5" << 1.5;
        QTest::newRow("fraction only") << ".5" << 0.5;
        QTest::newRow("stops at letter") << "12ab" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("hex") << "&H1B" << 27.0;
        QTest::newRow("hex lower") << "&h1b" << 27.0;
        QTest::newRow("hex blank inside") << "&H 1B" << 27.0;
        QTest::newRow("hex one digit") << "&HE" << 14.0;
        QTest::newRow("hex stops") << "&H1G" << 1.0;
        QTest::newRow("hex FF") << "&HFF" << 255.0;
        QTest::newRow("hex 7FFF") << "&H7FFF" << 32767.0;
        QTest::newRow("hex is signed 16-bit") << "&HFFFF" << -1.0;
        QTest::newRow("hex 8000") << "&H8000" << -32768.0;
        QTest::newRow("hex four digits at most") << "&H12345" << 4660.0;
        QTest::newRow("hex not a number") << "&HZ" << 0.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("big decimal") << "99999999999" << 99999999999.0;
        QTest::newRow("255.5") << "255.5" << 255.5;
    }
    void readsNumbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readNumber(text), value);
    }

    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("37.5") << 37.5 << 38;
        QTest::newRow("254.5") << 254.5 << 254;
        QTest::newRow("0.4") << 0.4 << 0;
        QTest::newRow("0.6") << 0.6 << 1;
        QTest::newRow("huge stays defined") << 1e30 << INT32_MAX;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    void namesEveryCode() {
        static const char* editing[] = {"Enter", "Tab",  "BS",  "Up",  "Down", "Left",
                                        "Right", "Home", "End", "PgUp", "PgDn", "Ins",
                                        "Del",   "",     "Esc", "S-Tab"};
        for (int code = 0; code <= 255; ++code) {
            QString expected;
            if (code == 0)
                expected = QStringLiteral(" ");
            else if (code <= 12)
                expected = QStringLiteral("F ") + QString::number(code);
            else if (code <= 28)
                expected = QString::fromLatin1(editing[code - 13]);
            else if (code == 32)
                expected = QStringLiteral("Space");
            else if (code >= 33 && code <= 126)
                expected = QString(QChar(code));
            const QString text = QStringLiteral("&H") + QString::number(code, 16).toUpper();
            QCOMPARE(keyName(text), expected);
            QCOMPARE(keyName(code), expected);
        }
    }

    void namesTheDocumentedCases_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << "&H0" << " ";
        QTest::newRow("&H") << "&H" << " ";
        QTest::newRow("empty") << "" << " ";
        QTest::newRow("F 10") << "&HA" << "F 10";
        QTest::newRow("F 12") << "&HC" << "F 12";
        QTest::newRow("Enter") << "&HD" << "Enter";
        QTest::newRow("1A") << "&H1A" << "";
        QTest::newRow("S-Tab") << "&H1C" << "S-Tab";
        QTest::newRow("Space") << "&H20" << "Space";
        QTest::newRow("&") << "&H26" << "&";
        QTest::newRow("127") << "&H7F" << "";
        QTest::newRow("128") << "&H80" << "";
        QTest::newRow("255") << "&HFF" << "";
        QTest::newRow("negative") << "&HFFFF" << "";
        QTest::newRow("fraction") << "1.5" << "";
        QTest::newRow("decimal text") << "65" << "A";
        QTest::newRow("huge") << "99999999999" << "";
    }
    void namesTheDocumentedCases() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QCOMPARE(keyName(text), name);
    }

    void codeTextHasNoLeadingZeros() {
        QCOMPARE(codeText(0), QStringLiteral("&H0"));
        QCOMPARE(codeText(0x0F), QStringLiteral("&HF"));
        QCOMPARE(codeText(0x1B), QStringLiteral("&H1B"));
        QCOMPARE(codeText(255), QStringLiteral("&HFF"));
        QCOMPARE(byteHex(0), QStringLiteral("00"));
        QCOMPARE(byteHex(0x0D), QStringLiteral("0D"));
        QCOMPARE(byteHex(0xAB), QStringLiteral("AB"));
    }
};

QTEST_GUILESS_MAIN(NumberReadingTest)
#include "test_number_reading.moc"
