#include "core/files/file_access.h"
#include "core/files/file_lock.h"
#include "core/session.h"
#include "device/companion_command.h"
#include "device/transfer_file.h"
#include "device/transmission.h"
#include "fake_companion_runner.h"
#include "file_size_limit.h"
#include "test_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::CompanionRun::Outcome)
Q_DECLARE_METATYPE(quorvel::TransmitOutcome::Failure)
Q_DECLARE_METATYPE(quorvel::SettingsImage)
Q_DECLARE_METATYPE(quorvel::CompanionRun)

namespace {

SettingsImage ascending() {
    SettingsImage image{};
    for (int i = 0; i < kImageSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    return image;
}

SettingsImage filled(std::uint8_t value) {
    SettingsImage image{};
    image.fill(value);
    return image;
}

} // namespace

class TransmissionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString transferPath() const { return m_dir->filePath(QStringLiteral("usbData.txt")); }

    // Permission bits do not bind root; the immutable flag does, where the file system has it.
    static bool refuseNewFiles(const QString& folder) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (!QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
            return true;
        QFile::remove(folder + QStringLiteral("/probe"));
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
        return !QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    }
    static void allowNewFiles(const QString& folder) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(folder + QStringLiteral("/probe"));
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void transferText_data() {
        QTest::addColumn<SettingsImage>("image");
        QTest::addColumn<QByteArray>("text");

        QTest::newRow("0x00 to 0x7F")
            << ascending()
            << QByteArray("000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F"
                          "202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F"
                          "404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F"
                          "606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F"
                          "\r\n");
        QTest::newRow("0x0A has its leading zero")
            << filled(0x0A) << QByteArray("0A").repeated(128) + "\r\n";
        QTest::newRow("0xFF upper case") << filled(0xFF) << QByteArray("FF").repeated(128) + "\r\n";
        QTest::newRow("all zero") << filled(0) << QByteArray("00").repeated(128) + "\r\n";
    }
    void transferText() {
        QFETCH(SettingsImage, image);
        QFETCH(QByteArray, text);
        QCOMPARE(quorvel::transferText(image), text);
        QCOMPARE(text.size(), 258);
    }

    void writesTheFileAndReplacesALongerOne() {
        writeFile(transferPath(), QByteArray(1000, 'x'));
        const TransferFileOutcome outcome = writeTransferFile(m_dir->path(), filled(0x5A));
        QVERIFY(outcome.written);
        QCOMPARE(outcome.path, transferPath());
        QCOMPARE(fileContent(transferPath()), QByteArray("5A").repeated(128) + "\r\n");
    }

    void unwritableFileGivesTheSystemsReason_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder stands in its place")
            << QStringLiteral("blocked") << QStringLiteral("Filename refers to a directory");
        QTest::newRow("folder missing")
            << QStringLiteral("missing") << QStringLiteral("No such file or directory");
    }
    void unwritableFileGivesTheSystemsReason() {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QDir(m_dir->path()).mkpath(QStringLiteral("blocked/usbData.txt"));
        const QString where = m_dir->filePath(folder);
        const TransferFileOutcome outcome = writeTransferFile(where, filled(1));
        QVERIFY(!outcome.written);
        QCOMPARE(outcome.path, where + QStringLiteral("/usbData.txt"));
        QCOMPARE(outcome.reason, reason);
    }

    // A name planted in a shared folder must not redirect or replace anything.
    void plantedNamesAreRefusedUntouched_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const QString link = QStringLiteral("It is a symbolic link, which is never written through");
        QTest::newRow("link to another file") << QStringLiteral("link") << link;
        QTest::newRow("dangling link") << QStringLiteral("dangling") << link;
        QTest::newRow("fifo") << QStringLiteral("fifo") << QStringLiteral("Not a regular file");
    }
    void plantedNamesAreRefusedUntouched() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString victim = m_dir->filePath(QStringLiteral("victim"));
        if (kind == QLatin1String("fifo")) {
            if (!makeFifo(transferPath()))
                QSKIP("no FIFOs here");
        } else {
            if (kind == QLatin1String("link"))
                writeFile(victim, "precious");
            QVERIFY(QFile::link(victim, transferPath()));
        }
        const QString before = nodeKind(transferPath());
        Session session;
        FakeCompanionRunner runner;

        const TransmitOutcome outcome = transmitSettings(session, m_dir->path(), runner);

        QCOMPARE(outcome.failure, TransmitOutcome::Failure::FileNotWritten);
        QCOMPARE(outcome.message, QStringLiteral("The settings could not be written to %1: %2")
                                      .arg(QDir::toNativeSeparators(transferPath()), reason));
        QCOMPARE(runner.runs, 0);
        QCOMPARE(nodeKind(transferPath()), before);
        QCOMPARE(fileContent(victim), kind == QLatin1String("link") ? QByteArray("precious") : QByteArray());
    }

    // A folder that takes no new file, where usbData.txt itself may be changed: it is
    // rewritten in place, and a write that fails there puts the old bytes back.
    void aFolderTakingNoNewFileStillGetsItsFileRewritten_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<int>("limit"); // 0: no file size limit
        QTest::newRow("written") << QByteArray("old") << 0;
        QTest::newRow("full disk, short old file") << QByteArray("old") << 100;
        QTest::newRow("full disk, long old file") << QByteArray("0123456789").repeated(30) << 100;
        QTest::newRow("nothing fits") << QByteArray("0123456789").repeated(30) << 1;
    }
    void aFolderTakingNoNewFileStillGetsItsFileRewritten() {
        QFETCH(QByteArray, old);
        QFETCH(int, limit);
        writeFile(transferPath(), old);
        if (!refuseNewFiles(m_dir->path()))
            QSKIP("no way here to make a folder refuse new files");
        TransferFileOutcome outcome;
        {
            std::unique_ptr<FileSizeLimit> full(limit ? new FileSizeLimit(limit) : nullptr);
            outcome = writeTransferFile(m_dir->path(), filled(0x42));
        }
        allowNewFiles(m_dir->path());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("usbData.txt")});
        if (limit == 0) {
            QVERIFY2(outcome.written, qPrintable(outcome.reason));
            QCOMPARE(fileContent(transferPath()), QByteArray("42").repeated(128) + "\r\n");
        } else {
            QVERIFY(!outcome.written);
            QCOMPARE(outcome.reason, QStringLiteral("File too large"));
            QCOMPARE(fileContent(transferPath()), old);
        }
    }

    // A full disk: the old usbData.txt stays, nothing else is left, the companion is not run.
    void aFullDiskStopsBeforeTheCompanion() {
        const QString file = m_dir->filePath(QStringLiteral("usbData.txt"));
        writeFile(file, "old");
        Session session;
        FakeCompanionRunner runner;
        TransmitOutcome outcome;
        {
            FileSizeLimit full(100);
            if (!full.active())
                QSKIP("no file size limit on this system");
            outcome = transmitSettings(session, m_dir->path(), runner);
        }
        QCOMPARE(outcome.failure, TransmitOutcome::Failure::FileNotWritten);
        QVERIFY2(outcome.message.endsWith(QStringLiteral("usbData.txt: File too large")), qPrintable(outcome.message));
        QCOMPARE(runner.runs, 0);
        QCOMPARE(fileContent(file), QByteArray("old"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("usbData.txt")});
    }

    void transmissionForcesByte127AndLeavesTheChangedFlag_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("byte127");
        QTest::newRow("unchanged, byte 127 = 0x7F") << false << 0x7F;
        QTest::newRow("changed, byte 127 = 0x00") << true << 0x00;
        QTest::newRow("unchanged, byte 127 already 0x80") << false << 0x80;
        QTest::newRow("changed, byte 127 = 0xFF") << true << 0xFF;
    }
    void transmissionForcesByte127AndLeavesTheChangedFlag() {
        QFETCH(bool, changed);
        QFETCH(int, byte127);
        Session session;
        session.image = ascending();
        session.setByte(127, byte127);
        session.changed = changed;
        FakeCompanionRunner runner;

        const TransmitOutcome outcome = transmitSettings(session, m_dir->path(), runner);

        QVERIFY(outcome.succeeded());
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(session.byte(127), 0x80);
        QCOMPARE(session.changed, changed);
        SettingsImage expected = ascending();
        expected[127] = 0x80;
        QCOMPARE(session.image, expected);
        QCOMPARE(runner.runs, 1);
        QCOMPARE(runner.programs, QStringList{"Hoplink.exe"});
        QCOMPARE(runner.lastArguments, QStringList{});
        QCOMPARE(runner.folders, QStringList{m_dir->path()});
        // The companion finds the whole file, ending in 7E80, when it starts.
        QCOMPARE(runner.transferTexts.size(), 1);
        QVERIFY(runner.transferTexts[0].startsWith("000102"));
        QVERIFY(runner.transferTexts[0].endsWith("7E80\r\n"));
        QCOMPARE(runner.transferTexts[0], quorvel::transferText(expected));
    }

    void companionFailuresAreNamed_data() {
        QTest::addColumn<CompanionRun>("run");
        QTest::addColumn<TransmitOutcome::Failure>("failure");
        QTest::addColumn<QString>("message");
        using O = CompanionRun::Outcome;
        using F = TransmitOutcome::Failure;
        QTest::newRow("exit code 0")
            << CompanionRun{O::Exited, "/opt/Hoplink.exe", {}, 0} << F::None << QString();
        QTest::newRow("exit status 3 is named")
            << CompanionRun{O::Exited, "/opt/Hoplink.exe", {}, 3} << F::CompanionFailed
            << "The companion program /opt/Hoplink.exe ended with status 3.";
        QTest::newRow("not found")
            << CompanionRun{O::NotFound, "Hoplink.exe", {}, 0} << F::CompanionNotFound
            << "The companion program Hoplink.exe was not found, neither beside this program "
               "nor on the search path.";
        QTest::newRow("not executable")
            << CompanionRun{O::NotStarted, "/opt/Hoplink.exe", "execvp: Permission denied", 0}
            << F::CompanionNotStarted
            << "The companion program /opt/Hoplink.exe could not be started: execvp: Permission "
               "denied";
        QTest::newRow("crashed")
            << CompanionRun{O::Crashed, "/opt/Hoplink.exe", "Process crashed", 11}
            << F::CompanionCrashed
            << "The companion program /opt/Hoplink.exe was ended by signal 11 (SIGSEGV).";
        QTest::newRow("windows program without wine")
            << CompanionRun{O::NeedsWine, "/opt/Hoplink.exe", {}, 0} << F::CompanionNeedsWine
            << "The companion program /opt/Hoplink.exe is a Windows program: Wine is needed to "
               "run it, and wine was not found on the search path. Install Wine (the package "
               "wine), or name another command to run in QUORVEL_COMPANION.";
    }
    void companionFailuresAreNamed() {
        QFETCH(CompanionRun, run);
        QFETCH(TransmitOutcome::Failure, failure);
        QFETCH(QString, message);
        Session session;
        FakeCompanionRunner runner;
        runner.result = run;

        const TransmitOutcome outcome = transmitSettings(session, m_dir->path(), runner);

        QCOMPARE(outcome.failure, failure);
        QCOMPARE(outcome.message, message);
        QCOMPARE(session.byte(127), 0x80);
        QVERIFY(!session.changed);
    }

    void companionCommandIsSplitLikeAShellWordList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words"); // program first; empty when refused
        QTest::addColumn<bool>("fromEnvironment");
        QTest::newRow("unset") << QString() << QStringList{"Hoplink.exe"} << false;
        QTest::newRow("blank") << QStringLiteral(" \t ") << QStringList{"Hoplink.exe"} << false;
        QTest::newRow("runs of blanks")
            << QStringLiteral("  wine   /opt/hop/Hoplink.exe  ")
            << QStringList{"wine", "/opt/hop/Hoplink.exe"} << true;
        QTest::newRow("quoted program with a blank")
            << QStringLiteral("\"/opt/My Tools/hop\" --port 3")
            << QStringList{"/opt/My Tools/hop", "--port", "3"} << true;
        QTest::newRow("backslash escapes a blank")
            << QStringLiteral("/opt/My\\ Tools/hop") << QStringList{"/opt/My Tools/hop"} << true;
        QTest::newRow("single quotes are literal, nothing expands")
            << QStringLiteral("hop 'C:\\Hop\\x.exe' '' $HOME *.txt ;rm")
            << QStringList{"hop", "C:\\Hop\\x.exe", "", "$HOME", "*.txt", ";rm"} << true;
        QTest::newRow("backslash in double quotes")
            << QStringLiteral("hop \"say \\\"hi\\\" \\n\"")
            << QStringList{"hop", "say \"hi\" \\n"} << true;
        QTest::newRow("empty quotes name no program") << QStringLiteral("\"\"") << QStringList{""}
                                                     << true;
        QTest::newRow("open single quote refused")
            << QStringLiteral("hop 'a") << QStringList{} << true;
    }
    void companionCommandIsSplitLikeAShellWordList() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(bool, fromEnvironment);
        const CompanionCommand command = companionCommandFrom(text);
        QCOMPARE(command.fromEnvironment, fromEnvironment);
        if (words.isEmpty()) {
            QCOMPARE(command.problem,
                     QStringLiteral("QUORVEL_COMPANION cannot be used: a quote is not closed."));
            return;
        }
        QCOMPARE(QStringList{command.program} + command.arguments, words);
        QVERIFY(command.problem.isEmpty());
    }

    void aCommandThatCannotBeReadRunsNothingAndWritesNothing() {
        qputenv(kCompanionVariable, "hop 'a");
        Session session;
        FakeCompanionRunner runner;
        const TransmitOutcome refused = transmitSettings(session, m_dir->path(), runner);
        qunsetenv(kCompanionVariable);
        QCOMPARE(refused.failure, TransmitOutcome::Failure::CompanionNotFound);
        QCOMPARE(runner.runs, 0);
        QVERIFY(!QFile::exists(transferPath()));
        QCOMPARE(session.byte(127), 0x80);
    }

    void unwritableFileStopsBeforeTheCompanion() {
        QDir(m_dir->path()).mkdir(QStringLiteral("usbData.txt"));
        Session session;
        session.changed = true;
        FakeCompanionRunner runner;

        const TransmitOutcome outcome = transmitSettings(session, m_dir->path(), runner);

        QCOMPARE(outcome.failure, TransmitOutcome::Failure::FileNotWritten);
        QCOMPARE(outcome.message,
                 QStringLiteral("The settings could not be written to %1: Filename refers to a "
                                "directory")
                     .arg(QDir::toNativeSeparators(transferPath())));
        QCOMPARE(runner.runs, 0);
        QCOMPARE(session.byte(127), 0x80);
        QVERIFY(session.changed);
    }
    // One transmission per folder: another waits for the folder's lock, says so once,
    // and gives up at its time limit without running the companion.
    void aSecondTransmissionWaitsItsTurn_data() {
        QTest::addColumn<bool>("released");
        QTest::addColumn<TransmitOutcome::Failure>("failure");
        QTest::newRow("released meanwhile") << true << TransmitOutcome::Failure::None;
        QTest::newRow("held past the time limit") << false << TransmitOutcome::Failure::WaitTimedOut;
    }
    void aSecondTransmissionWaitsItsTurn() {
        QFETCH(bool, released);
        QFETCH(TransmitOutcome::Failure, failure);
        auto other = std::make_unique<FileLock>(m_dir->filePath(QStringLiteral("usbData.txt.lock")));
        QString reason;
        QCOMPARE(other->tryLock(0, &reason), FileLock::Result::Locked);
        if (released)
            QTimer::singleShot(300, [&other] { other.reset(); });
        Session session;
        FakeCompanionRunner runner;
        runner.setTimeLimit(std::chrono::seconds(1));
        int told = 0;
        const TransmitOutcome outcome = transmitSettings(session, m_dir->path(), runner, [&] { ++told; });
        QCOMPARE(outcome.failure, failure);
        QCOMPARE(told, 1);
        QCOMPARE(runner.runs, released ? 1 : 0);
        QCOMPARE(QFile::exists(transferPath()), released); // written only in its turn
        if (!released)
            QCOMPARE(outcome.message, QStringLiteral("Another transmission from this folder did not "
                                                     "end within the timeout of 1 s."));
    }
};

QTEST_GUILESS_MAIN(TransmissionTest)
#include "test_transmission.moc"
