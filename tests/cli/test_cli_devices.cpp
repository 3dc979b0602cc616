#include "cli/cli.h"
#include "core/files/settings_file.h"
#include "fake_companion_runner.h"
#include "device/process_companion_runner.h"
#include "device/transfer_file.h"
#include "fake_hid_bus.h"
#include "process_probe.h"
#include "test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace quorvel;

namespace {

// The built tool in the folder, with the stand-in companion named in QUORVEL_COMPANION.
void prepareTool(QProcess& tool, const QString& folder, const QString& companion) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVEL_COMPANION"), companion);
    tool.setProcessEnvironment(environment);
    tool.setWorkingDirectory(folder);
}

QString writeCompanion(const QString& path, const QByteArray& body) {
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray waitForContent(const QString& path) {
    QByteArray content;
    for (int i = 0; i < 200 && !content.endsWith('\n'); ++i) {
        QTest::qWait(50);
        content = fileContent(path);
    }
    return content;
}

} // namespace

class CliDevicesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    struct Run {
        int status;
        QString out;
        QString err;
    };

    // The command as the tool runs it, on the given bus, runner and folder.
    static int cli(const QStringList& args, QTextStream& o, QTextStream& e, HidBus& bus,
                   CompanionRunner* runner = nullptr, const QString& folder = {}) {
        CliContext context;
        context.bus = &bus;
        context.runner = runner;
        context.folder = folder;
        return runCli(args, o, e, context);
    }

    template <typename F>
    static Run capture(F command) {
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        const int status = command(o, e);
        o.flush();
        e.flush();
        return {status, out, err};
    }

private slots:
    void listsReaders() {
        FakeHidBus bus;
        bus.add(QStringLiteral("/dev/hidraw0"), 0x046D, 0xC077)
            .add(QStringLiteral("/dev/hidraw1"), 0x10C4, 0x890C, true, QStringLiteral("SN42"))
            .add(QStringLiteral("/dev/hidraw2"), 0x10C4, 0x890C, false);
        Run r = capture([&](QTextStream& o, QTextStream& e) { return cli({QStringLiteral("devices")}, o, e, bus); });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("/dev/hidraw1  serial SN42  can be opened\n"
                                       "/dev/hidraw2  serial -  cannot be opened: Permission denied (/dev/hidraw2)\n"));
        QVERIFY(bus.stillOpen().isEmpty());

        r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("devices"), QStringLiteral("--json")}, o, e, bus);
        });
        const QJsonArray readers = QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("readers")).toArray();
        QCOMPARE(readers.size(), 2);
        QCOMPARE(readers.at(0).toObject().value(QStringLiteral("serial")).toString(), QStringLiteral("SN42"));
        QCOMPARE(readers.at(1).toObject().value(QStringLiteral("opened")).toBool(), false);
        QVERIFY(readers.at(1).toObject().contains(QStringLiteral("reason")));
    }

    void noReaderIsStatusOne() {
        FakeHidBus bus;
        bus.add(QStringLiteral("/dev/hidraw0"), 0x10C4, 0x1234);
        const Run r = capture([&](QTextStream& o, QTextStream& e) { return cli({QStringLiteral("devices")}, o, e, bus); });
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QStringLiteral("no reader found\n"));
    }

    void transmitStatuses_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("exit 0") << int(CompanionRun::Outcome::Exited) << 0 << 0 << "";
        QTest::newRow("exit 3 is the tool's 5") << int(CompanionRun::Outcome::Exited) << 3 << 5 << "ended with status 3.";
        QTest::newRow("not found") << int(CompanionRun::Outcome::NotFound) << 0 << 5 << "was not found";
        QTest::newRow("not started") << int(CompanionRun::Outcome::NotStarted) << 0 << 5 << "could not be started";
        QTest::newRow("crashed") << int(CompanionRun::Outcome::Crashed) << 11 << 5 << "was ended by signal 11 (SIGSEGV).";
        QTest::newRow("windows program, no wine")
            << int(CompanionRun::Outcome::NeedsWine) << 0 << 5
            << "quorvel-cli: The companion program Hoplink.exe is a Windows program: Wine is needed "
               "to run it";
    }
    void transmitStatuses() {
        QFETCH(int, outcome);
        QFETCH(int, exitCode);
        QFETCH(int, status);
        QFETCH(QString, message);
        FakeHidBus bus;
        bus.add(QStringLiteral("/dev/hidraw1"), 0x10C4, 0x890C);
        FakeCompanionRunner runner;
        runner.result = {static_cast<CompanionRun::Outcome>(outcome), QStringLiteral("Hoplink.exe"),
                         QStringLiteral("boom"), exitCode};
        SettingsImage image = patternImage();
        image[127] = 0;
        const QString file = m_dir.filePath(QStringLiteral("send.msr"));
        writeFile(file, composeSettingsText(image));
        const Run r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), file}, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.status, status);
        QCOMPARE(runner.runs, 1);
        QVERIFY2(message.isEmpty() ? r.err.isEmpty() : r.err.contains(message), qPrintable(r.err));
        // The transfer file carries byte 127 as 0x80; the settings file is left as it was.
        const QByteArray sent = runner.transferTexts.at(0);
        QCOMPARE(sent.size(), 258);
        QCOMPARE(sent.mid(254, 2), QByteArray("80"));
        QCOMPARE(fileContent(file), composeSettingsText(image));
    }

    // Without a reader a failure is one line; a success keeps the warning.
    void noReaderIsOneLine_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("sent") << 0 << "quorvel-cli: warning: no reader found; transmitting anyway\n";
        QTest::newRow("failed")
            << 3 << "quorvel-cli: The companion program /opt/hop/Hoplink.exe ended with status 3. No reader was found.\n";
    }
    void noReaderIsOneLine() {
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        FakeHidBus bus;
        FakeCompanionRunner runner;
        runner.result.exitCode = exitCode;
        const QString file = m_dir.filePath(QStringLiteral("early.msr"));
        QFile::copy(shippedFactoryFile(), file);
        const Run r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), file}, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.err, err);
    }

    void transmitWarnsWithoutAReaderAndRefusesBadFiles() {
        FakeHidBus bus;
        FakeCompanionRunner runner;
        const QString file = m_dir.filePath(QStringLiteral("factory.msr"));
        QFile::copy(shippedFactoryFile(), file);
        Run r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), file}, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains(QStringLiteral("no reader found")));

        r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), m_dir.filePath(QStringLiteral("none.msr"))}, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.status, 3);
        QCOMPARE(runner.runs, 1);

        r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), file}, o, e, bus, &runner, m_dir.filePath(QStringLiteral("no/folder")));
        });
        QCOMPARE(r.status, 3);
        QCOMPARE(runner.runs, 1);
    }

    void transmitTimeoutNeedsWholeSeconds_data() {
        QTest::addColumn<QStringList>("words"); // FILE stands for the settings file
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("limit"); // seconds handed to the runner, 0: none
        QTest::newRow("none") << QStringList{"FILE"} << 0 << 0;
        QTest::newRow("before FILE") << QStringList{"--timeout", "30", "FILE"} << 0 << 30;
        QTest::newRow("after FILE") << QStringList{"FILE", "--timeout", "1"} << 0 << 1;
        QTest::newRow("missing") << QStringList{"FILE", "--timeout"} << 2 << 0;
        QTest::newRow("zero") << QStringList{"FILE", "--timeout", "0"} << 2 << 0;
        QTest::newRow("negative") << QStringList{"FILE", "--timeout", "-1"} << 2 << 0;
        QTest::newRow("fraction") << QStringList{"FILE", "--timeout", "1.5"} << 2 << 0;
        QTest::newRow("words") << QStringList{"FILE", "--timeout", "soon"} << 2 << 0;
        QTest::newRow("too long") << QStringList{"FILE", "--timeout", "86401"} << 2 << 0;
        QTest::newRow("unknown option") << QStringList{"FILE", "--wait"} << 2 << 0;
        QTest::newRow("after -- an operand") << QStringList{"--", "FILE", "--timeout"} << 2 << 0;
    }
    void transmitTimeoutNeedsWholeSeconds() {
        QFETCH(QStringList, words);
        QFETCH(int, status);
        QFETCH(int, limit);
        FakeHidBus bus;
        FakeCompanionRunner runner;
        std::optional<std::chrono::seconds> seen;
        runner.whileRunning = [&] { seen = runner.timeLimit(); };
        const QString file = m_dir.filePath(QStringLiteral("t.msr"));
        QFile::copy(shippedFactoryFile(), file);
        words.replaceInStrings(QStringLiteral("FILE"), file);
        const Run r = capture([&](QTextStream& o, QTextStream& e) {
            return cli(QStringList{QStringLiteral("transmit")} + words, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.status, status);
        QCOMPARE(runner.runs, status == 0 ? 1 : 0);
        if (status == 0)
            QCOMPARE(seen.value_or(std::chrono::seconds(0)).count(), limit);
        QVERIFY(!runner.timeLimit()); // not left behind for the next run
    }

    void transmitEndsACompanionPastTheTimeout() {
#ifndef Q_OS_UNIX
        QSKIP("the stand-in companion is a shell script");
#endif
        const QString beside = m_dir.filePath(QStringLiteral("bin"));
        QDir().mkpath(beside);
        const QString companion = beside + QStringLiteral("/Hoplink.exe");
        writeFile(companion, "#!/bin/sh\nexec sleep 30\n");
        QFile::setPermissions(companion, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString file = m_dir.filePath(QStringLiteral("slow.msr"));
        QFile::copy(shippedFactoryFile(), file);
        FakeHidBus bus;
        bus.add(QStringLiteral("/dev/hidraw1"), 0x10C4, 0x890C);
        ProcessCompanionRunner runner({beside});
        const Run r = capture([&](QTextStream& o, QTextStream& e) {
            return cli({QStringLiteral("transmit"), file, QStringLiteral("--timeout"), QStringLiteral("1")}, o, e, bus, &runner, m_dir.path());
        });
        QCOMPARE(r.status, 5);
        QCOMPARE(r.err, QStringLiteral("quorvel-cli: transmit: The companion program %1 was stopped "
                                       "after the timeout of 1 s.\n")
                            .arg(companion));
    }
    // Whatever ends the companion ends all it started, and a child it leaves is ended when
    // the tool ends, so that "| cat" ends too.
    void theToolEndsAllTheCompanionStarted_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("signal"); // SIGTERM to the tool rather than --timeout 1
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QString timedOut = QStringLiteral("was stopped after the timeout of 1 s.");
        QTest::newRow("timeout, a child in the background")
            << QByteArray("sleep 987654 &\necho $! > \"$0.pid\"\nwait\n") << false << 5 << timedOut;
        QTest::newRow("timeout, a child in the foreground")
            << QByteArray("sh -c 'echo $$ > \"$0\"; exec sleep 987654' \"$0.pid\"\n") << false << 5
            << timedOut;
        QTest::newRow("timeout, a child that ignores TERM")
            << QByteArray("(trap '' TERM; exec sleep 987654) &\necho $! > \"$0.pid\"\nwait\n") << false
            << 5 << timedOut;
        QTest::newRow("sent, a child left running")
            << QByteArray("sleep 987654 &\necho $! > \"$0.pid\"\n") << false << 0 << QString();
        QTest::newRow("SIGTERM to the tool")
            << QByteArray("sleep 987654 &\necho $! > \"$0.pid\"\nwait\n") << true << 128 + SIGTERM
            << QStringLiteral("was stopped.");
    }
    void theToolEndsAllTheCompanionStarted() {
#ifndef Q_OS_UNIX
        QSKIP("the stand-in companion is a shell script");
#endif
        QFETCH(QByteArray, body);
        QFETCH(bool, signal);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString companion = writeCompanion(dir.filePath(QStringLiteral("hang.sh")), body);
        const QString file = dir.filePath(QStringLiteral("s.msr"));
        QFile::copy(shippedFactoryFile(), file);
        QProcess tool;
        prepareTool(tool, dir.path(), companion);
        QStringList words{QStringLiteral("transmit"), file};
        if (!signal)
            words << QStringLiteral("--timeout") << QStringLiteral("1");
        // Through a pipe, as "quorvel-cli transmit ... 2>&1 | cat": it ends once nothing holds it.
        tool.start(QStringLiteral("/bin/sh"),
                   QStringList{QStringLiteral("-c"),
                               QStringLiteral("{ \"$0\" \"$@\" & echo $! > tool.pid; wait $!; "
                                              "echo \"status $?\"; } 2>&1 | cat"),
                               QStringLiteral(QUORVEL_CLI_PROGRAM)} + words);
        const QByteArray pid = waitForContent(companion + QStringLiteral(".pid"));
        QVERIFY(!pid.isEmpty());
        const auto leftOver = qScopeGuard([&pid] { ::kill(pid.trimmed().toInt(), SIGKILL); });
        if (signal)
            QCOMPARE(::kill(fileContent(dir.filePath(QStringLiteral("tool.pid"))).trimmed().toInt(), SIGTERM), 0);
        QVERIFY(tool.state() == QProcess::NotRunning || tool.waitForFinished(20000));
        QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.removeAll(QStringLiteral("Terminated")); // the shell's word for the signal
        QCOMPARE(lines.takeLast(), QStringLiteral("status %1").arg(status));
        if (said.isEmpty()) {
            QVERIFY(lines.size() <= 1); // the warning where the machine has no reader
        } else {
            QVERIFY2(lines.size() == 1 && lines.first().contains(said), qPrintable(lines.join(u'|')));
        }
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 5000);
    }

    // Each transmission sends its own image, the later one waiting for the earlier's end;
    // its --timeout covers the wait.
    void oneTransmissionPerFolderAtATime_data() {
        QTest::addColumn<QString>("timeout"); // for the second, empty for none
        QTest::addColumn<int>("status");
        QTest::newRow("waits its turn") << QString() << 0;
        QTest::newRow("runs out of time waiting") << "1" << 5;
    }
    void oneTransmissionPerFolderAtATime() {
#ifndef Q_OS_UNIX
        QSKIP("the stand-in companion is a shell script");
#endif
        QFETCH(QString, timeout);
        QFETCH(int, status);
        QTemporaryDir dir;
        // Says it runs, reads usbData.txt late and keeps it under the name of the tool that ran it.
        const QString companion = writeCompanion(
            dir.filePath(QStringLiteral("late.sh")),
            "echo > started\nsleep 3\ncat usbData.txt > \"sent-$PPID\"\n");
        SettingsImage images[2] = {patternImage(1), patternImage(2)};
        QProcess tools[2];
        qint64 pids[2] = {};
        for (int i = 0; i < 2; ++i) {
            const QString file = dir.filePath(QStringLiteral("%1.msr").arg(i));
            writeFile(file, composeSettingsText(images[i]));
            images[i][127] = 0x80;
            prepareTool(tools[i], dir.path(), companion);
            QStringList words{QStringLiteral("transmit"), file};
            if (i == 1 && !timeout.isEmpty())
                words << QStringLiteral("--timeout") << timeout;
            tools[i].start(QStringLiteral(QUORVEL_CLI_PROGRAM), words);
            QVERIFY(tools[i].waitForStarted());
            pids[i] = tools[i].processId();
            // The second starts while the first one's companion runs.
            QVERIFY(i == 1 || !waitForContent(dir.filePath(QStringLiteral("started"))).isEmpty());
        }
        for (QProcess& tool : tools)
            QVERIFY(tool.state() == QProcess::NotRunning || tool.waitForFinished(30000));
        const QString firstSaid = QString::fromUtf8(tools[0].readAllStandardError());
        const QString secondSaid = QString::fromUtf8(tools[1].readAllStandardError());
        QCOMPARE(tools[0].exitCode(), 0);
        QCOMPARE(tools[1].exitCode(), status);
        const QString waits = QStringLiteral("waiting for another transmission from this folder");
        QCOMPARE(firstSaid.count(waits), 0);
        QCOMPARE(secondSaid.count(waits), 1);
        const auto sent = [&](int i) { return dir.filePath(QStringLiteral("sent-%1").arg(pids[i])); };
        QCOMPARE(fileContent(sent(0)), transferText(images[0]));
        if (status == 0) {
            QCOMPARE(fileContent(sent(1)), transferText(images[1]));
        } else {
            QVERIFY(!QFile::exists(sent(1)));
            QVERIFY2(secondSaid.endsWith(QStringLiteral("within the timeout of 1 s.\n")), qPrintable(secondSaid));
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("usbData.txt.lock"))));
    }
};

QTEST_GUILESS_MAIN(CliDevicesTest)
#include "test_cli_devices.moc"
