#include "core/image/image_differences.h"
#include "core/files/settings_file.h"
#include "test_files.h"

#include <QtTest>

using namespace quorvel;

namespace {

QStringList listed(const SettingsImage& a, const SettingsImage& b) {
    QStringList lines;
    for (const ImageDifference& d : imageDifferences(a, b))
        lines << QStringLiteral("%1: %2 -> %3").arg(d.key, d.first, d.second);
    return lines;
}

} // namespace

class ImageDifferencesTest : public QObject {
    Q_OBJECT
private slots:
    void listsWhatDiffers_data() {
        QTest::addColumn<QList<int>>("changes"); // pairs of byte, new value on the factory image
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("equal") << QList<int>{} << QStringList{};
        QTest::newRow("named bit of byte 4") << QList<int>{4, 0x40} << QStringList{"ibm-format: off -> on"};
        QTest::newRow("unnamed bits of byte 4") << QList<int>{4, 0x01} << QStringList{"byte.4: 0x00 -> 0x01"};
        QTest::newRow("both kinds in byte 4")
            << QList<int>{4, 0x41} << QStringList{"ibm-format: off -> on", "byte.4: 0x00 -> 0x41"};
        QTest::newRow("byte 35 beyond the beeper")
            << QList<int>{35, 0x05} << QStringList{"byte.35: 0x04 -> 0x05"};
        QTest::newRow("function key emulation")
            << QList<int>{52, 0x30} << QStringList{"byte.52: 0x00 -> 0x30"};
        QTest::newRow("byte 52 bit 7") << QList<int>{52, 0x80} << QStringList{"byte.52: 0x00 -> 0x80"};
        QTest::newRow("case and alt mode")
            << QList<int>{52, 0x42} << QStringList{"alt-mode: off -> on", "case: lower -> upper"};
        QTest::newRow("preamble after its end")
            << QList<int>{82, 0x41} << QStringList{"byte.82: 0x00 -> 0x41"};
        QTest::newRow("preamble grows over a hidden byte")
            << QList<int>{80, 0x41, 82, 0x42}
            << QStringList{"preamble:  -> A (&H41)", "byte.82: 0x00 -> 0x42"};
        // The preamble row already says what byte 81 holds.
        QTest::newRow("preamble written where none was")
            << QList<int>{80, 0x1B, 81, 0x41} << QStringList{"preamble:  -> Esc (&H1B), A (&H41)"};
        QTest::newRow("catalog order, then bytes")
            << QList<int>{100, 7, 50, 0, 32, 0x81}
            << QStringList{"track-order: 1-2-3 -> 1-3-2", "transmit-lrc: off -> on",
                           "keyboard-terminator: CR -> NONE", "byte.100: 0x00 -> 0x07"};
    }

    void listsWhatDiffers() {
        QFETCH(QList<int>, changes);
        QFETCH(QStringList, expected);
        SettingsImage factory{};
        QVERIFY(readDefaultFile(shippedFactoryFile(), factory));
        SettingsImage changed = factory;
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2)
            changed[static_cast<std::size_t>(changes[i])] = static_cast<std::uint8_t>(changes[i + 1]);
        QCOMPARE(listed(factory, changed), expected);
    }

    // No bit can differ unseen, whatever the rest of the image holds.
    void everySingleBitShows() {
        for (const SettingsImage& base : {SettingsImage{}, patternImage(1), patternImage(7)}) {
            for (int n = 0; n < kImageSize; ++n) {
                for (int bit = 1; bit <= 0x80; bit <<= 1) {
                    SettingsImage other = base;
                    other[static_cast<std::size_t>(n)] ^= static_cast<std::uint8_t>(bit);
                    if (imageDifferences(base, other).isEmpty() || imageDifferences(other, base).isEmpty())
                        QFAIL(qPrintable(QStringLiteral("byte %1 bit %2 hidden").arg(n).arg(bit)));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(ImageDifferencesTest)
#include "test_image_differences.moc"
