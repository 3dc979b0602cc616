#include "swipe_terminal.h"

using namespace quorvel;
using namespace quorvel::swipe_terminal;

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
