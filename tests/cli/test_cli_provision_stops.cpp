// quorvel-cli provision: how a run ends, by failing output, Ctrl+C or a stop request.
#include "provision_station.h"

using namespace quorvel;
using namespace quorvel::provision_tests;

class CliProvisionStopsTest : public QObject {
    Q_OBJECT
private slots:
    // Prompts no one can see: the run ends before the next reader.
    void endsWhenItsOutputFails() {
        Station station;
        station.queue = {{{}, true, 0, {}}, {{}, true, 0, {}}};
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        QTextStream o(&full);
        QTextStream e(&station.err);
        QCOMPARE(runCli({QStringLiteral("provision"), station.settingsFile(),
                         QStringLiteral("--no-verify")},
                        o, e, station.context(station.input)),
                 3);
        QCOMPARE(station.bus.enumerations, 0);
    }

    void ctrlCWhileWaitingRestoresTheTerminal() {
        int master = -1;
        int slave = -1;
        QVERIFY(::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
        termios before{};
        ::tcgetattr(slave, &before);
        Station station;
        int polls = 0;
        station.bus.cue = [&] {
            if (++polls == 3)
                QCOMPARE(::write(master, "\x03", 1), 1);
        };
        {
            const std::unique_ptr<TerminalInput> terminal = openTerminalInput(slave);
            QString out;
            QTextStream o(&out);
            QTextStream e(&station.err);
            CliContext context = station.context(*terminal);
            context.pollMs = 5;
            QCOMPARE(runCli({QStringLiteral("provision"), station.settingsFile()}, o, e, context),
                     0);
            o.flush();
            QCOMPARE(
                out,
                QStringLiteral(
                    "Plug in the next reader\n\nReaders set up: 0, failed: 0, not verified: 0\n"));
        }
        termios after{};
        ::tcgetattr(slave, &after);
        QCOMPARE(after.c_lflag, before.c_lflag);
        QCOMPARE(after.c_iflag, before.c_iflag);
        ::close(master);
        ::close(slave);
    }

    // A stop request while a companion hangs ends it and all it started, then the run,
    // with its summary.
    void aStopEndsAHangingCompanionAndTheRun_data() {
        QTest::addColumn<bool>("signal"); // SIGTERM, or Ctrl+C typed on the raw terminal
        QTest::newRow("SIGTERM") << true;
        QTest::newRow("Ctrl+C") << false;
    }

    void aStopEndsAHangingCompanionAndTheRun() {
        QFETCH(bool, signal);
        int master = -1;
        int slave = -1;
        QVERIFY(::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
        const std::unique_ptr<TerminalInput> terminal = openTerminalInput(slave);
        Station station;
        station.queue = {{QStringLiteral("SN1"), true, 0, {}}};
        const QString companion = station.dir.filePath(QStringLiteral("hang.sh"));
        writeFile(companion, "#!/bin/sh\nsleep 987654 &\necho $! > \"$0.pid\"\nwait\n");
        QFile::setPermissions(companion, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(kCompanionVariable, QFile::encodeName(companion));
        ProcessCompanionRunner runner;
        runner.setKillDelay(std::chrono::milliseconds(300));
        runner.setListening(true);
        station.realRunner = &runner;
        station.realInput = terminal.get();
        QByteArray pid;
        QTimer poke;
        QObject::connect(&poke, &QTimer::timeout, [&] {
            pid = fileContent(companion + QStringLiteral(".pid"));
            if (!pid.endsWith('\n'))
                return;
            poke.stop();
            if (signal)
                ::kill(::getpid(), SIGTERM);
            else
                QCOMPARE(::write(master, "\x03", 1), 1);
        });
        poke.start(50);
        const auto tidy = qScopeGuard([&] {
            qunsetenv(kCompanionVariable);
            ending_signals::clearRequest();
            ::kill(pid.trimmed().toInt(), SIGKILL);
            ::close(master);
            ::close(slave);
        });
        station.run({station.settingsFile()});
        QCOMPARE(ending_signals::stopRequested(), signal); // Ctrl+C alone did it
        QVERIFY(processGone(pid));
        QVERIFY2(station.out.endsWith(QStringLiteral(
                     " was stopped.\n\nReaders set up: 0, failed: 1, not verified: 0\n")),
                 qPrintable(station.out));
        QCOMPARE(station.log().size(), 1);
        QCOMPARE(station.log().first().value(QStringLiteral("transmission")).toString(),
                 QStringLiteral("failed"));
    }
};

QTEST_GUILESS_MAIN(CliProvisionStopsTest)
#include "test_cli_provision_stops.moc"
