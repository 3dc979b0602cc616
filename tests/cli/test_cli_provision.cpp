// quorvel-cli provision: readers in a row, each sent the settings and verified.
#include "provision_station.h"

using namespace quorvel;
using namespace quorvel::provision_tests;

class CliProvisionTest : public QObject {
    Q_OBJECT
private slots:
    void twoReadersInARow() {
        Station station;
        station.queue = {{QStringLiteral("SN1"), true, 0, {{0, kGoodSwipe}}},
                         {QString(), true, 0, {{0, kGoodSwipe}}}};
        station.run({station.settingsFile()});
        QCOMPARE(station.status, 0);
        QVERIFY2(station.out.startsWith(QStringLiteral(
                     "Plug in the next reader\nReader attached: /dev/hidraw1, serial SN1\n"
                     "Sending the settings\nSettings sent\n")),
                 qPrintable(station.out));
        QVERIFY(
            station.out.contains(QStringLiteral("Reader attached: /dev/hidraw2, serial (none)\n")));
        QCOMPARE(station.out.count(QStringLiteral("Unplug the reader\n")), 2);
        QVERIFY(station.out.endsWith(
            QStringLiteral("\nReaders set up: 2, failed: 0, not verified: 0\n")));
        QCOMPARE(station.runner.runs, 2);
        const QList<QJsonObject> log = station.log();
        QCOMPARE(log.size(), 2);
        const QJsonObject first = log.at(0);
        QCOMPARE(first.value(QStringLiteral("time")).toString(),
                 QStringLiteral("2026-12-09T14:03:07+01:00"));
        QCOMPARE(first.value(QStringLiteral("path")).toString(), QStringLiteral("/dev/hidraw1"));
        QCOMPARE(first.value(QStringLiteral("serial")).toString(), QStringLiteral("SN1"));
        QCOMPARE(first.value(QStringLiteral("imageSha256")).toString(),
                 sha256Sent(shippedFactoryImage()));
        QCOMPARE(first.value(QStringLiteral("settings")).toString(), QStringLiteral("station.msr"));
        QCOMPARE(first.value(QStringLiteral("transmission")).toString(), QStringLiteral("sent"));
        QCOMPARE(first.value(QStringLiteral("verification")).toString(), QStringLiteral("passed"));
        QCOMPARE(log.at(1).value(QStringLiteral("path")).toString(),
                 QStringLiteral("/dev/hidraw2"));
        station.holdsNoCardNumber();
    }

    void oneReader_data() {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("transmission");
        QTest::addColumn<QString>("verification");
        QTest::addColumn<QStringList>("failedChecks");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("status");
        QTest::newRow("failing transmission")
            << Reader{{}, true, 2, {}} << QStringList() << "failed"
            << "not reached" << QStringList()
            << "Transmission failed: The companion program /opt/hop/Hoplink.exe ended with status "
               "2.\n"
            << 1;
        QTest::newRow("failed check, then a good swipe")
            << Reader{{}, true, 0, {{0, kTabSwipe}, {2000, kGoodSwipe}}} << QStringList() << "sent"
            << "passed" << QStringList()
            << "Swipe again, or press Esc to record the reader as not verified\n"
            << 0;
        QTest::newRow("Esc: not verified")
            << Reader{{}, true, 0, {{0, kTabSwipe}, {2000, "\x1b"}}} << QStringList() << "sent"
            << "not verified" << QStringList{"Terminator"} << "Not verified\n"
            << 1;
        QTest::newRow("cannot be opened")
            << Reader{{}, false, 0, {}} << QStringList() << "not opened"
            << "not reached" << QStringList()
            << "Reader found but it cannot be opened\nPath: /dev/hidraw1\nReason: Permission "
               "denied (/dev/hidraw1)\n\n"
               "The Quorvel package installs the udev rule"
            << 1;
        QTest::newRow("no verify")
            << Reader{{}, true, 0, {}} << QStringList{"--no-verify"} << "sent"
            << "skipped" << QStringList() << "Settings sent\nUnplug the reader\n"
            << 0;
        QTest::newRow("once") << Reader{{}, true, 0, {{0, kGoodSwipe}}} << QStringList{"--once"}
                              << "sent"
                              << "passed" << QStringList() << "Verified\n\nReaders set up: 1" << 0;
    }

    void oneReader() {
        QFETCH(Reader, reader);
        QFETCH(QStringList, options);
        QFETCH(QString, transmission);
        QFETCH(QString, verification);
        QFETCH(QStringList, failedChecks);
        QFETCH(QString, said);
        QFETCH(int, status);
        Station station;
        station.queue = {reader};
        station.run(QStringList{station.settingsFile()} + options);
        QCOMPARE(station.status, status);
        QVERIFY2(station.out.contains(said), qPrintable(station.out));
        const QList<QJsonObject> log = station.log();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.first().value(QStringLiteral("transmission")).toString(), transmission);
        QCOMPARE(log.first().value(QStringLiteral("verification")).toString(), verification);
        QCOMPARE(strings(log.first().value(QStringLiteral("failedChecks"))), failedChecks);
        QCOMPARE(station.runner.runs, reader.openable ? 1 : 0);
        station.holdsNoCardNumber();
    }

    // Told apart from a settings file as apply reads it.
    void appliesAProfileToTheFactoryImage_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("plain") << QByteArray();
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("long leading blanks") << QByteArray(5000, ' ');
    }

    void appliesAProfileToTheFactoryImage() {
        QFETCH(QByteArray, before);
        Station station;
        station.queue = {{{}, true, 0, {}}};
        const QString profile = station.dir.filePath(QStringLiteral("station.json"));
        writeFile(profile, before + "{\"buzzer-pitch\": 3}");
        station.run({profile, QStringLiteral("--no-verify"), QStringLiteral("--once")});
        QCOMPARE(station.status, 0);
        SettingsImage expected = shippedFactoryImage();
        QVERIFY(findSetting(QStringLiteral("buzzer-pitch"))
                    ->assign(expected, QStringLiteral("3"))
                    .isEmpty());
        QCOMPARE(station.log().first().value(QStringLiteral("imageSha256")).toString(),
                 sha256Sent(expected));
        QCOMPARE(station.log().first().value(QStringLiteral("settings")).toString(),
                 QStringLiteral("station.json"));
    }

    // The runner is told the limit; a bad one is refused before any reader is waited for.
    void timeoutReachesTheCompanionRunner_data() {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("limit");
        QTest::newRow("20 s") << "20" << 0 << 20;
        QTest::newRow("zero") << "0" << 2 << 0;
        QTest::newRow("not a number") << "soon" << 2 << 0;
    }

    void timeoutReachesTheCompanionRunner() {
        QFETCH(QString, seconds);
        QFETCH(int, status);
        QFETCH(int, limit);
        Station station;
        station.queue = {{{}, true, 0, {}}};
        station.run({station.settingsFile(), QStringLiteral("--no-verify"),
                     QStringLiteral("--once"), QStringLiteral("--timeout"), seconds});
        QCOMPARE(station.status, status);
        QCOMPARE(station.runner.runs, status == 0 ? 1 : 0);
        QCOMPARE(station.runner.timeLimit().value_or(std::chrono::seconds(0)).count(), limit);
    }

    // After "--" the settings file may be any name, one that looks like an option too.
    void doubleDashEndsTheOptions() {
        Station station;
        station.queue = {{{}, true, 0, {}}};
        station.run({QStringLiteral("--no-verify"), QStringLiteral("--once"), QStringLiteral("--"),
                     station.settingsFile()});
        QCOMPARE(station.status, 0);
        QCOMPARE(station.runner.runs, 1);
        station.run(
            {QStringLiteral("--once"), QStringLiteral("--"), QStringLiteral("--no-verify")});
        QCOMPARE(station.status, 3);
    }

    void escapesTheSerialNumber() {
        Station station;
        station.queue = {{QStringLiteral("SN\n\x1b[31m"), true, 0, {}}};
        station.run(
            {station.settingsFile(), QStringLiteral("--no-verify"), QStringLiteral("--once")});
        QVERIFY2(station.out.contains(QStringLiteral("serial SN\\n\\x1b[31m\n")),
                 qPrintable(station.out));
    }
};

QTEST_GUILESS_MAIN(CliProvisionTest)
#include "test_cli_provision.moc"
