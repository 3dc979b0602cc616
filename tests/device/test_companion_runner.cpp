#include "core/session.h"
#include "device/companion_command.h"
#include "device/process_companion_runner.h"
#include "device/transmission.h"
#include "process_probe.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::CompanionRun::Outcome)

namespace {

// A stand-in companion: records its folder, its arguments and the transfer file it found.
const QByteArray kRecorder = "#!/bin/sh\n"
                             "pwd > \"$0.folder\"\n"
                             "printf '%s|' \"$@\" > \"$0.arguments\"\n"
                             "cat usbData.txt > \"$0.transfer\" 2>/dev/null\n"
                             "exit 3\n";
const QByteArray kCrasher = "#!/bin/sh\nkill -SEGV $$\n";
// Stand-ins that hang and leave the pid of a child: one whose child goes when asked to,
// one that must be killed with its child, one that goes but leaves a child that must be killed.
const QByteArray kSleeper = "#!/bin/sh\nsleep 30 &\necho $! > \"$0.pid\"\nwait\n";
const QByteArray kStubborn = "#!/bin/sh\ntrap '' TERM\nsleep 30 &\necho $! > \"$0.pid\"\n"
                             "while :; do sleep 0.1; done\n";
const QByteArray kLeavesAChild = "#!/bin/sh\n(trap '' TERM; exec sleep 30) &\n"
                                 "echo $! > \"$0.pid\"\nwait\n";

// A stand-in Windows program: only its first two bytes matter.
const QByteArray kWindowsProgram = "MZ\x90\0\3\0\0\0 stand-in";
// A stand-in wine that records how it was asked to run the program.
const QByteArray kWine = "#!/bin/sh\n"
                         "pwd > \"$0.folder\"\n"
                         "printf '%s|' \"$@\" > \"$0.arguments\"\n"
                         "exit 7\n";

void writeScript(const QString& path, const QByteArray& body, bool executable = true) {
    writeFile(path, body);
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QFile::setPermissions(path, permissions);
}

} // namespace

// Runs real processes, so it proves the runner itself; every other test uses the fake.
class CompanionRunnerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_path;

    QString folder(const QString& name) const {
        const QString path = m_dir->filePath(name);
        QDir().mkpath(path);
        return path;
    }
    void putFirstOnSearchPath(const QString& path) {
        qputenv("PATH", QFile::encodeName(path) + ':' + m_path);
    }

private slots:
    void initTestCase() {
#ifndef Q_OS_UNIX
        QSKIP("the stand-in companion is a shell script");
#endif
        m_path = qgetenv("PATH");
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        qputenv("PATH", m_path);
    }

    void outcomes_data() {
        QTest::addColumn<QString>("where"); // "beside", "path" or "" for nowhere
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<CompanionRun::Outcome>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("exitCode");
        using O = CompanionRun::Outcome;
        QTest::newRow("on the search path, exit code not judged")
            << "path" << kRecorder << true << O::Exited << QString() << 3;
        QTest::newRow("beside the program")
            << "beside" << kRecorder << true << O::Exited << QString() << 3;
        QTest::newRow("not found") << "" << QByteArray() << true << O::NotFound << QString() << 0;
        QTest::newRow("not executable on the search path")
            << "path" << kRecorder << false << O::NotStarted
            << QStringLiteral("execvp: Permission denied") << 0;
        QTest::newRow("not executable beside the program")
            << "beside" << kRecorder << false << O::NotStarted
            << QStringLiteral("execvp: Permission denied") << 0;
        QTest::newRow("crashes") << "path" << kCrasher << true << O::Crashed
                                 << QStringLiteral("Process crashed") << 11;
    }
    void outcomes() {
        QFETCH(QString, where);
        QFETCH(QByteArray, body);
        QFETCH(bool, executable);
        QFETCH(CompanionRun::Outcome, outcome);
        QFETCH(QString, reason);
        QFETCH(int, exitCode);

        const QString beside = folder(QStringLiteral("bin"));
        const QString onPath = folder(QStringLiteral("path"));
        const QString work = folder(QStringLiteral("work"));
        putFirstOnSearchPath(onPath);
        QString script;
        if (!where.isEmpty()) {
            script = (where == QLatin1String("beside") ? beside : onPath) +
                     QStringLiteral("/Hoplink.exe");
            writeScript(script, body, executable);
        }

        ProcessCompanionRunner runner({beside});
        const CompanionRun run = runner.run(QStringLiteral("Hoplink.exe"),
                                            {QStringLiteral("a b"), QStringLiteral("*")}, work);

        QCOMPARE(run.outcome, outcome);
        QCOMPARE(run.program, script.isEmpty() ? QStringLiteral("Hoplink.exe") : script);
        QCOMPARE(run.reason, reason);
        QCOMPARE(run.exitCode, exitCode);
        if (outcome == CompanionRun::Outcome::Exited) {
            QCOMPARE(fileContent(script + QStringLiteral(".folder")).trimmed(),
                     QFile::encodeName(QDir(work).canonicalPath()));
            // Arguments arrive as given: no shell splits or expands them.
            QCOMPARE(fileContent(script + QStringLiteral(".arguments")), QByteArray("a b|*|"));
        }
    }

    void besideTheProgramComesBeforeTheSearchPath() {
        const QString beside = folder(QStringLiteral("bin"));
        const QString onPath = folder(QStringLiteral("path"));
        writeScript(beside + QStringLiteral("/Hoplink.exe"), kRecorder);
        writeScript(onPath + QStringLiteral("/Hoplink.exe"), kRecorder);
        putFirstOnSearchPath(onPath);
        QCOMPARE(ProcessCompanionRunner({beside}).locate(QStringLiteral("Hoplink.exe")),
                 beside + QStringLiteral("/Hoplink.exe"));
    }

    void anExecutableLaterOnTheSearchPathBeatsAnUnusableFileEarlier() {
        const QString first = folder(QStringLiteral("first"));
        const QString second = folder(QStringLiteral("second"));
        writeScript(first + QStringLiteral("/Hoplink.exe"), kRecorder, false);
        writeScript(second + QStringLiteral("/Hoplink.exe"), kRecorder);
        putFirstOnSearchPath(first + QLatin1Char(':') + second);
        QCOMPARE(ProcessCompanionRunner({folder(QStringLiteral("bin"))})
                     .locate(QStringLiteral("Hoplink.exe")),
                 second + QStringLiteral("/Hoplink.exe"));
    }

    void windowsProgramRunsUnderWine_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("wine");
        QTest::newRow("beside the program, no execute permission") << "beside" << false << true;
        QTest::newRow("on the search path, executable") << "path" << true << true;
        QTest::newRow("no wine") << "path" << false << false;
    }
    void windowsProgramRunsUnderWine() {
        QFETCH(QString, where);
        QFETCH(bool, executable);
        QFETCH(bool, wine);
        const QString beside = folder(QStringLiteral("bin"));
        const QString onPath = folder(QStringLiteral("path"));
        const QString winePath = folder(QStringLiteral("wine"));
        const QString work = folder(QStringLiteral("work"));
        const QString program = (where == QLatin1String("beside") ? beside : onPath) +
                                QStringLiteral("/Hoplink.exe");
        writeScript(program, kWindowsProgram, executable);
        writeScript(winePath + QStringLiteral("/wine"), kWine);
        // Only the folders named here: a wine installed on the machine must not count.
        qputenv("PATH", QFile::encodeName(onPath + (wine ? QLatin1Char(':') + winePath : QString())));

        const CompanionRun run = ProcessCompanionRunner({beside}).run(
            QStringLiteral("Hoplink.exe"), {QStringLiteral("a b")}, work);

        QCOMPARE(run.program, program);
        if (!wine) {
            QCOMPARE(run.outcome, CompanionRun::Outcome::NeedsWine);
            return;
        }
        QCOMPARE(run.outcome, CompanionRun::Outcome::Exited);
        QCOMPARE(run.exitCode, 7);
        const QString recorded = winePath + QStringLiteral("/wine");
        QCOMPARE(fileContent(recorded + QStringLiteral(".folder")).trimmed(),
                 QFile::encodeName(QDir(work).canonicalPath()));
        QCOMPARE(fileContent(recorded + QStringLiteral(".arguments")),
                 QFile::encodeName(program) + "|a b|");
    }

    // A stop returns at once; a timeout waits until the program and all it started are gone.
    // Either way what ignores the request is killed after the delay.
    void aHangingProgramIsEnded_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("byTimeout");
        QTest::addColumn<CompanionRun::Outcome>("outcome");
        using O = CompanionRun::Outcome;
        QTest::newRow("stop, goes when asked") << kSleeper << false << O::Stopped;
        QTest::newRow("stop, must be killed") << kStubborn << false << O::Stopped;
        QTest::newRow("stop, leaves a child") << kLeavesAChild << false << O::Stopped;
        QTest::newRow("timeout, goes when asked") << kSleeper << true << O::TimedOut;
        QTest::newRow("timeout, must be killed") << kStubborn << true << O::TimedOut;
        QTest::newRow("timeout, leaves a child") << kLeavesAChild << true << O::TimedOut;
    }
    void aHangingProgramIsEnded() {
        QFETCH(QByteArray, body);
        QFETCH(bool, byTimeout);
        QFETCH(CompanionRun::Outcome, outcome);
        const QString beside = folder(QStringLiteral("bin"));
        const QString script = beside + QStringLiteral("/Hoplink.exe");
        writeScript(script, body);
        ProcessCompanionRunner runner({beside});
        runner.setKillDelay(std::chrono::milliseconds(200));
        if (byTimeout)
            runner.setTimeLimit(std::chrono::seconds(1));
        else // once the script has said who it is
            QTimer::singleShot(300, [&runner] { runner.stop(); });

        const CompanionRun run = runner.run(QStringLiteral("Hoplink.exe"), {}, folder(QStringLiteral("work")));

        QCOMPARE(run.outcome, outcome);
        QCOMPARE(run.program, script);
        const QByteArray pid = fileContent(script + QStringLiteral(".pid"));
        QVERIFY(!pid.isEmpty());
        const auto leftOver = qScopeGuard([&pid] { ::kill(pid.trimmed().toInt(), SIGKILL); });
        if (byTimeout)
            QVERIFY(processGone(pid));
        else
            QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 3000);
        runner.stop(); // nothing runs any more: nothing happens
    }

    void whatCountsAsAWindowsProgram_data() {
        QTest::addColumn<QByteArray>("content"); // written to a file unless "FIFO"
        QTest::addColumn<bool>("windows");
        QTest::newRow("MZ") << QByteArray("MZ") << true;
        QTest::newRow("M alone") << QByteArray("M") << false;
        QTest::newRow("script") << kRecorder << false;
        QTest::newRow("FIFO, not read") << QByteArray("FIFO") << false;
    }
    void whatCountsAsAWindowsProgram() {
        QFETCH(QByteArray, content);
        QFETCH(bool, windows);
        const QString path = m_dir->filePath(QStringLiteral("Hoplink.exe"));
        if (content == "FIFO")
            QVERIFY(makeFifo(path));
        else
            writeFile(path, content);
        QCOMPARE(isWindowsProgram(path), windows);
    }

    void aWindowsProgramWithoutExecutePermissionIsFoundFirst() {
        const QString first = folder(QStringLiteral("first"));
        const QString second = folder(QStringLiteral("second"));
        writeScript(first + QStringLiteral("/Hoplink.exe"), kWindowsProgram, false);
        writeScript(second + QStringLiteral("/Hoplink.exe"), kRecorder);
        putFirstOnSearchPath(first + QLatin1Char(':') + second);
        QCOMPARE(ProcessCompanionRunner({folder(QStringLiteral("bin"))})
                     .locate(QStringLiteral("Hoplink.exe")),
                 first + QStringLiteral("/Hoplink.exe"));
    }

    void environmentCommandRunsWithItsArgumentsAndNoShell() {
        const QString tools = folder(QStringLiteral("my tools"));
        const QString work = folder(QStringLiteral("work"));
        const QString script = tools + QStringLiteral("/hop tool");
        writeScript(script, kRecorder);
        qputenv(kCompanionVariable,
                QFile::encodeName(QStringLiteral("'%1' --port \"a b\" $HOME '*'").arg(script)));
        Session session;
        ProcessCompanionRunner runner({folder(QStringLiteral("bin"))});

        const TransmitOutcome outcome = transmitSettings(session, work, runner);
        qunsetenv(kCompanionVariable);

        QCOMPARE(outcome.failure, TransmitOutcome::Failure::CompanionFailed); // the recorder ends with 3
        QCOMPARE(outcome.exitCode, 3);
        QCOMPARE(fileContent(script + QStringLiteral(".arguments")),
                 QByteArray("--port|a b|$HOME|*|"));
        QCOMPARE(fileContent(script + QStringLiteral(".transfer")).size(), 258);
    }

    void transmissionHandsTheCompanionTheFileInItsFolder() {
        const QString onPath = folder(QStringLiteral("path"));
        const QString work = folder(QStringLiteral("work"));
        const QString script = onPath + QStringLiteral("/Hoplink.exe");
        writeScript(script, kRecorder);
        putFirstOnSearchPath(onPath);
        Session session;
        session.image = patternImage(3);
        ProcessCompanionRunner runner({folder(QStringLiteral("bin"))});

        const TransmitOutcome outcome = transmitSettings(session, work, runner);

        QCOMPARE(outcome.message, QStringLiteral("The companion program %1 ended with status 3.").arg(script));
        QCOMPARE(fileContent(script + QStringLiteral(".folder")).trimmed(),
                 QFile::encodeName(QDir(work).canonicalPath()));
        const QByteArray seen = fileContent(script + QStringLiteral(".transfer"));
        QCOMPARE(seen.size(), 258);
        QVERIFY(seen.endsWith("80\r\n"));
        QCOMPARE(seen, fileContent(work + QStringLiteral("/usbData.txt")));
        QCOMPARE(fileContent(script + QStringLiteral(".arguments")), QByteArray("|"));
    }
};

QTEST_GUILESS_MAIN(CompanionRunnerTest)
#include "test_companion_runner.moc"
