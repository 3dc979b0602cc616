#include "cli/cli.h"
#include "cli/command_table.h"
#include "core/image/setting_catalog.h"
#include "core/files/settings_file.h"
#include "cli_fixture.h"
#include "test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>


using namespace quorvel;

using Run = CliRun;

class CliCommandsTest : public QObject, public CliFixture {
    Q_OBJECT

private slots:
    void unknownCodesAreShownAndKept() {
        SettingsImage image = factory();
        image[50] = 2;
        image[32] = 0x86;
        const QString file = fileWith(QStringLiteral("unknown.msr"), image);
        const Run r = run({QStringLiteral("show"), file});
        QVERIFY(r.out.contains(QStringLiteral("keyboard-terminator: unknown (&H02)\n")));
        QVERIFY(r.out.contains(QStringLiteral("track-order: unknown (&H06)\n")));
        QVERIFY(r.out.contains(QStringLiteral("transmit-lrc: on\n")));
        QCOMPARE(run({QStringLiteral("set"), file, QStringLiteral("case=upper")}).status, 0);
        QCOMPARE(imageOf(file)[50], 2);
        QCOMPARE(imageOf(file)[32], 0x86);
    }

    void newCopiesTheFactoryFile() {
        const QString out = path(QStringLiteral("new.msr"));
        QCOMPARE(run({QStringLiteral("new"), out}).status, 0);
        QCOMPARE(fileContent(out), fileContent(shippedFactoryFile()));
        writeFile(out, "mine");
        const Run refused = run({QStringLiteral("new"), out});
        QCOMPARE(refused.status, 4);
        QVERIFY(refused.err.contains(QStringLiteral("--force")));
        QCOMPARE(fileContent(out), QByteArray("mine"));
        QCOMPARE(run({QStringLiteral("new"), out, QStringLiteral("--force")}).status, 0);
        QCOMPARE(fileContent(out), fileContent(shippedFactoryFile()));
        QCOMPARE(run({QStringLiteral("new"), path(QStringLiteral("no/such/dir.msr"))}).status, 3);
    }

    void hexHasTheTableHeadings() {
        const Run r = run({QStringLiteral("hex"), shippedFactoryFile()});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines.at(0), QStringLiteral("   0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F"));
        QCOMPARE(lines.at(3), QStringLiteral("2 00 00 00 04 00 00 00 01 00 00 00 00 00 00 3F 00"));
        QCOMPARE(lines.at(8).right(2), QStringLiteral("80"));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("get without key") << QStringList{"get", "x.msr"};
        QTest::newRow("set without assignment") << QStringList{"set", "x.msr"};
        QTest::newRow("-o without name") << QStringList{"set", "x.msr", "case=upper", "-o"};
        QTest::newRow("diff one file") << QStringList{"diff", "a.msr"};
        QTest::newRow("hex two files") << QStringList{"hex", "a", "b"};
        QTest::newRow("no devices in this context") << QStringList{"devices"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("quorvel-cli: ")));
        QCOMPARE(r.out, QString());
    }

    void helpAndVersion() {
        Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QStringLiteral("show [FILE] [--json]")));
        for (const char* command : {"show", "get", "set", "apply", "diff", "new", "hex", "keys", "devices", "transmit"}) {
            r = run({QString::fromLatin1(command), QStringLiteral("--help")});
            QCOMPARE(r.status, 0);
            QVERIFY(r.out.startsWith(QStringLiteral("Usage: quorvel-cli ") + QString::fromLatin1(command)));
        }
        r = run({QStringLiteral("--version")});
        QVERIFY(r.out.startsWith(QStringLiteral("quorvel-cli ")));
    }

    // set reads back whatever get and show print: every key, every value of its bytes.
    void getAndSetRoundTrip() {
        QList<Setting> keys = settingCatalog();
        for (int n = 0; n < kImageSize; ++n)
            keys << *findSetting(QStringLiteral("byte.%1").arg(n));
        for (const Setting& key : std::as_const(keys)) {
            for (const int n : key.bytes) {
                for (int v = 0; v < 256; ++v) {
                    SettingsImage f = patternImage(v);
                    f[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(v);
                    SettingsImage g = patternImage(v + 3);
                    const SettingsImage before = g;
                    const QString text = key.text(f);
                    const QString error = key.assign(g, text);
                    const QString where = QStringLiteral("%1 byte %2 = %3: '%4' %5").arg(key.key).arg(n).arg(v).arg(text, error);
                    QVERIFY2(error.isEmpty(), qPrintable(where));
                    QVERIFY2(key.text(g) == text, qPrintable(where));
                    for (const int b : key.bytes) {
                        // The bits this key shows are F's; the rest of G is as it was.
                        int shown = 0;
                        for (int bit = 1; bit <= 0x80; bit <<= 1) {
                            SettingsImage probe = f;
                            probe[static_cast<std::size_t>(b)] ^= static_cast<std::uint8_t>(bit);
                            if (key.text(probe) != text)
                                shown |= bit;
                        }
                        QVERIFY2((g[static_cast<std::size_t>(b)] & shown) == (f[static_cast<std::size_t>(b)] & shown),
                                 qPrintable(where));
                    }
                    for (int b = 0; b < kImageSize; ++b)
                        if (!key.bytes.contains(b))
                            QVERIFY2(g[static_cast<std::size_t>(b)] == before[static_cast<std::size_t>(b)], qPrintable(where));
                }
            }
        }
    }

    // The same through the tool, for values whose printed form is awkward to read back.
    void getAndSetRoundTripInTheTool_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<int>>("changes"); // byte, value pairs on the factory image
        QTest::addColumn<QString>("printed");
        QTest::newRow("byte 127") << "byte.127" << QList<int>{127, 0x80} << "0x80";
        QTest::newRow("comma") << "stx" << QList<int>{59, ','} << ", (&H2C)";
        QTest::newRow("digit") << "dle-1" << QList<int>{60, '1'} << "1 (&H31)";
        QTest::newRow("parenthesis") << "end-sentinel" << QList<int>{46, '('} << "( (&H28)";
        QTest::newRow("unknown choice") << "keyboard-terminator" << QList<int>{50, 0xC3} << "unknown (&HC3)";
        QTest::newRow("unknown track order") << "track-order" << QList<int>{32, 0xFF} << "unknown (&H7F)";
        QTest::newRow("awkward preamble")
            << "preamble" << QList<int>{80, ',', 81, '(', 82, ')', 83, ' ', 84, 0xA0, 85, '1'}
            << ", (&H2C), ( (&H28), ) (&H29), Space (&H20), &HA0, 1 (&H31)";
    }
    void getAndSetRoundTripInTheTool() {
        QFETCH(QString, key);
        QFETCH(QList<int>, changes);
        QFETCH(QString, printed);
        SettingsImage f = factory();
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2)
            f[static_cast<std::size_t>(changes[i])] = static_cast<std::uint8_t>(changes[i + 1]);
        const QString fileF = fileWith(QStringLiteral("f.msr"), f);
        const QString fileG = fileWith(QStringLiteral("g.msr"), patternImage());
        const Run got = run({QStringLiteral("get"), fileF, key});
        QCOMPARE(got.out, printed + u'\n');
        QVERIFY(run({QStringLiteral("show"), fileF}).out.contains(key + QStringLiteral(": ") + printed + u'\n'));
        const Run set = run({QStringLiteral("set"), fileG, key + u'=' + got.out.trimmed()});
        QCOMPARE(set.err, QString());
        QCOMPARE(run({QStringLiteral("get"), fileG, key}).out, got.out);
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2)
            QCOMPARE(imageOf(fileG)[static_cast<std::size_t>(changes[i])], f[static_cast<std::size_t>(changes[i])]);
    }

    void shownNameMustMatchItsCode() {
        const QString file = fileWith(QStringLiteral("name.msr"), factory());
        const Run r = run({QStringLiteral("set"), file, QStringLiteral("stx=Esc (&H1C)")});
        QCOMPARE(r.status, 4);
        QCOMPARE(imageOf(file), factory());
    }

    // show --json carries every byte: applied to any other file it makes a copy.
    void applyRestoresEveryByte() {
        QRandomGenerator random(12);
        for (int round = 0; round < 40; ++round) {
            SettingsImage a{};
            SettingsImage b{};
            for (int n = 0; n < kImageSize; ++n) {
                a[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(random.bounded(256));
                b[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(random.bounded(256));
            }
            if (round % 2) { // short strings with leftovers after their 0
                a[82] = 0;
                b[93] = 0;
            }
            const Run shown = run({QStringLiteral("show"), fileWith(QStringLiteral("a.msr"), a),
                                   QStringLiteral("--json")});
            writeFile(path(QStringLiteral("p.json")), shown.out.toUtf8());
            const QString fileB = fileWith(QStringLiteral("b.msr"), b);
            const Run applied = run({QStringLiteral("apply"), path(QStringLiteral("p.json")), fileB});
            QCOMPARE(applied.err, QString());
            QCOMPARE(applied.status, 0);
            QCOMPARE(imageOf(fileB), a);
        }
    }

    void applyTakesAPartialProfile() {
        SettingsImage image = factory();
        image[52] = 0x20; // function key emulation
        const QString file = fileWith(QStringLiteral("partial.msr"), image);
        m_context.standardInput = [](qint64) {
            return QByteArray(R"({"case": "upper", "stx": {"name": "Esc", "code": 27},)"
                              R"( "postamble": [{"name": "A", "code": 65}, 13], "byte.52": 40})");
        };
        const Run r = run({QStringLiteral("apply"), QStringLiteral("-"), file, QStringLiteral("-o"),
                           path(QStringLiteral("partial-out.msr"))});
        m_context.standardInput = nullptr;
        QCOMPARE(r.err, QString());
        QCOMPARE(imageOf(file), image);
        SettingsImage expected = image;
        expected[52] = 0x22; // byte.52 gives bit 5; case wins over its universal
        expected[59] = 0x1B;
        expected[91] = 'A';
        expected[92] = 0x0D;
        QCOMPARE(imageOf(path(QStringLiteral("partial-out.msr"))), expected);
    }

    void applyRefusals_data() {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << QByteArray(R"({"case": "upper", "buzzer": 3})") << 4
                                     << "quorvel-cli: unknown setting 'buzzer'\n";
        QTest::newRow("refused value") << QByteArray(R"({"case": "upper", "keyboard-delay": 256})") << 4
                                       << "quorvel-cli: keyboard-delay: \"256\" is not a number from 0 to 255\n";
        QTest::newRow("name and code disagree") << QByteArray(R"({"stx": {"name": "Esc", "code": 13}})") << 4
                                                << "quorvel-cli: stx: {\"code\":13,\"name\":\"Esc\"} is not a character whose name and code agree\n";
        QTest::newRow("wrong type") << QByteArray(R"({"alt-mode": true})") << 4
                                    << "quorvel-cli: alt-mode: true is not a value it takes\n";
        QTest::newRow("huge number") << QByteArray(R"({"byte.52": 1e300})") << 4
                                     << "quorvel-cli: byte.52: 1e+300 is out of range\n";
        QTest::newRow("whole, but huge") << QByteArray(R"({"buzzer-pitch": 1e+23})") << 4
                                         << "quorvel-cli: buzzer-pitch: 1e+23 is out of range\n";
        QTest::newRow("beyond exact doubles") << QByteArray(R"({"buzzer-pitch": 9007199254740993})") << 4
                                              << "quorvel-cli: buzzer-pitch: 9007199254740993 is out of range\n";
        QTest::newRow("beyond any double") << QByteArray(R"({"settings": {"buzzer-pitch": -1e400}})") << 4
                                           << "quorvel-cli: buzzer-pitch: -1e400 is out of range\n";
        QTest::newRow("not whole") << QByteArray(R"({"buzzer-pitch": 2.5})") << 4
                                   << "quorvel-cli: buzzer-pitch: 2.5 is not a whole number\n";
        QTest::newRow("a list for a number") << QByteArray(R"({"buzzer-pitch": [50]})") << 4
                                             << "quorvel-cli: buzzer-pitch: [50] is a list; it takes one value: a "
                                                "number from 0 to 255 (27, 0x1B, &H1B)\n";
        QTest::newRow("an object for a choice") << QByteArray(R"({"case": {"code": 1}})") << 4
                                                << "quorvel-cli: case: {\"code\":1} is an object; it takes one "
                                                   "value: lower, upper, universal\n";
        QTest::newRow("a list for a character") << QByteArray(R"({"stx": [2]})") << 4
                                                << "quorvel-cli: stx: [2] is a list; it takes one value: a character: "
                                                   "its code from 0 to 255 (27, 0x1B, &H1B), its key name (Esc, Enter, "
                                                   "F 1, A) or both as shown (Esc (&H1B))\n";
        QTest::newRow("a long value is cut")
            << "{\"preamble\": [[" + QByteArray("1,").repeated(100000) + "1]]}" << 4
            << "quorvel-cli: preamble: [" + QString(QStringLiteral("1,")).repeated(18) +
                   "... is not a character whose name and code agree\n";
        QTest::newRow("a long key is cut") << "{\"" + QByteArray(100000, 'k') + "\": 1}" << 4
                                           << "quorvel-cli: unknown setting '" + QString(37, u'k') + "...'\n";
        QTest::newRow("a long text is cut")
            << "{\"case\": \"" + QByteArray(100000, 'x') + "\"}" << 4
            << "quorvel-cli: case: \"" + QString(37, u'x') + "...\" is not one of lower, upper, universal\n";
        QTest::newRow("given twice") << QByteArray(R"({"byte.5": 1, "BYTE.5": 2})") << 4
                                     << "quorvel-cli: byte.5: given twice\n";
        QTest::newRow("same key twice") << QByteArray(R"({"buzzer-pitch": 40, "buzzer-pitch": 41})") << 4
                                        << "quorvel-cli: buzzer-pitch: given twice\n";
        QTest::newRow("key twice in two spellings") << QByteArray(R"({"byte.05": 1, "Byte.5": 1})") << 4
                                                    << "quorvel-cli: byte.5: given twice\n";
        QTest::newRow("escaped spelling") << QByteArray("{\"settings\": {\"case\": \"upper\", \"c\\u0061se\": \"lower\"}}") << 4
                                          << "quorvel-cli: case: given twice\n";
        QTest::newRow("settings twice") << QByteArray(R"({"settings": {"case": "upper"}, "settings": {}})") << 4
                                        << "quorvel-cli: settings: given twice\n";
        QTest::newRow("brackets inside a string") << QByteArray("{\"case\": \"{[,\", \"stx\": \"Esc\"}") << 4
                                                  << "quorvel-cli: case: \"{[,\" is not one of lower, upper, universal\n";
        QTest::newRow("stray member") << QByteArray(R"({"settings": {}, "bites": []})") << 4
                                      << "quorvel-cli: P: unknown member 'bites'\n";
        QTest::newRow("not JSON") << QByteArray("case=upper") << 3
                                  << "quorvel-cli: P: not a profile (a JSON object): illegal value\n";
    }
    void applyRefusals() {
        QFETCH(QByteArray, profile);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString file = fileWith(QStringLiteral("target.msr"), factory());
        const QString profilePath = path(QStringLiteral("profile.json"));
        writeFile(profilePath, profile);
        const Run r = run({QStringLiteral("apply"), profilePath, file});
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, QString(message).replace(QStringLiteral(": P:"), QStringLiteral(": ") + profilePath + u':'));
        QCOMPARE(imageOf(file), factory());
    }

    void applyRefusesWhatIsNoProfileFile() {
        const QString file = fileWith(QStringLiteral("target.msr"), factory());
        Run r = run({QStringLiteral("apply"), m_dir.path(), file});
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, QStringLiteral("quorvel-cli: %1: cannot read: not a regular file\n").arg(m_dir.path()));
        r = run({QStringLiteral("apply"), path(QStringLiteral("none.json")), file});
        QCOMPARE(r.status, 3);
        QCOMPARE(imageOf(file), factory());
    }

    void dashWritesTheSettingsText() {
        const QString file = fileWith(QStringLiteral("dash.msr"), factory());
        const Run r = run({QStringLiteral("set"), file, QStringLiteral("case=upper"), QStringLiteral("-o"),
                           QStringLiteral("-")});
        QCOMPARE(r.status, 0);
        SettingsImage expected = factory();
        expected[52] = 0x02;
        QCOMPARE(r.out.toLatin1(), composeSettingsText(expected));
        QCOMPARE(imageOf(file), factory());
    }

    // A standard output that takes nothing is a failure, said once.
    void failedOutputIsStatusThree_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("show") << QStringList{"show"};
        QTest::newRow("show json") << QStringList{"show", "--json"};
        QTest::newRow("hex") << QStringList{"hex", shippedFactoryFile()};
        QTest::newRow("keys") << QStringList{"keys"};
        QTest::newRow("diff json") << QStringList{"diff", shippedFactoryFile(), shippedFactoryFile(), "--json"};
        QTest::newRow("settings text") << QStringList{"set", shippedFactoryFile(), "case=upper", "-o", "-"};
    }
    void failedOutputIsStatusThree() {
        QFETCH(QStringList, args);
        QFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(QIODevice::WriteOnly));
        QTextStream o(&full);
        QString err;
        QTextStream e(&err);
        QCOMPARE(runCli(args, o, e, m_context), 3);
        e.flush();
        QCOMPARE(err, QStringLiteral("quorvel-cli: cannot write to standard output: No space left on device\n"));
        QCOMPARE(fileContent(shippedFactoryFile()).size(), 408);
    }

    void unknownOptionsAreUsageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("show --jsn") << QStringList{"show", "--jsn"} << "unknown option '--jsn'";
        QTest::newRow("get -x") << QStringList{"get", "a.msr", "case", "-x"} << "unknown option '-x'";
        QTest::newRow("set --force") << QStringList{"set", "a.msr", "case=upper", "--force"} << "unknown option '--force'";
        QTest::newRow("diff -o") << QStringList{"diff", "a", "b", "-o", "c"} << "unknown option '-o'";
        QTest::newRow("new --json") << QStringList{"new", "x.msr", "--json"} << "unknown option '--json'";
        QTest::newRow("apply --json") << QStringList{"apply", "p.json", "a.msr", "--json"} << "unknown option '--json'";
        QTest::newRow("devices --jsn") << QStringList{"devices", "--jsn"} << "unknown option '--jsn'";
        QTest::newRow("empty -o") << QStringList{"set", "a.msr", "case=upper", "-o", ""} << "-o needs a file name";
        QTest::newRow("-o twice") << QStringList{"apply", "p", "a", "-o", "b", "-o", "c"} << "-o given twice";
        // Every command's options go through the one parser, in the one wording.
        QTest::newRow("transmit --wait") << QStringList{"transmit", "a.msr", "--wait"} << "unknown option '--wait'";
        QTest::newRow("provision --bogus") << QStringList{"provision", "--bogus", "a.msr"} << "unknown option '--bogus'";
        QTest::newRow("control characters") << QStringList{"swipe", "--\x1b[2J"} << "unknown option '--\\x1b[2J'";
        QTest::newRow("gap too small") << QStringList{"swipe", "--gap", "10"} << "--gap needs whole milliseconds from 50 to 5000";
        QTest::newRow("count not whole") << QStringList{"swipe", "--count", "1.5"} << "--count needs a whole number from 1";
        QTest::newRow("swipe timeout zero") << QStringList{"swipe", "--timeout", "0"} << "--timeout needs seconds, more than 0";
        QTest::newRow("layout no name") << QStringList{"swipe", "--layout", "de;rm"} << "--layout needs an XKB layout such as de or ch(fr)";
        QTest::newRow("count twice") << QStringList{"swipe", "--count", "1", "--count", "2"} << "--count given twice";
        QTest::newRow("provision timeout missing") << QStringList{"provision", "a.msr", "--timeout"} << "--timeout needs whole seconds from 1 to 86400";
        QTest::newRow("transmit timeout too long") << QStringList{"transmit", "a.msr", "--timeout", "86401"} << "--timeout needs whole seconds from 1 to 86400";
        QTest::newRow("empty --log") << QStringList{"provision", "a.msr", "--log", ""} << "--log needs a file name";
        QTest::newRow("swipe two files") << QStringList{"swipe", "a.msr", "b.msr"} << "swipe takes at most one FILE";
        QTest::newRow("provision no settings") << QStringList{"provision", "--once"} << "provision needs SETTINGS, a settings file or a JSON profile";
        QTest::newRow("devices operand") << QStringList{"devices", "x"} << "devices takes no argument but --json";
        QTest::newRow("completion of no shell") << QStringList{"--completion", "tcsh"} << "--completion needs bash, zsh or fish";
    }
    void unknownOptionsAreUsageErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, QStringLiteral("quorvel-cli: %1\nTry 'quorvel-cli --help'.\n").arg(message));
        QVERIFY(!QFile::exists(QStringLiteral("x.msr")));
    }

    void keysListsEveryKeyAndItsValues() {
        const Run r = run({QStringLiteral("keys")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(u'\n');
        QCOMPARE(lines.size(), int(settingCatalog().size()) + 4);
        QVERIFY(lines.contains(QStringLiteral("keyboard-language: U.S., U.K., FRANCE, GERMANY, ITALY, BELGIUM, "
                                              "SWEDEN/FINLAND, SPANISH, DENMARK, PORTUGAL, SWISS, NORWAY, "
                                              "CANADA, HOLLAND, POLAND, LATIN, JAPAN")));
        QVERIFY(lines.contains(QStringLiteral("case: lower, upper, universal")));
        QVERIFY(r.out.contains(QStringLiteral("F 12, Enter, Tab, BS,")));
    }
};

QTEST_GUILESS_MAIN(CliCommandsTest)
#include "test_cli_commands.moc"
