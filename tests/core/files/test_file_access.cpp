#include "core/ending_signals.h"
#include "core/files/file_access.h"
#include "core/files/file_lock.h"
#include "core/files/file_name.h"
#include "core/files/settings_file.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <cstdio>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace quorvel;

namespace {

#ifdef Q_OS_UNIX
constexpr uid_t kOther = 65534; // nobody, who owns nothing here

struct stat statOf(const QString& path) {
    struct stat info {};
    ::lstat(fileNameBytes(path).constData(), &info);
    return info;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
#endif

} // namespace

class FileAccessTest : public QObject {
    Q_OBJECT

private slots:
    // A name goes back to the very bytes it came from; what is UTF-8 reads as UTF-8.
    void namesKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("ascii") << QByteArray("a.msr") << QStringLiteral("a.msr");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9") << QStringLiteral(u"caf\u00e9");
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral(u"\U0001F600");
        QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << QStringLiteral(u"\U0010FFFF");
        QTest::newRow("latin-1") << QByteArray("caf\xe9") << QStringLiteral(u"caf\xdce9");
        QTest::newRow("cut sequence") << QByteArray("a\xc3") << QStringLiteral(u"a\xdcc3");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QStringLiteral(u"\xdcc0\xdcaf");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral(u"\xdced\xdca0\xdc80");
        QTest::newRow("past unicode") << QByteArray("\xf4\x90\x80\x80")
                                      << QStringLiteral(u"\xdcf4\xdc90\xdc80\xdc80");
        QTest::newRow("stray continuation") << QByteArray("\x80z") << QStringLiteral(u"\xdc80z");
        // U+10080 is a surrogate pair whose low half lies among the kept bytes' range.
        QTest::newRow("pair with such a low half") << QByteArray("\xf0\x90\x82\x80") << QStringLiteral(u"\U00010080");
    }
    void namesKeepTheirBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QCOMPARE(fileNameFromBytes(bytes), name);
        QCOMPARE(fileNameBytes(name), bytes);
    }

    void aNameThatIsNotUtf8IsWrittenAndReadBack() {
        QTemporaryDir dir;
        const QString name = dir.path() + u'/' + fileNameFromBytes("caf\xe9.msr");
        QCOMPARE(writeDataFile(name, patternImage(3), [](const QString&) { return false; }).result,
                 WriteResult::Written);
        QCOMPARE(nodeStatus(name).kind, NodeKind::RegularFile);
        SettingsImage image{};
        QCOMPARE(readDataFile(name, image).result, ReadResult::Loaded);
        QCOMPARE(image, patternImage(3));
        // Qt would have spelled the lost byte U+FFFD: no such name may have been made.
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral(u"caf\uFFFD.msr"))));
        QCOMPARE(writeDataFile(name, patternImage(4), [](const QString&) { return false; }).result,
                 WriteResult::Declined);
        QCOMPARE(std::remove(fileNameBytes(name).constData()), 0); // QTemporaryDir could not
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // A replaced file keeps its permissions; a new one gets the user's usual ones.
    void permissionsSurviveTheReplacement_data() {
        QTest::addColumn<int>("before"); // -1: no file yet
        QTest::newRow("private file") << 0600;
        QTest::newRow("shared file") << 0664;
        QTest::newRow("new file") << -1;
    }
    void permissionsSurviveTheReplacement() {
#ifndef Q_OS_UNIX
        QSKIP("POSIX permission bits");
#endif
        QFETCH(int, before);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.msr"));
        const QString reference = dir.filePath(QStringLiteral("reference"));
        writeFile(reference, {});
        if (before >= 0) {
            writeFile(file, "old");
            const int owner = (before >> 6) & 7;
            QFile::setPermissions(file, QFileDevice::Permissions::fromInt(owner << 12 | owner << 8 |
                                                                          ((before >> 3) & 7) << 4 | (before & 7)));
        }
        const QFileDevice::Permissions expected =
            before >= 0 ? QFileInfo(file).permissions() : QFileInfo(reference).permissions();
        QCOMPARE(writeDataFile(file, patternImage(), [](const QString&) { return true; }).result, WriteResult::Written);
        QCOMPARE(QFileInfo(file).permissions(), expected);
    }

    // One holder at a time; the lock file goes with its holder; a planted link is refused.
    void aLockHasOneHolder() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.msr.lock"));
        QString reason;
        auto first = std::make_unique<FileLock>(name);
        QCOMPARE(first->tryLock(0, &reason), FileLock::Result::Locked);
        FileLock second(name);
        QCOMPARE(second.tryLock(50, &reason), FileLock::Result::Busy);
        first.reset();
        QVERIFY(!QFileInfo::exists(name));
        QCOMPARE(second.tryLock(0, &reason), FileLock::Result::Locked);

        const QString planted = dir.filePath(QStringLiteral("b.msr.lock"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), planted));
        FileLock third(planted);
        QCOMPARE(third.tryLock(0, &reason), FileLock::Result::Failed);
        QVERIFY(!reason.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("elsewhere"))));
    }
#ifdef Q_OS_UNIX
    // The kernel's rule for links in shared folders, applied although the writer resolves
    // links itself: in a sticky world-writable folder only the writer's own links and the
    // folder owner's are followed.
    void linksInSharedFoldersAreFollowedAsTheKernelWould_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("folderOfOther");
        QTest::addColumn<bool>("linkOfOther");
        QTest::addColumn<bool>("followed");
        QTest::newRow("another user's link, shared folder") << 01777 << false << true << false;
        QTest::newRow("own link, shared folder") << 01777 << false << false << true;
        QTest::newRow("the folder owner's link") << 01777 << true << true << true;
        QTest::newRow("another user's link, folder not sticky") << 0777 << false << true << true;
    }
    void linksInSharedFoldersAreFollowedAsTheKernelWould() {
        QFETCH(int, folderMode);
        QFETCH(bool, folderOfOther);
        QFETCH(bool, linkOfOther);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("planting another user's link needs root");
        QTemporaryDir dir;
        const QString secret = dir.filePath(QStringLiteral("secret.conf"));
        writeFile(secret, "root only\n");
        QFile::setPermissions(secret, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QString shared = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(fileNameBytes(shared).constData(), static_cast<mode_t>(folderMode)), 0);
        if (folderOfOther)
            QCOMPARE(::chown(fileNameBytes(shared).constData(), kOther, kOther), 0);
        const QString link = shared + QStringLiteral("/desk.msr");
        QVERIFY(QFile::link(secret, link));
        if (linkOfOther)
            QCOMPARE(::lchown(fileNameBytes(link).constData(), kOther, kOther), 0);

        const WriteOutcome outcome = writeDataFile(link, patternImage(), [](const QString&) { return true; });
        if (followed) {
            QCOMPARE(outcome.result, WriteResult::Written);
            QCOMPARE(fileContent(secret), composeSettingsText(patternImage()));
        } else {
            QCOMPARE(outcome.result, WriteResult::Failed);
            QCOMPARE(outcome.reason, link + QStringLiteral(" is a link in a shared folder that belongs to "
                                                           "another user; it is not followed"));
            QCOMPARE(fileContent(secret), QByteArray("root only\n"));
            QCOMPARE(entries(dir.path()), QStringList({"secret.conf", "shared"}));
        }
    }

    // The new contents are never readable by others before they have the old file's mode,
    // and another user's file stays theirs when root changes it.
    void theReplacementIsPrivateAndKeepsItsOwner_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("ofOther");
        QTest::newRow("private file") << 0600 << false;
        QTest::newRow("shared file") << 0664 << false;
        QTest::newRow("another user's private file") << 0600 << true;
    }
    void theReplacementIsPrivateAndKeepsItsOwner() {
        QFETCH(int, mode);
        QFETCH(bool, ofOther);
        if (ofOther && ::geteuid() != 0)
            QSKIP("another user's file needs root");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.msr"));
        writeFile(file, "old");
        QCOMPARE(::chmod(fileNameBytes(file).constData(), static_cast<mode_t>(mode)), 0);
        if (ofOther)
            QCOMPARE(::chown(fileNameBytes(file).constData(), kOther, kOther), 0);
        AtomicFile writer(file);
        QCOMPARE(writer.open(), QString());
        const QStringList names = entries(dir.path());
        QCOMPARE(names.size(), 2);
        const QString temporary = dir.filePath(names.at(names.at(0) == QLatin1String("p.msr") ? 1 : 0));
        QCOMPARE(statOf(temporary).st_mode & 077, 0u);
        QCOMPARE(writeWholeText(writer, "new"), QString());
        const struct stat after = statOf(file);
        QCOMPARE(after.st_mode & 07777, static_cast<mode_t>(mode));
        QCOMPARE(after.st_uid, ofOther ? kOther : ::geteuid());
        QCOMPARE(after.st_gid, ofOther ? kOther : statOf(dir.path()).st_gid);
        QCOMPARE(fileContent(file), QByteArray("new"));
    }

    // Legal names up to the longest one a folder takes: the temporary name is derived to fit.
    void theLongestNamesAreWritten_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("249 bytes") << 249;
        QTest::newRow("255 bytes") << 255;
    }
    void theLongestNamesAreWritten() {
        QFETCH(int, length);
        QTemporaryDir dir;
        const QString name = QString(length - 4, u'n') + QStringLiteral(".msr");
        const QString file = dir.filePath(name);
        for (int round = 0; round < 2; ++round)
            QCOMPARE(writeDataFile(file, patternImage(round), [](const QString&) { return true; }).result,
                     WriteResult::Written);
        QCOMPARE(entries(dir.path()), QStringList{name});
        QCOMPARE(fileContent(file), composeSettingsText(patternImage(1)));
    }

    // A program ended by a signal in the middle of a write leaves the old file and nothing else.
    void aSignalDuringAWriteLeavesOnlyTheOldFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.msr"));
        writeFile(file, "old");
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ending_signals::install();
            AtomicFile writer(file);
            if (writer.open().isEmpty() && writer.device().write("half") == 4)
                ::raise(SIGTERM);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGTERM);
        QCOMPARE(entries(dir.path()), QStringList{"s.msr"});
        QCOMPARE(fileContent(file), QByteArray("old"));
    }

    // A FIFO or device planted as a lock file is neither opened as one nor removed.
    void aPlantedNodeIsNoLock() {
        QTemporaryDir dir;
        const QString planted = dir.filePath(QStringLiteral("usbData.txt.lock"));
        if (!makeFifo(planted))
            QSKIP("no FIFOs here");
        FileLock lock(planted);
        QString reason;
        QCOMPARE(lock.tryLock(0, &reason), FileLock::Result::Failed);
        QCOMPARE(reason, QStringLiteral("Not a regular file"));
        QCOMPARE(nodeKind(planted), QStringLiteral("node"));
    }
#endif

    // One file, one lock, whatever name it is reached by.
    void aFileIsLockedByWhatItIs() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.msr"));
        writeFile(target, "x");
        const QString link = dir.filePath(QStringLiteral("link.msr"));
        QVERIFY(QFile::link(target, link));
        QString reason;
        auto first = std::make_unique<FileLock>(link, FileLock::Guards::TheFileItself);
        QCOMPARE(first->tryLock(0, &reason), FileLock::Result::Locked);
        FileLock second(QDir(dir.path()).filePath(QStringLiteral("./target.msr")), FileLock::Guards::TheFileItself);
        QCOMPARE(second.tryLock(50, &reason), FileLock::Result::Busy);
        first.reset();
        QCOMPARE(second.tryLock(0, &reason), FileLock::Result::Locked);
        QCOMPARE(entries(dir.path()), QStringList({"link.msr", "target.msr"}));
    }
};

QTEST_GUILESS_MAIN(FileAccessTest)
#include "test_file_access.moc"
