#include "swipe_terminal.h"

using namespace quorvel;
using namespace quorvel::swipe_terminal;

// swipe where what the terminal hands on is not a plain swipe: lines from a pipe, ALT codes,
// this computer's layout, a burst too long for any reader.
class CliSwipeInputsTest : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(CliSwipeInputsTest)
#include "test_cli_swipe_inputs.moc"
