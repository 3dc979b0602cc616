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

class CliOnDiskTest : public QObject, public CliFixture {
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(CliOnDiskTest)
#include "test_cli_on_disk.moc"
