#include "cli/cli.h"
#include "cli/command_table.h"
#include "core/image/setting_catalog.h"
#include "core/files/settings_file.h"
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

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

} // namespace

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    CliContext m_context;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    Run run(const QStringList& args) {
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        const int status = runCli(args, o, e, m_context);
        o.flush();
        e.flush();
        return {status, out, err};
    }

    SettingsImage factory() { return shippedFactoryImage(); }

    QString fileWith(const QString& name, const SettingsImage& image) {
        writeFile(path(name), composeSettingsText(image));
        return path(name);
    }

    SettingsImage imageOf(const QString& file) {
        SettingsImage image{};
        parseSettingsText(fileContent(file), image);
        return image;
    }

private slots:
    void initTestCase() { m_context.factoryFile = shippedFactoryFile(); }

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

    // The help, the README and the manual page list the same commands and statuses.
    void documentationAgrees() {
        const QString help = run({QStringLiteral("--help")}).out;
        const QString readme = QString::fromUtf8(fileContent(QStringLiteral(QUORVEL_SOURCE_DIR "/README.md")));
        const QString manual = QString::fromUtf8(fileContent(QStringLiteral(QUORVEL_SOURCE_DIR "/data/quorvel-cli.1")));
        for (const char* command : {"show", "get", "set", "apply", "diff", "new", "hex", "keys", "devices", "transmit"}) {
            const QString c = QString::fromLatin1(command);
            QVERIFY2(help.contains(QStringLiteral("  ") + c + u' ') || help.contains(QStringLiteral("  ") + c + u'\n'), command);
            QVERIFY2(readme.contains(QStringLiteral("quorvel-cli ") + c), command);
            QVERIFY2(manual.contains(QStringLiteral(".BR ") + c), command);
        }
        for (int status = 0; status <= 5; ++status) {
            QVERIFY(help.contains(QStringLiteral("\n  %1  ").arg(status)));
            QVERIFY2(readme.contains(QStringLiteral("\n| %1 |").arg(status)), qPrintable(QString::number(status)));
            QVERIFY2(manual.contains(QStringLiteral(".IP %1\n").arg(status)), qPrintable(QString::number(status)));
        }
        for (const char* command : {"swipe", "provision"}) {
            QVERIFY2(help.contains(QStringLiteral("  %1 ").arg(QLatin1String(command))), command);
            QVERIFY2(readme.contains(QStringLiteral("quorvel-cli %1").arg(QLatin1String(command))), command);
            QVERIFY2(manual.contains(QStringLiteral(".BR %1").arg(QLatin1String(command))), command);
        }
        QVERIFY(help.contains(QStringLiteral("\n  7  swipe: ")));
        QVERIFY(readme.contains(QStringLiteral("\n| 7 | `swipe`")));
        QVERIFY(manual.contains(QStringLiteral(".IP 7\n\\fBswipe\\fR")));
        // The unknown-key statuses as each command gives them.
        QVERIFY(help.contains(QStringLiteral("unknown key given to get or set")));
        QVERIFY(readme.contains(QStringLiteral("unknown key given to `get` or `set`")));
        QVERIFY(manual.contains(QStringLiteral("unknown key given to \\fBget\\fR or \\fBset\\fR")));
        QCOMPARE(run({QStringLiteral("get"), shippedFactoryFile(), QStringLiteral("buzzer")}).status, 2);
    }

    // The manual page's COMMANDS section names the commands of the table, in its order.
    void manualListsTheCommandTable() {
        const QString manual = QString::fromUtf8(fileContent(QStringLiteral(QUORVEL_SOURCE_DIR "/data/quorvel-cli.1")));
        const qsizetype start = manual.indexOf(QStringLiteral(".SH COMMANDS\n"));
        const qsizetype end = manual.indexOf(QStringLiteral("\n.SH "), start + 1);
        QVERIFY(start >= 0 && end > start);
        QStringList listed;
        for (const QString& line : manual.mid(start, end - start).split(u'\n'))
            if (line.startsWith(QStringLiteral(".BR ")))
                listed << line.mid(4).section(u' ', 0, 0);
        QStringList table;
        for (const CliCommand& command : cliCommands())
            table << QString::fromLatin1(command.name);
        QCOMPARE(listed, table);
        // Each command's line there and its --help name every option the table declares.
        for (const CliCommand& command : cliCommands()) {
            const QString name = QString::fromLatin1(command.name);
            const qsizetype at = manual.indexOf(QStringLiteral("\n.BR %1").arg(name), start);
            const QString line = manual.mid(at + 1, manual.indexOf(u'\n', at + 1) - at - 1);
            const QString help = run({name, QStringLiteral("--help")}).out;
            for (const CliOption& option : command.options) {
                const QString o = QString::fromLatin1(option.name);
                QVERIFY2(help.contains(o), qPrintable(name + u' ' + o));
                QVERIFY2(line.contains(QString(o).replace(u'-', QStringLiteral("\\-"))), qPrintable(name + u' ' + o));
            }
        }
    }

    // The built tool on a full disk (a file size limit; the tool ignores SIGXFSZ itself):
    // status 3, one line, the file kept and nothing left beside it.
    void aFullDiskIsStatusThreeAndKeepsTheFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reason");
        QTest::newRow("set in place") << QStringList{"set", "F", "case=upper"} << "cannot write: File too large";
        QTest::newRow("set -o") << QStringList{"set", "S", "case=upper", "-o", "F"} << "cannot write: File too large";
        QTest::newRow("apply") << QStringList{"apply", "P", "F"} << "cannot write: File too large";
        QTest::newRow("apply -o") << QStringList{"apply", "P", "S", "-o", "F"} << "cannot write: File too large";
        QTest::newRow("new --force") << QStringList{"new", "F", "--force"} << "cannot write: File too large";
    }
    void aFullDiskIsStatusThreeAndKeepsTheFile() {
#ifndef Q_OS_UNIX
        QSKIP("the limit is set by a shell");
#endif
        QFETCH(QStringList, args);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("full.msr"));
        SettingsImage old = factory();
        old[57] = 99;
        writeFile(file, composeSettingsText(old));
        writeFile(dir.filePath(QStringLiteral("p.json")), R"({"case": "upper"})");
        writeFile(dir.filePath(QStringLiteral("s.msr")), composeSettingsText(old));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^S$")), dir.filePath(QStringLiteral("s.msr")));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^F$")), file);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^P$")), dir.filePath(QStringLiteral("p.json")));
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -f 0; exec \"$0\" \"$@\""),
                                  QStringLiteral(QUORVEL_CLI_PROGRAM)} + args);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 3);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("quorvel-cli: %1: %2\n").arg(file, reason));
        QCOMPARE(fileContent(file), composeSettingsText(old));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    // After "--" every word is an operand: "--help" there is a file name.
    void doubleDashEndsOptionsForHelpToo() {
        const Run r = run({QStringLiteral("show"), QStringLiteral("--"), QStringLiteral("--help")});
        QCOMPARE(r.status, 3);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QStringLiteral("quorvel-cli: --help: cannot read")), qPrintable(r.err));
    }

    // Control characters from the command line are echoed escaped: no forged second line.
    void controlCharactersAreEscaped_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("newline in a file name")
            << QStringList{"show", "a\nquorvel-cli: done.msr"} << "quorvel-cli: a\\nquorvel-cli: done.msr: cannot read";
        QTest::newRow("control in a value")
            << QStringList{"set", shippedFactoryFile(), "case=\x01up\x7f"} << "case: \"\\x01up\\x7f\"";
        QTest::newRow("control in a key") << QStringList{"get", shippedFactoryFile(), "ca\tse"}
                                          << "unknown setting 'ca\\tse'";
    }
    void controlCharactersAreEscaped() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = run(args);
        QVERIFY(r.status != 0);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY2(!r.err.contains(u'\x01') && !r.err.contains(u'\t') && !r.err.contains(u'\x7f'), qPrintable(r.err));
        QVERIFY2(r.err.count(u'\n') <= 2, qPrintable(r.err));
    }

    // Two edits of one file at once, by one name or two: neither update is lost.
    void concurrentSetsKeepBothUpdates_data() {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<bool>("secondWritesOut");
        QTest::newRow("one name") << "shared.msr" << "shared.msr" << false;
        QTest::newRow("a link and its target") << "link.msr" << "shared.msr" << false;
        QTest::newRow("-o the same file by another name") << "shared.msr" << "./shared.msr" << true;
    }
    void concurrentSetsKeepBothUpdates() {
        QFETCH(QString, firstName);
        QFETCH(QString, secondName);
        QFETCH(bool, secondWritesOut);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("shared.msr")), composeSettingsText(factory()));
        QVERIFY(QFile::link(QStringLiteral("shared.msr"), dir.filePath(QStringLiteral("link.msr"))));
        for (int round = 0; round < 12; ++round) {
            QProcess first;
            QProcess second;
            first.setWorkingDirectory(dir.path());
            second.setWorkingDirectory(dir.path());
            first.start(QStringLiteral(QUORVEL_CLI_PROGRAM), {"set", firstName, QStringLiteral("buzzer-pitch=%1").arg(round)});
            QStringList secondArgs{"set", QStringLiteral("shared.msr"), QStringLiteral("buzzer-duration=%1").arg(round)};
            if (secondWritesOut)
                secondArgs << "-o" << secondName;
            else
                secondArgs[1] = secondName;
            second.start(QStringLiteral(QUORVEL_CLI_PROGRAM), secondArgs);
            QVERIFY(first.waitForFinished(30000));
            QVERIFY(second.waitForFinished(30000));
            QCOMPARE(first.exitCode(), 0);
            QCOMPARE(second.exitCode(), 0);
            const SettingsImage image = imageOf(dir.filePath(QStringLiteral("shared.msr")));
            QCOMPARE(image[57], round);
            QCOMPARE(image[58], round);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"link.msr", "shared.msr"}));
    }

    // Writers in folders others share, run by root and by a second user ("nobody").
    void writersInSharedFolders_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("after"); // what `stat -c %U:%G:%a` then says of F
        QTest::newRow("new --force through another user's link")
            << "link" << "root" << QStringList{"new", "D/desk.msr", "--force"} << 3
            << "quorvel-cli: D/desk.msr: cannot write: D/desk.msr is a link in a shared folder that belongs to "
               "another user; it is not followed\n"
            << "root:root:600";
        QTest::newRow("set -o through another user's link")
            << "link" << "root" << QStringList{"set", "S", "case=upper", "-o", "D/desk.msr"} << 3
            << "quorvel-cli: D/desk.msr: cannot write: D/desk.msr is a link in a shared folder that belongs to "
               "another user; it is not followed\n"
            << "root:root:600";
        QTest::newRow("root changes another user's file") << "owned" << "root" << QStringList{"set", "F", "case=upper"}
                                                          << 0 << "" << "nobody:nogroup:600";
        QTest::newRow("a folder the user cannot write")
            << "closed" << "nobody" << QStringList{"set", "F", "case=upper"} << 3
            << "quorvel-cli: F: cannot write: The folder cannot be written (Permission denied)\n"
            << "root:root:666";
    }
    void writersInSharedFolders() {
        QFETCH(QString, setup);
        QFETCH(QString, user);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(QString, after);
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("needs root and setpriv to act as two users");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755))); // others may enter
        const QString shared = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkdir(shared));
        const QString file = setup == QLatin1String("link") ? dir.filePath(QStringLiteral("secret.conf"))
                                                            : shared + QStringLiteral("/f.msr");
        writeFile(file, composeSettingsText(factory()));
        writeFile(dir.filePath(QStringLiteral("s.msr")), composeSettingsText(factory()));
        const auto sh = [](const QString& command) { return QProcess::execute("/bin/sh", {"-c", command}); };
        QCOMPARE(sh(QStringLiteral("chmod %1 '%2'").arg(setup == QLatin1String("closed") ? "755" : "1777", shared)), 0);
        QCOMPARE(sh(QStringLiteral("chmod %1 '%2'").arg(setup == QLatin1String("closed") ? "666" : "600", file)), 0);
        if (setup == QLatin1String("link"))
            QCOMPARE(sh(QStringLiteral("ln -s '%1' '%2/desk.msr' && chown -h nobody '%2/desk.msr'").arg(file, shared)), 0);
        if (setup == QLatin1String("owned"))
            QCOMPARE(sh(QStringLiteral("chown nobody:nogroup '%1'").arg(file)), 0);
        const QByteArray before = fileContent(file);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^F$")), file);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^S$")), dir.filePath(QStringLiteral("s.msr")));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^D/")), shared + u'/');
        QProcess process;
        if (user == QLatin1String("root"))
            process.start(QStringLiteral(QUORVEL_CLI_PROGRAM), args);
        else
            process.start(QStringLiteral("setpriv"), QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                                                 QStringLiteral(QUORVEL_CLI_PROGRAM)} + args);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 err.replace(QStringLiteral("D/"), shared + u'/').replace(QStringLiteral(": F:"), ": " + file + ":"));
        QCOMPARE(process.exitCode(), status);
        QProcess stat;
        stat.start(QStringLiteral("stat"), {QStringLiteral("-c"), QStringLiteral("%U:%G:%a"), file});
        QVERIFY(stat.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(stat.readAllStandardOutput()).trimmed(), after);
        if (status != 0)
            QCOMPARE(fileContent(file), before);
        QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 1);
    }

    // "-" as an input FILE reads standard input, checked as a file is.
    void dashReadsStandardInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray text = composeSettingsText(shippedFactoryImage());
        QTest::newRow("get") << QStringList{"get", "-", "buzzer-duration"} << text << 0 << "25\n" << "";
        QTest::newRow("diff") << QStringList{"diff", "-", shippedFactoryFile()} << text << 0 << "" << "";
        QTest::newRow("one byte too many") << QStringList{"get", "-", "case"} << text + "x" << 3 << ""
                                           << "quorvel-cli: standard input: not a settings file (it must be exactly 408 characters)\n";
        QTest::newRow("empty") << QStringList{"show", "-"} << QByteArray() << 3 << ""
                               << "quorvel-cli: standard input: cannot read: The file is empty\n";
    }
    void dashReadsStandardInput() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        m_context.standardInput = [input](qint64 maxSize) { return input.left(maxSize); };
        const Run r = run(args);
        m_context.standardInput = nullptr;
        QCOMPARE(r.err, err);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
    }

    void theBuiltProgramRunsWithoutADisplay() {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUORVEL_CLI_PROGRAM),
                      {QStringLiteral("get"), shippedFactoryFile(), QStringLiteral("buzzer-duration")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("25\n"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
