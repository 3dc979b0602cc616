#include "core/files/factory_file.h"
#include "core/files/settings_file.h"
#include "file_size_limit.h"
#include "test_files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvel;

namespace {

// Fails after a given number of bytes, like a disk filling up part-way.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QIODevice* target, qint64 allowed) : m_target(target), m_allowed(allowed) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 n = qMin(size, m_allowed);
        if (n > 0)
            m_target->write(data, n);
        m_allowed -= n;
        if (n < size) {
            setErrorString(QStringLiteral("No space left on device"));
            return n > 0 ? n : -1;
        }
        return n;
    }

private:
    QIODevice* m_target;
    qint64 m_allowed;
};

QByteArray rowText(const QList<int>& values) {
    QByteArray line;
    for (int c = 0; c < 16; ++c)
        line += (c == 0 ? ">" : ",") + QByteArray::number(values.value(c), 16).toUpper().rightJustified(2, '0');
    return line + ",\r\n";
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Empty where the system has no such node.
    QString oddNode(const QString& kind) {
        static int serial = 0;
        const QString node = path(QStringLiteral("odd%1.msr").arg(++serial));
        if (kind == QLatin1String("folder")) {
            QDir().mkpath(node);
        } else if (kind == QLatin1String("device")) {
            if (!QFileInfo::exists(QStringLiteral("/dev/full")))
                return {};
            QFile::link(QStringLiteral("/dev/full"), node);
        } else {
            const QString fifo = kind == QLatin1String("fifo") ? node : node + QStringLiteral(".fifo");
            if (!makeFifo(fifo))
                return {};
            if (fifo != node)
                QFile::link(fifo, node);
        }
        return node;
    }

private slots:
    void composesTheDocumentedRows_data() {
        QTest::addColumn<int>("byteIndex");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("zeros") << 0 << 0 << rowText({});
        QTest::newRow("0A") << 1 << 10 << rowText({0, 10});
        QTest::newRow("FF") << 15 << 255 << rowText({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255});
    }
    void composesTheDocumentedRows() {
        QFETCH(int, byteIndex);
        QFETCH(int, value);
        QFETCH(QByteArray, firstLine);
        SettingsImage image{};
        image[static_cast<std::size_t>(byteIndex)] = static_cast<std::uint8_t>(value);
        const QByteArray text = composeSettingsText(image);
        QCOMPARE(text.size(), 408);
        QCOMPARE(text.left(51), firstLine);
        QCOMPARE(text.mid(51), rowText({}).repeated(7));
    }

    void composesTheExampleRow() {
        SettingsImage image{};
        image[0] = 0x05;
        image[2] = 0x1F;
        QCOMPARE(composeSettingsText(image).left(51),
                 QByteArray(">05,00,1F") + QByteArray(",00").repeated(13) + ",\r\n");
    }

    void roundTripsRandomImages() {
        auto* random = QRandomGenerator::global();
        for (int run = 0; run < 50; ++run) {
            SettingsImage image{};
            for (auto& b : image)
                b = static_cast<std::uint8_t>(random->bounded(256));
            const QString file = path(QStringLiteral("round%1.msr").arg(run));
            QCOMPARE(writeDataFile(file, image, [](const QString&) { return false; }).result,
                     WriteResult::Written);
            QCOMPARE(fileContent(file).size(), 408);
            SettingsImage back{};
            QCOMPARE(readDataFile(file, back).result, ReadResult::Loaded);
            QCOMPARE(back, image);
        }
    }

    void readsFieldsAsTheyStand_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("upper") << QByteArray("AB") << 0xAB;
        QTest::newRow("lower") << QByteArray("ab") << 0xAB;
        QTest::newRow("mixed") << QByteArray("fE") << 0xFE;
        QTest::newRow("1G gives 1") << QByteArray("1G") << 1;
        QTest::newRow("G1 gives 0") << QByteArray("G1") << 0;
        QTest::newRow("blanks") << QByteArray("  ") << 0;
        QTest::newRow("digit then blank") << QByteArray("7 ") << 7;
    }
    void readsFieldsAsTheyStand() {
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        QByteArray text = composeSettingsText(patternImage());
        // byte 37: row 2, column 5
        text.replace(51 * 2 + 3 * 5 + 1, 2, field);
        SettingsImage image = patternImage(3);
        QVERIFY(parseSettingsText(text, image));
        SettingsImage expected = patternImage();
        expected[37] = static_cast<std::uint8_t>(value);
        QCOMPARE(image, expected);
    }

    void ignoresTheSeparators() {
        QByteArray text = composeSettingsText(patternImage());
        for (int i = 0; i < text.size(); ++i)
            if (i % 3 == 0 || (i % 51) >= 48)
                text[i] = ' ';
        SettingsImage image{};
        QVERIFY(parseSettingsText(text.toLower(), image));
        QCOMPARE(image, patternImage());
    }

    void refusesWrongLengths_data() {
        QTest::addColumn<int>("delta");
        QTest::newRow("407") << -1;
        QTest::newRow("409") << 1;
        QTest::newRow("410, trailing empty line") << 2;
        QTest::newRow("huge") << 10'000'000;
    }
    void refusesWrongLengths() {
        QFETCH(int, delta);
        QByteArray text = composeSettingsText(patternImage());
        if (delta < 0)
            text.chop(-delta);
        else if (delta == 2)
            text += "\r\n";
        else
            text += QByteArray(delta, 'x');
        const QString file = path(QStringLiteral("len%1.msr").arg(delta));
        writeFile(file, text);
        SettingsImage image = patternImage(7);
        QCOMPARE(readDataFile(file, image).result, ReadResult::WrongLength);
        QCOMPARE(image, patternImage(7));
        QVERIFY(!readDefaultFile(file, image));
        QCOMPARE(image, patternImage(7));
    }

    void missingAndEmptyFilesAreErrors() {
        SettingsImage image = patternImage(2);
        const QString missing = path(QStringLiteral("missing.msr"));
        const ReadOutcome outcome = readDataFile(missing, image);
        QCOMPARE(outcome.result, ReadResult::Error);
        QVERIFY(!outcome.reason.isEmpty());
        QVERIFY2(!QFile::exists(missing), "reading must not create the file");
        QVERIFY(!readDefaultFile(missing, image));

        const QString empty = path(QStringLiteral("empty.msr"));
        writeFile(empty, {});
        QCOMPARE(readDataFile(empty, image).result, ReadResult::Error);
        QVERIFY(!readDefaultFile(empty, image));

        QCOMPARE(readDataFile(m_dir.path(), image).result, ReadResult::Error);
        QCOMPARE(image, patternImage(2));
    }

    void overwriteQuestionOnlyForExistingFiles() {
        const QString file = path(QStringLiteral("exists.msr"));
        writeFile(file, "old");
        QStringList asked;
        auto decline = [&](const QString& p) { asked << p; return false; };
        QCOMPARE(writeDataFile(file, patternImage(), decline).result, WriteResult::Declined);
        QCOMPARE(asked, QStringList{file});
        QCOMPARE(fileContent(file), QByteArray("old"));

        auto accept = [&](const QString& p) { asked << p; return true; };
        QCOMPARE(writeDataFile(file, patternImage(), accept).result, WriteResult::Written);
        QCOMPARE(fileContent(file), composeSettingsText(patternImage()));

        asked.clear();
        const QString fresh = path(QStringLiteral("fresh.msr"));
        QCOMPARE(writeDataFile(fresh, patternImage(), accept).result, WriteResult::Written);
        QVERIFY(asked.isEmpty());
    }

    void cannotCreateFailsWithoutAQuestion_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("no such folder") << QStringLiteral("nowhere/at/all.msr");
        QTest::newRow("folder standing there") << QStringLiteral("folder");
    }
    void cannotCreateFailsWithoutAQuestion() {
        QFETCH(QString, target);
        QDir(m_dir.path()).mkpath(QStringLiteral("folder"));
        int asked = 0;
        const WriteOutcome outcome =
            writeDataFile(path(target), patternImage(), [&](const QString&) { return ++asked, true; });
        QCOMPARE(outcome.result, WriteResult::Failed);
        QVERIFY(!outcome.reason.isEmpty());
        // Neither a missing folder nor a folder standing at the name is a file to replace.
        QCOMPARE(asked, 0);
        QVERIFY(QFileInfo(path(QStringLiteral("folder"))).isDir());
    }

    // A FIFO, a device and a folder, directly or behind a link: none is a settings file.
    void oddNodes_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("link to a fifo") << QStringLiteral("link to fifo");
        QTest::newRow("link to /dev/full") << QStringLiteral("device");
        QTest::newRow("folder") << QStringLiteral("folder");
    }
    void readingRefusesOddNodesLikeAMissingFile_data() { oddNodes_data(); }
    void readingRefusesOddNodesLikeAMissingFile() {
        QFETCH(QString, kind);
        const QString node = oddNode(kind);
        if (node.isEmpty())
            QSKIP("no such node on this system");
        SettingsImage image = patternImage(4);
        const ReadOutcome outcome = readDataFile(node, image); // a FIFO would block here
        QCOMPARE(outcome.result, ReadResult::Error);
        QVERIFY(!outcome.reason.isEmpty());
        QVERIFY(!readDefaultFile(node, image));
        QCOMPARE(image, patternImage(4));
    }
    // No device row: a fault here, run as root, would replace the real device node.
    void writingRefusesOddNodesAndLeavesThem_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("link to a fifo") << QStringLiteral("link to fifo");
        QTest::newRow("folder") << QStringLiteral("folder");
    }
    void writingRefusesOddNodesAndLeavesThem() {
        QFETCH(QString, kind);
        const QString node = oddNode(kind);
        if (node.isEmpty())
            QSKIP("no such node on this system");
        const QString before = nodeKind(node);
        const QStringList entries = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System);
        int asked = 0;
        const WriteOutcome outcome =
            writeDataFile(node, patternImage(), [&](const QString&) { return ++asked, true; });
        QCOMPARE(outcome.result, WriteResult::Failed);
        QVERIFY(!outcome.reason.isEmpty());
        QCOMPARE(asked, 0);
        QCOMPARE(nodeKind(node), before);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System), entries);
    }

    void aDanglingLinkIsAnExistingName() {
        QDir(m_dir.path()).mkpath(QStringLiteral("elsewhere"));
        const QString target = path(QStringLiteral("elsewhere/target.msr"));
        const QString link = path(QStringLiteral("dangling.msr"));
        QVERIFY(QFile::link(target, link));
        QStringList asked;
        QCOMPARE(writeDataFile(link, patternImage(), [&](const QString& p) { return asked << p, false; })
                     .result,
                 WriteResult::Declined);
        QCOMPARE(asked, QStringList{link});
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(nodeKind(link), QStringLiteral("link to ") + target);

        // Once the user agreed, the name is written as a link to a file always is: at its target.
        QCOMPARE(writeDataFile(link, patternImage(), [](const QString&) { return true; }).result,
                 WriteResult::Written);
        QCOMPARE(fileContent(target), composeSettingsText(patternImage()));
    }

    void aWriteFailingPartWayKeepsTheOldFile_data() {
        QTest::addColumn<int>("allowed");
        QTest::newRow("nothing written") << 0;
        QTest::newRow("half written") << 200;
        QTest::newRow("last byte missing") << 407;
    }
    void aWriteFailingPartWayKeepsTheOldFile() {
        QFETCH(int, allowed);
        const QString file = path(QStringLiteral("keep%1.msr").arg(allowed));
        const QByteArray old = composeSettingsText(patternImage(1));
        writeFile(file, old);
        const WriteOutcome outcome =
            writeDataFile(file, patternImage(2), [](const QString&) { return true; },
                          [allowed](QIODevice* real) { return new FailingDevice(real, allowed); });
        QCOMPARE(outcome.result, WriteResult::Failed);
        QCOMPARE(outcome.reason, QStringLiteral("No space left on device"));
        QCOMPARE(fileContent(file), old);
        QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(file).fileName() + u'*'}, QDir::Files),
                 QStringList{QFileInfo(file).fileName()});
    }

    // The disk is full for this process: the write fails in the system, not in a stand-in device.
    void aFullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("exists");
        QTest::newRow("nothing fits, old file") << 0 << true;
        QTest::newRow("part fits, old file") << 100 << true;
        QTest::newRow("all but one byte, old file") << 407 << true;
        QTest::newRow("part fits, new file") << 100 << false;
    }
    void aFullDiskKeepsTheOldFile() {
        QFETCH(int, limit);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("full.msr"));
        const QByteArray old = composeSettingsText(patternImage(1));
        if (exists)
            writeFile(file, old);
        WriteOutcome outcome;
        {
            FileSizeLimit full(limit);
            if (!full.active())
                QSKIP("no file size limit on this system");
            outcome = writeDataFile(file, patternImage(2), [](const QString&) { return true; });
        }
        QCOMPARE(outcome.result, WriteResult::Failed);
        QCOMPARE(outcome.reason, QStringLiteral("File too large"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 exists ? QStringList{QStringLiteral("full.msr")} : QStringList{});
        if (exists)
            QCOMPARE(fileContent(file), old);
    }

    void shippedFactoryFileHoldsTheFactoryBytes() {
        SettingsImage image{};
        QVERIFY(readDefaultFile(shippedFactoryFile(), image));
        SettingsImage expected{};
        const QList<QPair<int, int>> set = {{35, 0x04}, {39, 0x01}, {46, 0x3F}, {50, 0x01},
                                            {51, 0x05}, {53, 0x25}, {54, 0x3B}, {55, 0x3B},
                                            {57, 0x10}, {58, 0x19}, {63, 0x3F}, {127, 0x80}};
        for (const auto& [n, v] : set)
            expected[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(v);
        QCOMPARE(image, expected);
        QCOMPARE(fileContent(shippedFactoryFile()), composeSettingsText(expected));
    }

    void factoryFileBesideTheProgramComesFirst() {
        const QString program = path(QStringLiteral("bin"));
        const QString data = path(QStringLiteral("share"));
        QDir().mkpath(program);
        QDir().mkpath(data);
        writeFile(data + QStringLiteral("/Default.mag"), "x");
        QCOMPARE(locateFactoryFile(program, data), data + QStringLiteral("/Default.mag"));
        writeFile(program + QStringLiteral("/Default.mag"), "x");
        QCOMPARE(locateFactoryFile(program, data), program + QStringLiteral("/Default.mag"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
