// File names are bytes: a name that is not UTF-8 reaches the file system exactly as given.
#include "test_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvel;

class CliFileNamesTest : public QObject {
    Q_OBJECT

private slots:
    // Each script runs in an empty folder with $Q the built tool and $n the name
    // "caf\351.msr" (a Latin-1 e-acute, not UTF-8); $p is "pr\377fil.json".
    void namesAreUsedAsTheBytesGiven_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("new, then get") << R"("$Q" new "$n" && "$Q" get "$n" buzzer-duration)" << 0 << QByteArray("25\n")
                                       << QByteArray();
        QTest::newRow("set in place") << R"("$Q" new "$n" && "$Q" set "$n" buzzer-duration=30 && "$Q" get "$n" buzzer-duration)"
                                      << 0 << QByteArray("30\n") << QByteArray();
        QTest::newRow("set -o") << R"("$Q" new "$n" && "$Q" set "$n" buzzer-duration=31 -o "$n.2" && "$Q" get "$n.2" buzzer-duration)"
                                << 0 << QByteArray("31\n") << QByteArray();
        QTest::newRow("a profile so named")
            << R"(printf '{"buzzer-duration": 33}' > "$p" && "$Q" new "$n" && "$Q" apply "$p" "$n" && "$Q" get "$n" buzzer-duration)"
            << 0 << QByteArray("33\n") << QByteArray();
        QTest::newRow("diff of two such names")
            << R"("$Q" new "$n" && "$Q" set "$n" buzzer-duration=34 -o "$n.2" && "$Q" diff "$n" "$n.2" >/dev/null; echo $?)" << 0
            << QByteArray("1\n") << QByteArray();
        QTest::newRow("show --json carries it as valid UTF-8")
            << R"("$Q" new "$n" && "$Q" show "$n" --json | head -n 2 | iconv -f UTF-8 -t UTF-8)" << 0
            << QByteArray("{\n    \"file\": \"caf\\\\xe9.msr\",\n") << QByteArray();
        QTest::newRow("a missing one is named escaped")
            << R"("$Q" show "$n")" << 3 << QByteArray()
            << QByteArray("quorvel-cli: caf\\xe9.msr: cannot read: No such file or directory\n");
        QTest::newRow("an existing one is not overwritten unasked")
            << R"("$Q" new "$n" && "$Q" new "$n")" << 4 << QByteArray()
            << QByteArray("quorvel-cli: caf\\xe9.msr: exists; use --force to replace it\n");
    }
    void namesAreUsedAsTheBytesGiven() {
#ifndef Q_OS_UNIX
        QSKIP("names are bytes only on POSIX systems");
#endif
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        // The names are made by the shell: QProcess would pass them as UTF-8.
        const QString prelude = QStringLiteral(R"sh(n=$(printf 'caf\351.msr'); p=$(printf 'pr\377fil.json'); )sh");
        // Afterwards nothing may stand under a name spelled with U+FFFD, the mark of a lost byte;
        // the shell clears the folder, which QTemporaryDir could not.
        const QString check = QStringLiteral(R"sh(; s=$?; ls | grep -q "$(printf '\357\277\275')" && echo LOST >&2; find . -mindepth 1 -delete; exit $s)sh");
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), prelude + QStringLiteral("Q=\"$0\"; ") + script + check,
                       QStringLiteral(QUORVEL_CLI_PROGRAM)});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardError(), err);
        QCOMPARE(process.readAllStandardOutput(), out);
        QCOMPARE(process.exitCode(), status);
    }
};

QTEST_GUILESS_MAIN(CliFileNamesTest)
#include "test_cli_file_names.moc"
