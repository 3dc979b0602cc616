#include "cli/cli.h"
#include "core/files/durable_append.h"
#include "cli/terminal_input_posix.h"
#include "core/ending_signals.h"
#include "core/image/setting_catalog.h"
#include "core/files/settings_file.h"
#include "device/companion_command.h"
#include "device/process_companion_runner.h"
#include "fake_companion_runner.h"
#include "fake_hid_bus.h"
#include "process_probe.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <deque>
#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace quorvel;

namespace {

const QByteArray kCardNumber = "4111111111111111";
const QByteArray kGoodSwipe = "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\r";
const QByteArray kTabSwipe = "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\t";

// Keys that arrive at given times on a clock of its own, so waits cost nothing.
class ScriptedInput : public TerminalInput {
public:
    struct Event {
        qint64 atMs;
        QByteArray bytes;
    };
    bool isTerminal() const override { return true; }
    qint64 nowMs() const override { return m_clock; }
    Chunk read(int timeoutMs) override {
        if (++reads > 100000) // a run that never ends is a failure, not a hang
            return {Chunk::Kind::Interrupted, {}, m_clock};
        if (!events.empty() && (timeoutMs < 0 || events.front().atMs <= m_clock + timeoutMs)) {
            const Event event = events.front();
            events.pop_front();
            m_clock = std::max(m_clock, event.atMs);
            return {Chunk::Kind::Bytes, event.bytes, m_clock};
        }
        if (timeoutMs < 0)
            return {Chunk::Kind::EndOfInput, {}, m_clock};
        m_clock += timeoutMs;
        return {Chunk::Kind::TimedOut, {}, m_clock};
    }
    void typeAfter(qint64 delayMs, const QByteArray& bytes) {
        events.push_back({m_clock + delayMs, bytes});
    }

    std::deque<Event> events;
    int reads = 0;

private:
    qint64 m_clock = 0;
};

// A terminal owned by the test, handed to one run of the tool.
class LentInput : public TerminalInput {
public:
    explicit LentInput(TerminalInput& input) : m_input(input) {}
    bool isTerminal() const override { return m_input.isTerminal(); }
    Chunk read(int timeoutMs) override { return m_input.read(timeoutMs); }
    qint64 nowMs() const override { return m_input.nowMs(); }

private:
    TerminalInput& m_input;
};

// A bus that runs a cue each time it is listed: readers come and go on it.
class CuedBus : public FakeHidBus {
public:
    std::vector<HidInterface> enumerate() override {
        if (cue)
            cue();
        return FakeHidBus::enumerate();
    }
    std::function<void()> cue;
};

struct Reader {
    QString serial;
    bool openable = true;
    int companionStatus = 0;
    QList<QPair<int, QByteArray>> swipes; // typed this long after the transmission
};

struct Station {
    QTemporaryDir dir;
    ScriptedInput input;
    CuedBus bus;
    FakeCompanionRunner runner;
    CompanionRunner* realRunner = nullptr; // instead of the fakes
    TerminalInput* realInput = nullptr;
    QList<Reader> queue;
    bool seen = false;
    int attached = 0;
    int status = -1;
    QString out;
    QString err;

    Station() {
        // Each reader is found on one listing and gone on the next; when none is left, Ctrl+C.
        bus.cue = [this] {
            if (!bus.entries.empty()) {
                if (seen)
                    bus.entries.clear();
                seen = !seen;
                return;
            }
            if (queue.isEmpty()) {
                input.typeAfter(0, "\x03");
                return;
            }
            const Reader reader = queue.takeFirst();
            bus.add(QStringLiteral("/dev/hidraw%1").arg(++attached), 0x10C4, 0x890C,
                    reader.openable, reader.serial);
            seen = true;
            runner.result.exitCode = reader.companionStatus;
            runner.whileRunning = [this, reader] {
                for (const auto& [delay, bytes] : reader.swipes)
                    input.typeAfter(delay, bytes);
            };
        };
    }

    QString
    settingsFile(const QByteArray& content = composeSettingsText(shippedFactoryImage())) const {
        writeFile(dir.filePath(QStringLiteral("station.msr")), content);
        return dir.filePath(QStringLiteral("station.msr"));
    }

    // The tool's context on this station; the terminal is the one given, lent for the run.
    CliContext context(TerminalInput& terminal) {
        CliContext context;
        context.factoryFile = shippedFactoryFile();
        context.bus = &bus;
        context.runner = realRunner ? realRunner : &runner;
        context.folder = dir.path();
        context.openTerminal = [&terminal] { return std::make_unique<LentInput>(terminal); };
        context.now = [] {
            return QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7), Qt::OffsetFromUTC, 3600);
        };
        return context;
    }

    void run(const QStringList& args) {
        QTextStream o(&out);
        QTextStream e(&err);
        status = runCli(QStringList{QStringLiteral("provision")} + args, o, e,
                        context(realInput ? *realInput : static_cast<TerminalInput&>(input)));
        o.flush();
        e.flush();
    }

    QList<QJsonObject> log() const {
        QList<QJsonObject> lines;
        for (const QByteArray& line :
             fileContent(dir.filePath(QStringLiteral("provision-log.jsonl"))).split('\n'))
            if (!line.isEmpty())
                lines << QJsonDocument::fromJson(line).object();
        return lines;
    }

    // No card data anywhere but the terminal's screen.
    void holdsNoCardNumber() const {
        QVERIFY(!fileContent(dir.filePath(QStringLiteral("provision-log.jsonl")))
                     .contains(kCardNumber));
        QVERIFY(!err.contains(QString::fromLatin1(kCardNumber)));
        QVERIFY(!out.contains(QString::fromLatin1(kCardNumber)));
    }
};

QString sha256Sent(SettingsImage image) {
    image.at(127) = 0x80;
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(image.data()), 128),
                                 QCryptographicHash::Sha256)
            .toHex());
}

QStringList strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Reader)

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
            << "Transmission failed: The companion program /opt/hop/Hoplink.exe ended with status 2.\n"
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
        station.run({station.settingsFile(), QStringLiteral("--no-verify"), QStringLiteral("--once"),
                     QStringLiteral("--timeout"), seconds});
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
        station.run({QStringLiteral("--once"), QStringLiteral("--"), QStringLiteral("--no-verify")});
        QCOMPARE(station.status, 3);
    }

    // A link is followed as the kernel's rule would: in a shared sticky folder only one of
    // the user's own or of the folder's owner.
    void logThroughALink_data() {
        QTest::addColumn<bool>("shared");
        QTest::newRow("own folder") << false;
        QTest::newRow("another user's link in a shared folder") << true;
    }
    void logThroughALink() {
        QFETCH(bool, shared);
        if (shared && ::geteuid() != 0)
            QSKIP("only root can give a link to another user");
        Station station;
        const QString target = station.dir.filePath(QStringLiteral("elsewhere.jsonl"));
        const QString link = station.dir.filePath(QStringLiteral("provision-log.jsonl"));
        QVERIFY(QFile::link(target, link));
        if (shared) {
            QVERIFY(::chmod(QFile::encodeName(station.dir.path()).constData(), 01777) == 0);
            QVERIFY(::lchown(QFile::encodeName(link).constData(), 65534, 65534) == 0);
        }
        station.queue = {{{}, true, 0, {}}};
        station.run({station.settingsFile(), QStringLiteral("--no-verify"), QStringLiteral("--once")});
        if (!shared) {
            QCOMPARE(station.status, 0);
            QCOMPARE(fileContent(target).count('\n'), 1);
            return;
        }
        QCOMPARE(station.status, 3);
        QCOMPARE(station.err, QStringLiteral("quorvel-cli: provision: %1: cannot write the log: %1 is a "
                                             "link in a shared folder that belongs to another user; "
                                             "it is not followed\n")
                                  .arg(link));
        QCOMPARE(station.bus.enumerations, 0);
        QVERIFY(!QFileInfo::exists(target));
    }

    // A log that cannot take records is refused before any reader is waited for, and its name
    // reaches the terminal escaped.
    void refusesALogInAReadOnlyFolderAtOnce() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkdir(folder));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setStandardInputFile(QProcess::nullDevice());
        const QStringList provision{QStringLiteral("provision"), shippedFactoryFile(),
                                    QStringLiteral("--log"), QStringLiteral("ro/evil\n\x1b[31mred.jsonl")};
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            process.start(QStringLiteral(QUORVEL_CLI_PROGRAM), provision);
        } else {
            // Root writes anywhere but on a read-only file system: one of its own, unseen outside.
            const QString mount = QStringLiteral("mount -t tmpfs -o ro tmpfs \"$0\" && exec \"$@\"");
            if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"),
                                                               QStringLiteral("-c"), mount, folder,
                                                               QStringLiteral("true")}) != 0)
                QSKIP("no read-only file system can be mounted here");
            process.start(QStringLiteral("unshare"),
                          QStringList{QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                                      mount, folder, QStringLiteral(QUORVEL_CLI_PROGRAM)} +
                              provision);
        }
        const bool ended = process.waitForFinished(20000);
        if (!ended)
            process.kill();
        process.waitForFinished();
        QVERIFY2(ended, "provision waited for a reader");
        QCOMPARE(process.exitCode(), 3);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith(QStringLiteral(
                     "quorvel-cli: provision: %1/evil\\n\\x1b[31mred.jsonl: cannot write the log: ")
                                    .arg(folder)),
                 qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
    }

    // Prompts no one can see: the run ends before the next reader.
    void endsWhenItsOutputFails() {
        Station station;
        station.queue = {{{}, true, 0, {}}, {{}, true, 0, {}}};
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        QTextStream o(&full);
        QTextStream e(&station.err);
        QCOMPARE(runCli({QStringLiteral("provision"), station.settingsFile(), QStringLiteral("--no-verify")}, o, e,
                        station.context(station.input)),
                 3);
        QCOMPARE(station.bus.enumerations, 0);
    }

    void escapesTheSerialNumber() {
        Station station;
        station.queue = {{QStringLiteral("SN\n\x1b[31m"), true, 0, {}}};
        station.run({station.settingsFile(), QStringLiteral("--no-verify"), QStringLiteral("--once")});
        QVERIFY2(station.out.contains(QStringLiteral("serial SN\\n\\x1b[31m\n")), qPrintable(station.out));
    }

    // Two stations on one log: each append waits for the other's, and a failed one takes back
    // its own bytes and nothing else.
    void appendsUnderALockAndTakesBackOnlyItsOwnBytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.jsonl"));
        DurableAppendFile log(path);
        QCOMPARE(log.open(), QString());
        writeFile(path, "other station\n");
        const int other = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND);
        QVERIFY(other >= 0);
        QVERIFY(::flock(other, LOCK_EX) == 0);
        QString reason = QStringLiteral("not run");
        std::thread appending([&] { reason = log.append("ours\n"); });
        QTest::qWait(200);
        const QByteArray whileLocked = fileContent(path);
        ::flock(other, LOCK_UN);
        appending.join();
        QCOMPARE(whileLocked, QByteArray("other station\n"));
        QCOMPARE(reason, QString());
        QCOMPARE(fileContent(path), QByteArray("other station\nours\n"));

        // A size limit a few bytes beyond the end: the record is cut short.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = static_cast<rlim_t>(fileContent(path).size() + 3);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        reason = log.append("a record too long for the limit\n");
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::close(other);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(fileContent(path), QByteArray("other station\nours\n"));

        // Moved away meanwhile: the next record goes where the name now leads.
        QVERIFY(QFile::rename(path, path + QStringLiteral(".1")));
        QCOMPARE(log.append("next\n"), QString());
        QCOMPARE(fileContent(path), QByteArray("next\n"));
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
            QCOMPARE(runCli({QStringLiteral("provision"), station.settingsFile()}, o, e, context), 0);
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
        QVERIFY2(station.out.endsWith(
                     QStringLiteral(" was stopped.\n\nReaders set up: 0, failed: 1, not verified: 0\n")),
                 qPrintable(station.out));
        QCOMPARE(station.log().size(), 1);
        QCOMPARE(station.log().first().value(QStringLiteral("transmission")).toString(),
                 QStringLiteral("failed"));
    }
};

QTEST_GUILESS_MAIN(CliProvisionTest)
#include "test_cli_provision.moc"
