#include "cli_fixture.h"

#include <QtTest>

using namespace quorvel;

// quorvel-cli simulate: what a reader with a file's settings types for a card.
class CliSimulateTest : public QObject, public CliFixture {
    Q_OBJECT

private slots:
    void simulate_data() {
        QTest::addColumn<QString>("changes"); // BYTE=HEX, from the factory settings
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("the test card") << "" << QStringList{} << 0
                                       << "Swipe 1: %B411111••••••1111^DOE/JOHN^2512101?;411111••••••1111=2512101?[Enter]";
        QTest::newRow("card numbers shown") << "" << QStringList{"--show-card-numbers"} << 0
                                            << "Swipe 1: %B4111111111111111^DOE/JOHN^2512101?;4111111111111111=2512101?[Enter]";
        QTest::newRow("a card without track 1")
            << "" << QStringList{"--card", "-", "1234=99", "55"} << 0 << "Swipe 1: ;••••=99?;55?[Enter]";
        QTest::newRow("order 2-1-3, a preamble, TAB, LRC")
            << "32=82 80=41 81=42 50=05" << QStringList{"--card", "A1", "12", "-"} << 0
            << "Swipe 1: AB;12?7%A1?J[Tab]";
        QTest::newRow("a terminator no key types")
            << "50=08" << QStringList{"--card", "A1", "-", "-"} << 1 << "cannot be typed: no key is known for EXEC\n";
    }
    void simulate() {
        QFETCH(QString, changes);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, line);
        SettingsImage image = factory();
        for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts))
            image.at(change.section(u'=', 0, 0).toUInt()) =
                static_cast<std::uint8_t>(change.section(u'=', 1).toUInt(nullptr, 16));
        const CliRun r = run(QStringList{"simulate", fileWith(QStringLiteral("s.msr"), image)} + args);
        QVERIFY2(r.out.contains(line) || r.err.contains(line), qPrintable(r.out + r.err));
        QCOMPARE(r.status, status);
        QVERIFY(r.out.startsWith(QStringLiteral("Expected: ")));
    }

    // A card file holds a track a line; an empty line is a track the card lacks.
    void aCardFromAFile() {
        writeFile(path(QStringLiteral("card.txt")), "B4111111111111111^DOE/J^2512\n\n0123\n");
        const CliRun r = run({"simulate", "--card-file", path(QStringLiteral("card.txt"))});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QStringLiteral("Swipe 1: %B411111••••••1111^DOE/J^2512?;0123?[Enter]")), qPrintable(r.out));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("--card with two tracks") << QStringList{"simulate", "--card", "A", "1"} << 2;
        QTest::newRow("--card and --card-file") << QStringList{"simulate", "--card", "A", "1", "2", "--card-file", "f"} << 2;
        QTest::newRow("a card file that is not there") << QStringList{"simulate", "--card-file", "/nowhere/card.txt"} << 3;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const CliRun r = run(args);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err.count(u'\n'), status == 2 ? 2 : 1);
    }
};

QTEST_GUILESS_MAIN(CliSimulateTest)
#include "test_cli_simulate.moc"
