#include "core/file_access.h"
#include "core/file_name.h"
#include "core/settings_file.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <cstdio>
#include <QtTest>

using namespace quorvel;

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
};

QTEST_GUILESS_MAIN(FileAccessTest)
#include "test_file_access.moc"
