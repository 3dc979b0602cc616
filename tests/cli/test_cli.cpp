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

class CliTest : public QObject, public CliFixture {
    Q_OBJECT

private slots:
    void showPrintsTheFactorySettings() {
        const Run r = run({QStringLiteral("show")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("track-order: 1-2-3"));
        for (const char* line : {"track-selection: any", "start-sentinel-1: % (&H25)",
                                 "end-sentinel: ? (&H3F)", "stx: &H0", "keyboard-terminator: CR",
                                 "rs232-terminator: CR", "keyboard-language: U.S.", "case: lower",
                                 "buzzer-pitch: 16", "buzzer-duration: 25", "power-on-beeper: on",
                                 "keyboard-delay: 5", "rs232-delay: 0", "alt-mode: off"})
            QVERIFY2(lines.contains(QString::fromLatin1(line)), line);
        QCOMPARE(lines.last(), QStringLiteral("byte.127: 0x80"));
        QCOMPARE(lines.filter(QStringLiteral("byte.")).size(), 1);
    }

    void showJson() {
        SettingsImage image = factory();
        image[80] = 0x1B;
        image[81] = 'A';
        const QString file = fileWith(QStringLiteral("json.msr"), image);
        const Run r = run({QStringLiteral("show"), file, QStringLiteral("--json")});
        QCOMPARE(r.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(root.value(QStringLiteral("file")).toString(), file);
        // One setting a line, in catalog order, raw bytes last.
        QVERIFY(r.out.contains(QStringLiteral("\n        \"track-order\": \"1-2-3\",\n")));
        QVERIFY(r.out.indexOf(QStringLiteral("\"track-order\"")) < r.out.indexOf(QStringLiteral("\"postamble\"")));
        QVERIFY(r.out.indexOf(QStringLiteral("\"postamble\"")) < r.out.indexOf(QStringLiteral("\"byte.0\"")));
        QCOMPARE(root.value(QStringLiteral("bytes")).toArray().size(), 128);
        QCOMPARE(root.value(QStringLiteral("bytes")).toArray().at(127).toInt(), 0x80);
        const QJsonObject settings = root.value(QStringLiteral("settings")).toObject();
        QCOMPARE(settings.value(QStringLiteral("buzzer-pitch")).toInt(), 16);
        QCOMPARE(settings.value(QStringLiteral("keyboard-terminator")).toString(), QStringLiteral("CR"));
        const QJsonObject sentinel = settings.value(QStringLiteral("start-sentinel-1")).toObject();
        QCOMPARE(sentinel.value(QStringLiteral("name")).toString(), QStringLiteral("%"));
        QCOMPARE(sentinel.value(QStringLiteral("code")).toInt(), 0x25);
        const QJsonArray preamble = settings.value(QStringLiteral("preamble")).toArray();
        QCOMPARE(preamble.size(), 2);
        QCOMPARE(preamble.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Esc"));
    }

    void setChangesBytes_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("track order keeps LRC") << "track-order=3-1-2" << 32 << 0x80 << 0x85 << "3-1-2";
        QTest::newRow("track order clears bits 3-6") << "track-order=2-1-3" << 32 << 0x7F << 0x02 << "2-1-3";
        QTest::newRow("track selection") << "track-selection=tk1+tk2" << 63 << 0x3F << 0x08 << "tk1+tk2";
        QTest::newRow("selection any") << "track-selection=ANY" << 63 << 0x01 << 0x3F << "any";
        QTest::newRow("lrc on") << "transmit-lrc=on" << 32 << 0x02 << 0x82 << "on";
        QTest::newRow("account only") << "track2-account-only=on" << 4 << 0x40 << 0xC0 << "on";
        QTest::newRow("ibm off") << "ibm-format=off" << 4 << 0xC0 << 0x80 << "off";
        QTest::newRow("sentinel by name") << "start-sentinel-1=Esc" << 53 << 0x25 << 0x1B << "Esc (&H1B)";
        QTest::newRow("sentinel by &H") << "end-sentinel=&H3f" << 46 << 0 << 0x3F << "? (&H3F)";
        QTest::newRow("sentinel by 0x") << "stx=0x02" << 59 << 0 << 0x02 << "F 2 (&H2)";
        QTest::newRow("sentinel by decimal") << "dle-1=27" << 60 << 0 << 27 << "Esc (&H1B)";
        QTest::newRow("function key name") << "dle-2=f 1" << 61 << 0 << 1 << "F 1 (&H1)";
        QTest::newRow("letter case kept") << "dle-3=a" << 62 << 0 << int('a') << "a (&H61)";
        QTest::newRow("nameless code") << "stx=&H1A" << 59 << 0 << 0x1A << "&H1A";
        QTest::newRow("keyboard terminator") << "keyboard-terminator=exec" << 50 << 1 << 8 << "EXEC";
        QTest::newRow("rs232 terminator") << "rs232-terminator=XON.....XOFF" << 39 << 1 << 9 << "XON.....XOFF";
        QTest::newRow("language") << "keyboard-language=sweden/finland" << 48 << 0 << 6 << "SWEDEN/FINLAND";
        QTest::newRow("alt on clears bit 5") << "alt-mode=on" << 52 << 0x22 << 0x42 << "on";
        QTest::newRow("alt off") << "alt-mode=off" << 52 << 0x62 << 0x22 << "off";
        QTest::newRow("case keeps other bits") << "case=universal" << 52 << 0x42 << 0x48 << "universal";
        QTest::newRow("pitch") << "buzzer-pitch=255" << 57 << 16 << 255 << "255";
        QTest::newRow("duration hex") << "buzzer-duration=0x10" << 58 << 25 << 16 << "16";
        QTest::newRow("beeper off") << "power-on-beeper=off" << 35 << 0x05 << 0x01 << "off";
        QTest::newRow("keyboard delay") << "keyboard-delay=0" << 51 << 5 << 0 << "0";
        QTest::newRow("rs232 delay") << "rs232-delay=&HFF" << 41 << 0 << 255 << "255";
        QTest::newRow("raw byte") << "byte.127=0" << 127 << 0x80 << 0 << "0x00";
        QTest::newRow("raw byte hex") << "byte.10=&HAB" << 10 << 0 << 0xAB << "0xAB";
    }
    void setChangesBytes() {
        QFETCH(QString, assignment);
        QFETCH(int, byte);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, shown);
        SettingsImage image = patternImage();
        image[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(before);
        const QString file = fileWith(QStringLiteral("set.msr"), image);
        const Run r = run({QStringLiteral("set"), file, assignment});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        SettingsImage expected = image;
        expected[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(after);
        QCOMPARE(imageOf(file), expected);
        const QString key = assignment.left(assignment.indexOf(u'='));
        QCOMPARE(run({QStringLiteral("get"), file, key}).out, shown + u'\n');
    }

    void setStrings() {
        const QString file = fileWith(QStringLiteral("amble.msr"), patternImage());
        const Run r = run({QStringLiteral("set"), file, QStringLiteral("preamble=Esc, A,&H0D"),
                           QStringLiteral("postamble=")});
        QCOMPARE(r.status, 0);
        const SettingsImage image = imageOf(file);
        QCOMPARE(image[80], 0x1B);
        QCOMPARE(image[81], 'A');
        QCOMPARE(image[82], 0x0D);
        for (int i = 83; i <= 89; ++i)
            QCOMPARE(image[static_cast<std::size_t>(i)], 0);
        for (int i = 91; i <= 100; ++i)
            QCOMPARE(image[static_cast<std::size_t>(i)], 0);
        QCOMPARE(image[90], patternImage()[90]);
        QCOMPARE(run({QStringLiteral("get"), file, QStringLiteral("preamble")}).out,
                 QStringLiteral("Esc (&H1B), A (&H41), Enter (&HD)\n"));
        // A 0 at the end only ends the string early.
        QCOMPARE(run({QStringLiteral("set"), file, QStringLiteral("preamble=B,&H0")}).status, 0);
        QCOMPARE(imageOf(file)[80], 'B');
        QCOMPARE(imageOf(file)[81], 0);
    }

    void refusedValuesWriteNothing_data() {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("out of range") << QStringList{"buzzer-pitch=256"} << 4 << "buzzer-pitch: \"256\" is not a number from 0 to 255";
        QTest::newRow("negative") << QStringList{"keyboard-delay=-1"} << 4 << "keyboard-delay: \"-1\"";
        QTest::newRow("fraction") << QStringList{"keyboard-delay=1.5"} << 4 << "keyboard-delay: \"1.5\"";
        QTest::newRow("not in list") << QStringList{"case=title"} << 4 << "case: \"title\" is not one of lower, upper, universal";
        QTest::newRow("unknown name") << QStringList{"stx=Escape"} << 4 << "stx: \"Escape\" is not a character";
        QTest::newRow("too many") << QStringList{"preamble=1,2,3,4,5,6,7,8,9,10,11"} << 4 << "preamble: 11 characters given, at most 10";
        QTest::newRow("zero inside") << QStringList{"postamble=A,&H0,B"} << 4 << "postamble: character 3 follows a 0, which ends the string";
        QTest::newRow("second one bad") << QStringList{"buzzer-pitch=1", "case=x"} << 4 << "case: \"x\"";
        QTest::newRow("unknown key") << QStringList{"buzzer=1"} << 2 << "unknown setting 'buzzer'";
        QTest::newRow("no equals") << QStringList{"buzzer-pitch"} << 2 << "'buzzer-pitch' is not KEY=VALUE";
        QTest::newRow("byte out of image") << QStringList{"byte.128=1"} << 2 << "unknown setting 'byte.128'";
        QTest::newRow("byte with a sign") << QStringList{"byte.-0=3"} << 2 << "unknown setting 'byte.-0'";
        QTest::newRow("byte with a blank") << QStringList{"byte. 1=3"} << 2 << "unknown setting 'byte. 1'";
        QTest::newRow("byte without digits") << QStringList{"byte.=3"} << 2 << "unknown setting 'byte.'";
    }
    void refusedValuesWriteNothing() {
        QFETCH(QStringList, assignments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString file = fileWith(QStringLiteral("refuse.msr"), patternImage());
        const QByteArray before = fileContent(file);
        const Run r = run(QStringList{QStringLiteral("set"), file} + assignments +
                          QStringList{QStringLiteral("-o"), path(QStringLiteral("out.msr"))});
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), status == 2 ? 2 : 1);
        QCOMPARE(fileContent(file), before);
        QVERIFY(!QFile::exists(path(QStringLiteral("out.msr"))));
    }

    void setToAnotherFile() {
        const QString file = fileWith(QStringLiteral("in.msr"), factory());
        const QString out = path(QStringLiteral("copy.msr"));
        QCOMPARE(run({QStringLiteral("set"), file, QStringLiteral("case=upper"), QStringLiteral("-o"), out}).status, 0);
        QCOMPARE(imageOf(file), factory());
        QCOMPARE(imageOf(out)[52], 0x02);
    }

    void unreadableFiles_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString missing = m_dir.filePath(QStringLiteral("missing.msr"));
        QTest::newRow("show missing") << QStringList{"show", missing} << missing + ": cannot read";
        QTest::newRow("get missing") << QStringList{"get", missing, "case"} << missing + ": cannot read";
        QTest::newRow("set missing") << QStringList{"set", missing, "case=upper"} << missing + ": cannot read";
        QTest::newRow("diff missing") << QStringList{"diff", shippedFactoryFile(), missing} << missing + ": cannot read";
        QTest::newRow("hex missing") << QStringList{"hex", missing} << missing + ": cannot read";
    }
    void unreadableFiles() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.status, 3);
        QVERIFY2(r.err.startsWith(QStringLiteral("quorvel-cli: ") + message), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing.msr"))));
    }

    // A FIFO without a writer would block a reader; a write by rename would replace it.
    void aFifoIsAFileError_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.msr"));
        const QString in = m_dir.filePath(QStringLiteral("in.msr"));
        QTest::newRow("show") << QStringList{"show", fifo} << fifo + ": cannot read: Not a regular file";
        QTest::newRow("set -o") << QStringList{"set", in, "buzzer-pitch=1", "-o", fifo}
                                << fifo + ": cannot write: Not a regular file";
        QTest::newRow("set in place") << QStringList{"set", fifo, "buzzer-pitch=1"}
                                      << fifo + ": cannot read: Not a regular file";
        QTest::newRow("new --force") << QStringList{"new", fifo, "--force"}
                                     << fifo + ": cannot write: Not a regular file";
    }
    void aFifoIsAFileError() {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        fileWith(QStringLiteral("in.msr"), factory());
        const QString fifo = path(QStringLiteral("pipe.msr"));
        QFile::remove(fifo);
        if (!makeFifo(fifo))
            QSKIP("no FIFOs here");
        const Run r = run(args);
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, QStringLiteral("quorvel-cli: ") + line + u'\n');
        QCOMPARE(nodeKind(fifo), QStringLiteral("node"));
        QCOMPARE(imageOf(path(QStringLiteral("in.msr"))), factory());
    }

    // The link would carry the new file into another folder.
    void newDoesNotFollowADanglingLinkUnforced() {
        QDir().mkpath(path(QStringLiteral("elsewhere")));
        const QString target = path(QStringLiteral("elsewhere/made.msr"));
        const QString link = path(QStringLiteral("dangling-new.msr"));
        QVERIFY(QFile::link(target, link));
        const Run r = run({QStringLiteral("new"), link});
        QCOMPARE(r.status, 4);
        QVERIFY(!QFileInfo::exists(target));
    }

    void wrongLengthIsAFileError() {
        writeFile(path(QStringLiteral("long.msr")), composeSettingsText(factory()) + "\r\n");
        const Run r = run({QStringLiteral("show"), path(QStringLiteral("long.msr"))});
        QCOMPARE(r.status, 3);
        QVERIFY(r.err.contains(QStringLiteral("not a settings file")));
    }

    void diffListsDifferences() {
        SettingsImage b = factory();
        b[50] = 8;
        b[53] = 0x1B;
        b[10] = 0x33;
        const QString fileA = fileWith(QStringLiteral("a.msr"), factory());
        const QString fileB = fileWith(QStringLiteral("b.msr"), b);
        Run r = run({QStringLiteral("diff"), fileA, fileB});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QStringLiteral("start-sentinel-1: % (&H25) -> Esc (&H1B)\n"
                                       "keyboard-terminator: CR -> EXEC\n"
                                       "byte.10: 0x00 -> 0x33\n"));
        r = run({QStringLiteral("diff"), fileA, fileA});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString());
        r = run({QStringLiteral("diff"), fileA, fileB, QStringLiteral("--json")});
        QCOMPARE(r.status, 1);
        const QJsonArray d = QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("differences")).toArray();
        QCOMPARE(d.size(), 3);
        QCOMPARE(d.at(1).toObject().value(QStringLiteral("key")).toString(), QStringLiteral("keyboard-terminator"));
        QCOMPARE(d.at(1).toObject().value(QStringLiteral("b")).toString(), QStringLiteral("EXEC"));
    }

    // Bits no named value shows still differ visibly, in both forms, with status 1.
    void diffShowsHiddenBits_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("byte 4 bits 0-5") << 4 << 0x01 << "byte.4: 0x00 -> 0x01";
        QTest::newRow("byte 35 bit 0") << 35 << 0x05 << "byte.35: 0x04 -> 0x05";
        QTest::newRow("function key emulation") << 52 << 0x20 << "byte.52: 0x00 -> 0x20";
        QTest::newRow("postamble after its 0") << 95 << 0x41 << "byte.95: 0x00 -> 0x41";
    }

    void diffShowsHiddenBits() {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(QString, line);
        SettingsImage b = factory();
        b[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(value);
        const QString fileA = fileWith(QStringLiteral("a.msr"), factory());
        const QString fileB = fileWith(QStringLiteral("b.msr"), b);
        Run r = run({QStringLiteral("diff"), fileA, fileB});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, line + u'\n');
        r = run({QStringLiteral("diff"), fileA, fileB, QStringLiteral("--json")});
        QCOMPARE(r.status, 1);
        const QJsonArray d =
            QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("differences")).toArray();
        QCOMPARE(d.size(), 1);
        QCOMPARE(d.at(0).toObject().value(QStringLiteral("key")).toString(), line.section(u':', 0, 0));
        QCOMPARE(d.at(0).toObject().value(QStringLiteral("b")).toInt(), value);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
