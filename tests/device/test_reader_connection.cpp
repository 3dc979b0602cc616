#include "device/reader_connection.h"
#include "device/reader_list.h"
#include "fake_hid_bus.h"

#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::Presence)

namespace {

// "path vid pid" per interface, hexadecimal ids; a trailing "x" means it cannot be opened.
void fill(FakeHidBus& bus, const QStringList& interfaces) {
    for (const QString& line : interfaces) {
        const QStringList f = line.split(QLatin1Char(' '));
        bus.add(f.at(0), static_cast<unsigned short>(f.at(1).toUInt(nullptr, 16)),
                static_cast<unsigned short>(f.at(2).toUInt(nullptr, 16)), f.size() < 4,
                QStringLiteral("SN-") + f.at(0));
    }
}

const QString kKeyboard = QStringLiteral("kbd 046D C31C x");
const QString kMouse = QStringLiteral("mouse 046D C077 x");
const QString kPad = QStringLiteral("pad 054C 09CC");

} // namespace

class ReaderConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void search_data() {
        QTest::addColumn<QStringList>("interfaces");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("kept");       // the interface left open
        QTest::addColumn<QStringList>("opened"); // every open attempted, in order
        QTest::addColumn<Presence>("presence");
        QTest::addColumn<QString>("failure");

        const QString none;
        QTest::newRow("no HID device")
            << QStringList{} << false << none << QStringList{} << Presence::Absent << none;
        QTest::newRow("only other devices") << QStringList{kKeyboard, kMouse, kPad} << false << none
                                            << QStringList{} << Presence::Absent << none;
        QTest::newRow("reader first") << QStringList{"r 10C4 890C", kKeyboard, kPad} << true << "r"
                                      << QStringList{"r"} << Presence::Found << none;
        QTest::newRow("reader third") << QStringList{kKeyboard, kPad, "r 10C4 890C", kMouse} << true
                                      << "r" << QStringList{"r"} << Presence::Found << none;
        QTest::newRow("reader last") << QStringList{kKeyboard, kMouse, kPad, "r 10C4 890C"} << true
                                     << "r" << QStringList{"r"} << Presence::Found << none;
        QTest::newRow("two readers: the first wins")
            << QStringList{kPad, "r1 10C4 890C", "r2 10C4 890C"} << true << "r1"
            << QStringList{"r1"} << Presence::Found << none;
        QTest::newRow("unopenable reader skipped")
            << QStringList{"r1 10C4 890C x", kPad, "r2 10C4 890C"} << true << "r2"
            << QStringList{"r1", "r2"} << Presence::Found << "Permission denied (r1)";
        QTest::newRow("reader vendor, other product") << QStringList{"v 10C4 EA60"} << false << none
                                                      << QStringList{} << Presence::Absent << none;
        QTest::newRow("reader product, other vendor") << QStringList{"p 10C5 890C"} << false << none
                                                      << QStringList{} << Presence::Absent << none;
        QTest::newRow("ids swapped") << QStringList{"s 890C 10C4"} << false << none << QStringList{}
                                     << Presence::Absent << none;
        QTest::newRow("readers present, none can be opened")
            << QStringList{kKeyboard, "r1 10C4 890C x", "r2 10C4 890C x"} << false << none
            << QStringList{"r1", "r2"} << Presence::NotOpened << "Permission denied (r1)";
    }

    void search() {
        QFETCH(QStringList, interfaces);
        QFETCH(bool, found);
        QFETCH(QString, kept);
        QFETCH(QStringList, opened);
        QFETCH(Presence, presence);
        QFETCH(QString, failure);

        FakeHidBus bus;
        fill(bus, interfaces);
        {
            ReaderConnection reader(bus);
            QCOMPARE(reader.findTheHid(), found);
            QCOMPARE(reader.isOpen(), found);
            QCOMPARE(reader.presence(), presence);
            QCOMPARE(reader.firstFailure(), failure);
            QCOMPARE(bus.opens, opened);
            QCOMPARE(bus.stillOpen(), kept.isEmpty() ? QStringList{} : QStringList{kept});
            QCOMPARE(bus.enumerations, 1);
        }
        // Its owner's end closes the reader, and nothing else is left open.
        QCOMPARE(bus.stillOpen(), QStringList{});
        QCOMPARE(bus.closes, kept.isEmpty() ? QStringList{} : QStringList{kept});
    }

    void searchingAgainClosesTheFormerHandleFirst() {
        FakeHidBus bus;
        fill(bus, {"r1 10C4 890C"});
        ReaderConnection reader(bus);
        QVERIFY(reader.findTheHid());
        bus.entries.front().openable = false;
        QVERIFY(!reader.findTheHid());
        QCOMPARE(bus.closes, QStringList{"r1"});
        QCOMPARE(bus.stillOpen(), QStringList{});
        QCOMPARE(reader.presence(), Presence::NotOpened);
    }

    void listingReportsEveryReaderAndLeavesNoneOpen() {
        FakeHidBus bus;
        fill(bus, {kKeyboard, "r1 10C4 890C x", kPad, "r2 10C4 890C", "r3 10C4 890C"});
        const std::vector<ReaderCandidate> readers = listReaders(bus);
        QCOMPARE(readers.size(), std::size_t{3});
        QCOMPARE(readers[0].hid.path, QByteArray("r1"));
        QCOMPARE(readers[0].hid.serialNumber, QStringLiteral("SN-r1"));
        QVERIFY(!readers[0].opened);
        QCOMPARE(readers[0].reason, QStringLiteral("Permission denied (r1)"));
        QCOMPARE(readers[1].hid.path, QByteArray("r2"));
        QVERIFY(readers[1].opened);
        QVERIFY(readers[1].reason.isEmpty());
        QCOMPARE(readers[2].hid.path, QByteArray("r3"));
        QVERIFY(readers[2].opened);
        QCOMPARE(bus.stillOpen(), QStringList{});
        QCOMPARE(bus.closes, (QStringList{"r2", "r3"}));
    }
};

QTEST_GUILESS_MAIN(ReaderConnectionTest)
#include "test_reader_connection.moc"
