// quorvel-cli provision: the log, where it may be written and how records are appended.
#include "provision_station.h"

using namespace quorvel;
using namespace quorvel::provision_tests;

class CliProvisionLogTest : public QObject {
    Q_OBJECT
private slots:
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
        station.run(
            {station.settingsFile(), QStringLiteral("--no-verify"), QStringLiteral("--once")});
        if (!shared) {
            QCOMPARE(station.status, 0);
            QCOMPARE(fileContent(target).count('\n'), 1);
            return;
        }
        QCOMPARE(station.status, 3);
        QCOMPARE(station.err,
                 QStringLiteral("quorvel-cli: provision: %1: cannot write the log: %1 is a "
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
                                    QStringLiteral("--log"),
                                    QStringLiteral("ro/evil\n\x1b[31mred.jsonl")};
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            process.start(QStringLiteral(QUORVEL_CLI_PROGRAM), provision);
        } else {
            // Root writes anywhere but on a read-only file system: one of its own, unseen outside.
            const QString mount =
                QStringLiteral("mount -t tmpfs -o ro tmpfs \"$0\" && exec \"$@\"");
            if (QProcess::execute(QStringLiteral("unshare"),
                                  {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                                   mount, folder, QStringLiteral("true")}) != 0)
                QSKIP("no read-only file system can be mounted here");
            process.start(QStringLiteral("unshare"),
                          QStringList{QStringLiteral("-m"), QStringLiteral("sh"),
                                      QStringLiteral("-c"), mount, folder,
                                      QStringLiteral(QUORVEL_CLI_PROGRAM)} +
                              provision);
        }
        const bool ended = process.waitForFinished(20000);
        if (!ended)
            process.kill();
        process.waitForFinished();
        QVERIFY2(ended, "provision waited for a reader");
        QCOMPARE(process.exitCode(), 3);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(
            err.startsWith(
                QStringLiteral(
                    "quorvel-cli: provision: %1/evil\\n\\x1b[31mred.jsonl: cannot write the log: ")
                    .arg(folder)),
            qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
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
};

QTEST_GUILESS_MAIN(CliProvisionLogTest)
#include "test_cli_provision_log.moc"
