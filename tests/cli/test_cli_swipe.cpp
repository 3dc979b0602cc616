#include "cli/key_sequence_decoder.h"
#include "cli/cli.h"
#include "cli/swipe_command.h"
#include "cli/terminal_input_posix.h"
#include "core/image/setting_fields.h"
#include "core/files/settings_file.h"
#include "test_files.h"
#include "typed_keys.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QJsonObject>
#include <QtTest>

#include <thread>

#include <csignal>
#include <poll.h>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace quorvel;

namespace {

const QByteArray kCardNumber = "4111111111111111";
const QByteArray kFactoryFrame = "%B" + kCardNumber + "^DOE/J^2512?;" + kCardNumber + "=2512?\r";

struct Run {
    int status = 0;
    QString out;
    QString err;
};

// A pseudo-terminal standing in for the one a reader types into.
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    PseudoTerminal() { QVERIFY(::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0); }
    ~PseudoTerminal() {
        ::close(master);
        ::close(slave);
    }
    void type(const QByteArray& bytes) const {
        QCOMPARE(::write(master, bytes.constData(), static_cast<size_t>(bytes.size())),
                 bytes.size());
    }
    termios settings() const {
        termios now{};
        ::tcgetattr(slave, &now);
        return now;
    }
};

// Runs swipe on the input; typed is written once the terminal is in raw mode.
Run swipe(int fd, const QStringList& args, const std::function<void()>& typed = {},
          const TerminalLayoutSources& layouts = {}) {
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    CliContext context;
    context.factoryFile = shippedFactoryFile();
    context.layouts = layouts;
    context.openTerminal = [&] {
        std::unique_ptr<TerminalInput> input = openTerminalInput(fd);
        if (typed)
            typed();
        return input;
    };
    run.status = runCli(QStringList{QStringLiteral("swipe")} + args, out, err, context);
    out.flush();
    err.flush();
    return run;
}

constexpr tcflag_t kLineModes = ECHO | ICANON | ISIG;

// quorvel-cli swipe run as a user would, in a terminal of its own; the child may set up its
// descriptors first. The test ends it if it outlives the test.
struct TerminalRun {
    pid_t pid = -1;
    int master = -1;
    QByteArray shown;

    explicit TerminalRun(const std::function<void()>& inChild) {
        pid = ::forkpty(&master, nullptr, nullptr, nullptr);
        if (pid == 0) {
            ::signal(SIGPIPE, SIG_DFL);
            inChild();
            const QByteArray factory = QFile::encodeName(shippedFactoryFile());
            ::execl(QUORVEL_CLI_PROGRAM, "quorvel-cli", "swipe", factory.constData(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~TerminalRun() {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        ::close(master);
    }
    tcflag_t lineModes() const {
        termios now{};
        ::tcgetattr(master, &now);
        return now.c_lflag & kLineModes;
    }
    // Waits a few seconds for the condition, keeping what the program shows meanwhile.
    bool waitFor(const std::function<bool()>& condition) {
        for (int i = 0; i < 500; ++i) {
            const bool met = condition();
            pollfd ready{master, POLLIN, 0};
            char buffer[4096];
            ssize_t got = 0;
            while (::poll(&ready, 1, 0) > 0 && (got = ::read(master, buffer, sizeof buffer)) > 0)
                shown.append(buffer, got);
            if (met)
                return true;
            QTest::qSleep(10);
        }
        return false;
    }
};

} // namespace

class CliSwipeTest : public QObject {
    Q_OBJECT
private slots:
    void decodesTerminalKeys_data() {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<QString>("tokens");
        const auto row = [](const char* name, QByteArrayList pieces, const char* tokens) {
            QTest::newRow(name) << pieces << QString::fromUtf8(tokens);
        };
        row("characters", {"%B4?"}, "% B 4 ?");
        row("Enter, Tab, Backspace", {"\r\t\x7f"}, "[Enter] [Tab] [BS]");
        row("a line end of a file is one Enter", {"A\r", "\nB\n"}, "A [Enter] B [Enter]");
        row("xterm F1 to F4", {"\x1bOP\x1bOQ\x1bOR\x1bOS"}, "[F 1] [F 2] [F 3] [F 4]");
        row("VT220 F-keys", {"\x1b[11~\x1b[15~\x1b[17~\x1b[21~\x1b[23~\x1b[24~"},
            "[F 1] [F 5] [F 6] [F 10] [F 11] [F 12]");
        row("Linux console F1, F5", {"\x1b[[A\x1b[[E"}, "[F 1] [F 5]");
        row("arrows", {"\x1b[A\x1b[B\x1bOC\x1bOD"}, "[Up] [Down] [Right] [Left]");
        row("Home and End", {"\x1b[H\x1bOF\x1b[1~\x1b[4~\x1b[7~\x1b[8~"},
            "[Home] [End] [Home] [End] [Home] [End]");
        row("Ins, Del, PgUp, PgDn", {"\x1b[2~\x1b[3~\x1b[5~\x1b[6~"}, "[Ins] [Del] [PgUp] [PgDn]");
        row("Shift+Tab", {"\x1b[Z"}, "[S-Tab]");
        row("a sequence cut between reads", {"\x1b[", "1", "5~"}, "[F 5]");
        row("Esc before a character",
            {"\x1b"
             "A"},
            "[Esc] A");
        row("Esc alone waits, then is Esc", {"\x1b"}, "[Esc]");
        row("an unknown sequence is its characters", {"\x1b[99~"}, "[Esc] [ 9 9 ~");
        row("Ctrl+C", {"\x03"}, "[Ctrl-C]");
        row("UTF-8 cut between reads", {"\xc3", "\xa9"}, "é");
        // A byte that begins no valid sequence is one unknown key; the next is read afresh.
        row("a stray lead byte", {"\xe0;4"}, "\uFFFD ; 4");
        row("a lead byte before a sequence's end", {"\xc3\xc3\xa9"}, "\uFFFD é");
        row("an overlong form", {"\xe0\x80\xaf" "A"}, "\uFFFD \uFFFD \uFFFD A");
        row("an encoded surrogate", {"\xed\xa0\x80;"}, "\uFFFD \uFFFD \uFFFD ;");
        row("a stray continuation", {"\x80;"}, "\uFFFD ;");
    }
    void decodesTerminalKeys() {
        QFETCH(QByteArrayList, pieces);
        QFETCH(QString, tokens);
        KeySequenceDecoder decoder;
        QStringList shown;
        for (const QByteArray& piece : pieces)
            for (const CapturedKey& key : decoder.feed(piece, 0))
                shown << keyToken(key);
        for (const CapturedKey& key : decoder.flush(0))
            shown << keyToken(key);
        QCOMPARE(shown.join(u' '), tokens);
    }

    void checksASwipeTypedIntoATerminal_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("named");
        QTest::newRow("factory frame") << kFactoryFrame << 0 << "–✓✓✓✓✓✓✓✓"
                                       << "";
        QByteArray tab = kFactoryFrame;
        tab.back() = '\t';
        QTest::newRow("wrong terminator")
            << tab << 1 << "–✓✓✗✓✓✓✓✓"
            << "✗ Terminator: expected [Enter] (CR), came [Tab] at key 54";
        QTest::newRow("no end sentinel") << QByteArray("%B" + kCardNumber + "\r") << 1 << ""
                                         << "✗ Tracks";
        QByteArray lower = kFactoryFrame;
        lower.replace("DOE/J", "doe/j");
        QTest::newRow("lower case, Caps Lock unseen")
            << lower << 1 << ""
            << "the reader's case mode is Lower Case; whether Caps Lock was on cannot be seen here\n";
    }
    void checksASwipeTypedIntoATerminal() {
        QFETCH(QByteArray, typed);
        QFETCH(int, status);
        QFETCH(QString, marks);
        QFETCH(QString, named);
        PseudoTerminal terminal;
        const termios before = terminal.settings();
        const Run run = swipe(terminal.slave,
                              {QStringLiteral("--count"), QStringLiteral("1"),
                               QStringLiteral("--gap"), QStringLiteral("50")},
                              [&] { terminal.type(typed); });
        QCOMPARE(run.status, status);
        QString shownMarks;
        for (const QString& line : run.out.split(u'\n'))
            if (line.startsWith(u'✓') || line.startsWith(u'✗') || line.startsWith(u'–'))
                shownMarks += line.at(0);
        if (!marks.isEmpty())
            QCOMPARE(shownMarks, marks);
        QVERIFY2(run.out.contains(named), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("– Keyboard language: not checked in a terminal: a terminal sees "
                                                "characters, not key positions, and this computer's layout is not "
                                                "known; give --layout XKB[(VARIANT)]\n")));
        QVERIFY(run.out.contains(QStringLiteral("411111••••••1111")));
        QVERIFY(!run.out.contains(QString::fromLatin1(kCardNumber)));
        QVERIFY(!run.err.contains(QString::fromLatin1(kCardNumber)));
        const termios after = terminal.settings();
        QCOMPARE(after.c_lflag, before.c_lflag);
        QCOMPARE(after.c_iflag, before.c_iflag);
    }

    void endsWithoutASwipe_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QString>("said");
        QTest::newRow("timeout") << QByteArray() << "no swipe came before the timeout";
        QTest::newRow("Ctrl+C") << QByteArray("\x03") << "no swipe came\n";
    }
    void endsWithoutASwipe() {
        QFETCH(QByteArray, typed);
        QFETCH(QString, said);
        PseudoTerminal terminal;
        const Run run = swipe(terminal.slave, {QStringLiteral("--timeout"), QStringLiteral("0.2")},
                              [&] { terminal.type(typed); });
        QCOMPARE(run.status, 7);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
    }

    // A reader set to end with CTRL-C types it right after the card data: it must not end the
    // command.
    void ctrlCRightAfterKeysIsAKey() {
        PseudoTerminal terminal;
        const Run run = swipe(terminal.slave,
                              {QStringLiteral("--count"), QStringLiteral("1"),
                               QStringLiteral("--gap"), QStringLiteral("50")},
                              [&] { terminal.type("%B1?\x03"); });
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains(QStringLiteral("Swipe 1: %B1?[Ctrl-C]\n")), qPrintable(run.out));
    }

    // Frames typed with no pause between them are swipes of their own, ended by the terminator.
    void burstSplitAtTheTerminator() {
        PseudoTerminal terminal;
        const Run run = swipe(terminal.slave,
                              {QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--gap"),
                               QStringLiteral("5000"), QStringLiteral("--timeout"), QStringLiteral("3")},
                              [&] { terminal.type(kFactoryFrame.repeated(3)); });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count(QStringLiteral("\nSwipe ")), 3);
        QVERIFY2(run.out.contains(QStringLiteral(
                     "Swipe 3: %B411111••••••1111^DOE/J^2512?;411111••••••1111=2512?[Enter]\n")),
                 qPrintable(run.out));
    }

    void readsAPipeAsLines() {
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        QByteArray frames = kFactoryFrame;
        frames.chop(1);
        frames = frames + "\n" + frames + "\n";
        QCOMPARE(::write(ends[1], frames.constData(), static_cast<size_t>(frames.size())),
                 frames.size());
        ::close(ends[1]);
        const Run run =
            swipe(ends[0], {QStringLiteral("--json"), QStringLiteral("--show-card-numbers")});
        ::close(ends[0]);
        QCOMPARE(run.status, 0);
        QCOMPARE(
            run.err,
            QStringLiteral(
                "quorvel-cli: swipe: standard input is not a terminal: timing is not measured\n"));
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QJsonObject second = QJsonDocument::fromJson(lines.at(1).toUtf8()).object();
        QCOMPARE(second.value(QStringLiteral("swipe")).toInt(), 2);
        QVERIFY(second.value(QStringLiteral("passed")).toBool());
        QVERIFY(second.value(QStringLiteral("timing")).isNull());
        QVERIFY(second.value(QStringLiteral("line"))
                    .toString()
                    .contains(QString::fromLatin1(kCardNumber)));
    }

    // From a pipe a line is a swipe; its line end is the Enter key only where the settings
    // send Enter (byte 50: the terminator; empty for the factory's CR). A line no reader
    // could type is refused, and never echoed.
    void pipeLines_data() {
        QTest::addColumn<QByteArray>("terminator"); // byte 50
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QByteArray frame = kFactoryFrame;
        frame.chop(1);
        const QString notTerminal = QStringLiteral("quorvel-cli: swipe: standard input is not a terminal: timing is not measured\n");
        QTest::newRow("TAB terminator, a line per swipe") << QByteArray("\x05") << frame + "\t\n" + frame + "\t\n" << 0 << notTerminal;
        QTest::newRow("NONE, a line per swipe") << QByteArray("\x00") << frame + "\n" << 0 << notTerminal;
        QTest::newRow("CR, the line end is the Enter") << QByteArray() << frame + "\n" << 0 << notTerminal;
        QTest::newRow("a megabyte without a line end")
            << QByteArray() << QByteArray(1 << 20, '4') << 1
            << notTerminal + "quorvel-cli: swipe: more than 4096 keys without an end: not a reader's swipe\n";
    }
    void pipeLines() {
        QFETCH(QByteArray, terminator);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir;
        SettingsImage image = shippedFactoryImage();
        if (!terminator.isEmpty()) // else the factory's CR
            image[50] = static_cast<std::uint8_t>(terminator.at(0));
        const QString settings = dir.filePath(QStringLiteral("s.msr"));
        writeFile(settings, composeSettingsText(image));
        QFile file(dir.filePath(QStringLiteral("swipes.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(input);
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Run run = swipe(file.handle(), {settings});
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, status);
        QVERIFY(run.out.size() < 4096);
    }

    // Standard output to a pipe whose reader has gone: an output error, the terminal given back.
    void brokenOutputEndsWithTheTerminalRestored() {
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        ::close(ends[0]);
        TerminalRun run([&] { ::dup2(ends[1], STDOUT_FILENO); });
        ::close(ends[1]);
        QVERIFY(run.pid > 0);
        const tcflag_t before = run.lineModes();
        int status = 0;
        QVERIFY2(run.waitFor([&] { return ::waitpid(run.pid, &status, WNOHANG) == run.pid; }),
                 "swipe went on reading");
        run.pid = -1;
        QVERIFY2(WIFEXITED(status), qPrintable(QStringLiteral("ended by signal %1").arg(WTERMSIG(status))));
        QCOMPARE(WEXITSTATUS(status), 3);
        QVERIFY2(run.shown.contains("quorvel-cli: cannot write to standard output"), run.shown.constData());
        QCOMPARE(run.lineModes(), before);
    }

    // Stopped from outside, the terminal is the shell's; continued, it is raw again, so keys
    // are neither echoed nor taken as signals.
    void stopAndContinueGiveTheTerminalBackAndTakeItAgain() {
        // As a shell does: the program in a process group of its own in the foreground, so that
        // the kernel lets it stop.
        int report[2];
        QVERIFY(::pipe(report) == 0);
        pid_t job = -1;
        TerminalRun shell([&] {
            const pid_t child = ::fork();
            if (child == 0) {
                ::setpgid(0, 0);
                return;
            }
            ::setpgid(child, child);
            ::signal(SIGTTOU, SIG_IGN);
            ::tcsetpgrp(STDIN_FILENO, child);
            [[maybe_unused]] const ssize_t sent = ::write(report[1], &child, sizeof child);
            int status = 0;
            ::waitpid(child, &status, 0);
            ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        });
        ::close(report[1]);
        QCOMPARE(::read(report[0], &job, sizeof job), static_cast<ssize_t>(sizeof job));
        ::close(report[0]);
        const auto ended = qScopeGuard([&] { ::kill(job, SIGKILL); });
        const tcflag_t lineModes = shell.lineModes();
        QVERIFY(shell.waitFor([&] { return shell.shown.contains("Swipe a card"); }));
        QCOMPARE(shell.lineModes(), tcflag_t(0));

        ::kill(job, SIGTSTP);
        QVERIFY2(shell.waitFor([&] { return shell.lineModes() == lineModes; }),
                 "stopped with the terminal raw");
        ::kill(job, SIGCONT);
        QVERIFY2(shell.waitFor([&] { return shell.lineModes() == 0; }), "continued without raw mode");

        QCOMPARE(::write(shell.master, "\x03", 1), 1);
        int status = 0;
        QVERIFY(shell.waitFor([&] { return ::waitpid(shell.pid, &status, WNOHANG) == shell.pid; }));
        shell.pid = -1;
        QCOMPARE(WEXITSTATUS(status), 7); // no swipe came; Ctrl+C was a key, not a signal
        QCOMPARE(shell.lineModes(), lineModes);
    }

    // An ALT-mode reader's codes as a terminal hands them on: Esc + digit where Alt sends
    // Esc, plain digits where it sends nothing, the keypad's other keys with Num Lock off.
    void altCodesInATerminal_data() {
        QTest::addColumn<QByteArray>("typed");
        const QByteArray frame = "%B41^J^2?;41=2?";
        QByteArray escaped;
        QByteArray plain;
        QByteArray numLockOff;
        static const char* const kNumLockOff[] = {"\x1b[2;3~", "\x1b[4;3~", "\x1b[1;3B", "\x1b[6;3~", "\x1b[1;3D",
                                                  "\x1b[1;3E", "\x1b[1;3C", "\x1b[1;3H", "\x1b[1;3A", "\x1b[5;3~"};
        for (const char c : frame) {
            const QByteArray code = QByteArray::number(int(c)).rightJustified(4, '0');
            plain += code;
            for (const char digit : code) {
                escaped += "\x1b" + QByteArray(1, digit);
                numLockOff += kNumLockOff[digit - '0'];
            }
        }
        QTest::newRow("Esc + digit") << escaped + "\r";
        QTest::newRow("plain digits") << plain + "\r";
        QTest::newRow("Num Lock off") << numLockOff + "\r";
    }
    void altCodesInATerminal() {
        QFETCH(QByteArray, typed);
        QTemporaryDir dir;
        SettingsImage image = shippedFactoryImage();
        setFieldValue(image, FieldId::AltMode, 1);
        const QString settings = dir.filePath(QStringLiteral("alt.msr"));
        writeFile(settings, composeSettingsText(image));
        PseudoTerminal terminal;
        const Run run = swipe(terminal.slave, {settings, QStringLiteral("--count"), QStringLiteral("1"),
                                               QStringLiteral("--gap"), QStringLiteral("50"), QStringLiteral("--show-card-numbers")},
                              [&] { terminal.type(typed); });
        QVERIFY2(run.out.contains(QStringLiteral("Swipe 1: %B41^J^2?;41=2?[Enter]\n")), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("✓ Tracks: track 1 (7 characters), track 2 (4 characters)")),
                 qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("✗ ALT mode: 15 characters came as Alt + keypad codes")), qPrintable(run.out));
    }

    // Where this computer's layout is known, what a terminal received is put back on its
    // keys and the keyboard language is checked as on the Swipe Test page.
    void knowsTheLayoutOfThisComputer_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("defaults"); // the keyboard defaults file; empty for none
        QTest::addColumn<QString>("line");
        const QString german = QStringLiteral(
            "✗ Keyboard language: the reader types for U.S., this computer's keys match GERMANY (ITALY, "
            "SWEDEN/FINLAND, SPANISH, DENMARK, PORTUGAL, SWISS, NORWAY and LATIN type these keys alike); '^' arrived "
            "as '&' (key 19); '=' is a dead key on this layout (this computer's layout: de, from %1)");
        QTest::newRow("--layout") << QStringList{"--layout", "de"} << QByteArray() << german.arg("--layout");
        QTest::newRow("--layout wins") << QStringList{"--layout", "de"} << QByteArray("XKBLAYOUT=us\n")
                                       << german.arg("--layout");
        QTest::newRow("the keyboard defaults") << QStringList{} << QByteArray("XKBLAYOUT=\"de\"\n")
                                               << german.arg("DEFAULTS");
        QTest::newRow("a layout of no reader language")
            << QStringList{"--layout", "ru"} << QByteArray()
            << "– Keyboard language: not checked in a terminal: this computer's layout ru (from --layout) is the "
               "layout of none of the reader's keyboard languages";
    }
    void knowsTheLayoutOfThisComputer() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, defaults);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString defaultsFile = dir.filePath(QStringLiteral("keyboard"));
        if (!defaults.isEmpty())
            writeFile(defaultsFile, defaults);
        QByteArray typed;
        for (const KeyPress& key : typedAt(0, 3, QStringLiteral("%B4111111111111111^DOE/JOHN^2512101?")))
            typed += key.text.toUtf8(); // a U.S. reader on a German computer, the dead key's '=' lost
        PseudoTerminal terminal;
        const Run run = swipe(terminal.slave, args + QStringList{"--count", "1", "--gap", "50"},
                              [&] { terminal.type(typed + "\r"); },
                              TerminalLayoutSources{QByteArray("nowhere:99"), defaultsFile});
        QVERIFY2(run.out.contains(QString(line).replace(QStringLiteral("DEFAULTS"), defaultsFile) + u'\n'),
                 qPrintable(run.out));
    }

    // A burst too long for any swipe is refused and read to its end while the terminal is
    // raw: nothing of it is echoed once the terminal is given back.
    void aTooLongBurstIsNeverEchoed() {
        PseudoTerminal terminal;
        const QByteArray burst = QByteArray("%B" + kCardNumber + "^DOE/J^2512?").repeated(400);
        std::thread typist;
        // A typist held up longer than the gap (a loaded machine, a sanitizer build) would
        // split the burst into swipes: the gap is a second.
        const Run run = swipe(terminal.slave, {"--count", "1", "--gap", "1000"},
                              [&] { typist = std::thread([&] { terminal.type(burst); }); });
        typist.join();
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Swipe a card (Ctrl+C ends).\nquorvel-cli: swipe: more than 4096 keys "
                                         "without an end: not a reader's swipe\n"));
        ::fcntl(terminal.master, F_SETFL, ::fcntl(terminal.master, F_GETFL) | O_NONBLOCK);
        char echoed[256];
        QVERIFY(::read(terminal.master, echoed, sizeof echoed) <= 0);
        QVERIFY(!run.out.contains(QString::fromLatin1(kCardNumber)));
    }

    void refusesBadOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("gap too small") << QStringList{"--gap", "10"} << 2;
        QTest::newRow("a layout that is no name") << QStringList{"--layout", "de;rm"} << 2;
        QTest::newRow("no layout") << QStringList{"--layout"} << 2;
        QTest::newRow("gap missing") << QStringList{"--gap"} << 2;
        QTest::newRow("timeout zero") << QStringList{"--timeout", "0"} << 2;
        QTest::newRow("count not whole") << QStringList{"--count", "1.5"} << 2;
        QTest::newRow("two files") << QStringList{"a.msr", "b.msr"} << 2;
        QTest::newRow("missing file") << QStringList{"/nonexistent/x.msr"} << 3;
        QTest::newRow("after --, a FILE") << QStringList{"--", "--json"} << 3;
    }
    void refusesBadOptions() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        PseudoTerminal terminal;
        QCOMPARE(swipe(terminal.slave, args).status, status);
    }
};

QTEST_GUILESS_MAIN(CliSwipeTest)
#include "test_cli_swipe.moc"
