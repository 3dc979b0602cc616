#include "core/swipe/swipe_analysis.h"

#include "test_files.h"
#include "typed_keys.h"

#include <QtTest>

using namespace quorvel;

namespace {

enum Language { US = 0, FRANCE = 2, GERMANY = 3, JAPAN = 16 };

const QString kFrame =
    QStringLiteral("%B4111111111111111^DOE/JOHN^2512101?;4111111111111111=2512101?[Enter]");
const QString kMaskedFrame =
    QStringLiteral("%B411111••••••1111^DOE/JOHN^2512101?;411111••••••1111=2512101?[Enter]");

SettingsImage imageFor(int language, int byte52 = -1, int byte32 = -1) {
    SettingsImage image = shippedFactoryImage();
    image.at(48) = static_cast<std::uint8_t>(language);
    if (byte52 >= 0)
        image.at(52) = static_cast<std::uint8_t>(byte52);
    if (byte32 >= 0)
        image.at(32) = static_cast<std::uint8_t>(byte32);
    return image;
}

SwipeCheck named(const SwipeAnalysis& analysis, const QString& name) {
    for (const SwipeCheck& check : analysis.checks)
        if (check.name == name)
            return check;
    return {};
}

QString marks(const SwipeAnalysis& analysis) {
    QString text;
    for (const SwipeCheck& check : analysis.checks)
        text += checkLine(check).at(0);
    return text;
}

} // namespace

class SwipeReadingsTest : public QObject {
    Q_OBJECT
private slots:
    // A reader of one language into a computer of another: the frame checks judge
    // what the reader sent, the keyboard language check names the fix.
    void keyboardLanguage_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("computer");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("suggested");
        QTest::newRow("U.S. into U.S.")
            << int(US) << int(US)
            << "✓ Keyboard language: the reader types for U.S., and this computer received the same"
            << -1;
        QTest::newRow("U.S. into GERMANY")
            << int(US) << int(GERMANY)
            << "✗ Keyboard language: the reader types for U.S., this computer's keys match GERMANY "
               "(SWEDEN/FINLAND and SWISS type these keys alike); '^' arrived as '&' (key 19)"
            << int(GERMANY);
        QTest::newRow("U.S. into FRANCE") << int(US) << int(FRANCE)
                                          << "✗ Keyboard language: the reader types for U.S., this "
                                             "computer's keys match FRANCE; '%' "
                                             "arrived as '5' (key 1)"
                                          << int(FRANCE);
        QTest::newRow("GERMANY into U.S.")
            << int(GERMANY) << int(US)
            << "✗ Keyboard language: the reader types for GERMANY, this computer's keys match U.S. "
               "(U.K. "
               "and POLAND type these keys alike); '^' arrived as '`[Space]' (key 19)"
            << int(US);
        QTest::newRow("JAPAN into U.S.")
            << int(JAPAN) << int(US)
            << "✗ Keyboard language: the reader types for JAPAN, this computer's keys match U.S. "
               "(U.K. and "
               "POLAND type these keys alike); '^' arrived as '=' (key 19)"
            << int(US);
    }
    void keyboardLanguage() {
        QFETCH(int, reader);
        QFETCH(int, computer);
        QFETCH(QString, line);
        QFETCH(int, suggested);
        const SwipeAnalysis analysis =
            analyzeSwipe(typedAt(reader, computer, kFrame), imageFor(reader));
        QCOMPARE(checkLine(analysis.checks.first()), line);
        QCOMPARE(analysis.suggestedLanguage, suggested);
        // Every other check judges what the reader sent, which is right.
        QCOMPARE(marks(analysis).mid(1), QStringLiteral("✓✓✓✓✓✓✓✓"));
        QCOMPARE(swipeLine(analysis.tokens), kMaskedFrame);
        QCOMPARE(analysis.readingsDiffer, reader != computer);
    }

    // Card digits are masked in both lines, whatever this computer made of them.
    void masksBothLines() {
        const SwipeAnalysis analysis = analyzeSwipe(typedAt(US, FRANCE, kFrame), imageFor(US));
        QCOMPARE(swipeLine(analysis.received),
                 QStringLiteral(
                     "5B'&&&&&••••••&&&&6DOE!JOHN6é(&é&à&§m'&&&&&••••••&&&&=é(&é&à&§[Enter]"));
        for (const SwipeCheck& check : analysis.checks)
            QVERIFY2(!check.detail.contains(QStringLiteral("&&&&&&")), qPrintable(check.detail));
        const SwipeAnalysis shown =
            analyzeSwipe(typedAt(US, FRANCE, kFrame), imageFor(US), CardNumbers::Shown);
        QVERIFY(swipeLine(shown.received).contains(QStringLiteral("'&&&&&&&&&&&&&&&6")));
    }

    void withoutPositions() {
        QList<CapturedKey> keys = typedAt(US, US, kFrame);
        for (CapturedKey& key : keys)
            key.position = kNoPosition;
        QCOMPARE(checkLine(analyzeSwipe(keys, imageFor(US)).checks.first()),
                 QStringLiteral(
                     "– Keyboard language: not checked, the keys came without their positions on "
                     "the keyboard"));
        SwipeOptions options;
        options.withoutPositions = QStringLiteral("not checked in a terminal");
        QCOMPARE(analyzeSwipe(keys, imageFor(US), options).checks.first().detail,
                 options.withoutPositions);
    }

    void altMode_data() {
        QTest::addColumn<int>("byte52");
        QTest::addColumn<bool>("altCodes");
        QTest::addColumn<bool>("composes");
        QTest::addColumn<QString>("line");
        QTest::newRow("ALT mode away from Windows")
            << 0x40 << true << false
            << "✗ ALT mode: 62 characters came as Alt + keypad codes; this computer does not turn "
               "them into "
               "characters, so programs here receive keypad digits with Num Lock on, and [Ins], "
               "[End], "
               "[Down] and the keypad's other keys with it off: choose the keyboard language of "
               "this "
               "computer's layout instead of ALT mode";
        QTest::newRow("ALT mode on Windows")
            << 0x40 << true << true << "✓ ALT mode: 62 characters came as Alt + keypad codes";
        QTest::newRow("codes without ALT mode") << 0x00 << true << false
                                                << "✗ ALT mode: 62 characters came as Alt + keypad "
                                                   "codes, but the settings do not put the reader "
                                                   "in ALT mode";
        QTest::newRow("ALT mode without codes") << 0x40 << false << false
                                                << "✗ ALT mode: the settings put the reader in ALT "
                                                   "mode, but no character came as an Alt + "
                                                   "keypad code";
    }
    void altMode() {
        QFETCH(int, byte52);
        QFETCH(bool, altCodes);
        QFETCH(bool, composes);
        QFETCH(QString, line);
        QList<CapturedKey> keys =
            altCodes ? typedAsAltCodes(kFrame.chopped(7)) : typedAt(US, US, kFrame.chopped(7));
        keys << CapturedKey{0, Qt::Key_Return, {}, QStringLiteral("\r"), 28, {}};
        SwipeOptions options;
        options.composesAltCodes = composes;
        const SwipeAnalysis analysis = analyzeSwipe(keys, imageFor(US, byte52), options);
        QCOMPARE(checkLine(named(analysis, QStringLiteral("ALT mode"))), line);
        // The checks of the frame run on the decoded characters.
        QCOMPARE(swipeLine(analysis.tokens), kMaskedFrame);
        QCOMPARE(checkLine(named(analysis, QStringLiteral("Tracks"))).at(0), QChar(u'✓'));
    }

    void altModeInTheExpectedFrame() {
        QVERIFY(expectedFrame(imageFor(US, 0x40)).startsWith(QStringLiteral("(ALT mode")));
        QVERIFY(!expectedFrame(imageFor(US)).contains(QStringLiteral("ALT")));
    }

    void letterCase_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<int>("locks");
        QTest::addColumn<QString>("line");
        QTest::newRow("upper case")
            << kFrame << 0 << "✓ Letter case: track 1 letters arrived in upper case";
        QTest::newRow("lower case")
            << "%b41^doe/j^2?[Enter]" << 0
            << "✗ Letter case: track 1 holds upper-case letters only, but letters arrived in lower "
               "case from "
               "key 2; the reader's case mode is Lower Case; Caps Lock was off";
        QTest::newRow("Caps Lock turned them")
            << kFrame << int(KeyState::CapsLock)
            << "✗ Letter case: track 1 holds upper-case letters only, but letters arrived in lower "
               "case from "
               "key 2; the reader's case mode is Lower Case; Caps Lock was on";
        QTest::newRow("no letters")
            << "%41^^2?[Enter]" << 0 << "✓ Letter case: no letters in track 1";
        QTest::newRow("no track 1")
            << ";41=2?[Enter]" << 0 << "– Letter case: not checked, no track 1 came";
    }
    void letterCase() {
        QFETCH(QString, frame);
        QFETCH(int, locks);
        QFETCH(QString, line);
        const SwipeAnalysis analysis =
            analyzeSwipe(typedAt(US, US, frame, KeyStates(locks)), imageFor(US));
        QCOMPARE(checkLine(named(analysis, QStringLiteral("Letter case"))), line);
    }

    void lockKeys() {
        QList<CapturedKey> keys = typedAt(US, US, kFrame, KeyState::CapsLock);
        keys.prepend(CapturedKey{0, Qt::Key_CapsLock, {}, {}, 58, {}});
        const SwipeAnalysis analysis = analyzeSwipe(keys, imageFor(US));
        QCOMPARE(
            checkLine(analysis.checks.last()),
            QStringLiteral(
                "– Lock keys: 1 press of Caps Lock, Num Lock or Scroll Lock left out of the card "
                "data; Caps Lock was on during the swipe"));
        // Caps Lock is no character of the card data, and no layout is to blame.
        QCOMPARE(checkLine(named(analysis, QStringLiteral("Tracks"))).at(0), QChar(u'✓'));
        QCOMPARE(named(analysis, QStringLiteral("Keyboard language")).state, CheckState::Passed);
    }

    // LRC values worked out by hand: %B1? gives I, ;1? gives 5, ;78? gives ;.
    void lrc_data() {
        QTest::addColumn<int>("byte32");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("line");
        QTest::newRow("right LRCs") << 0x80 << "%B1?I;1?5[Enter]"
                                    << "✓ LRC: track 1 I, track 2 5";
        QTest::newRow("LRC that is a start sentinel") << 0x80 << "%B1?I;78?;;1?5[Enter]"
                                                      << "✓ LRC: track 1 I, track 2 ;, track 3 5";
        // A blank is a character of track 1, and may be its LRC: "%B1I?" has parity 0.
        QTest::newRow("LRC over a blank") << 0x80 << "%B1 ?I;1?5[Enter]"
                                          << "✓ LRC: track 1 I, track 2 5";
        QTest::newRow("blank LRC") << 0x80 << "%B1I? ;1?5[Enter]"
                                   << "✓ LRC: track 1 [Space], track 2 5";
        QTest::newRow("wrong LRC") << 0x80 << "%B1?I;1?6[Enter]"
                                   << "✗ LRC: the LRC of track 2 came as 6 (key 9), expected 5";
        QTest::newRow("missing LRC")
            << 0x80 << "%B1?;1?5[Enter]"
            << "✗ LRC: Transmit LRC is on, but no LRC came after the end sentinel of "
               "track 1 (key 4)";
        QTest::newRow("LRC off, none came") << 0x00 << "%B1?;1?[Enter]"
                                            << "✓ LRC: Transmit LRC is off, and none came";
        QTest::newRow("LRC off, one came")
            << 0x00 << "%B1?I;1?[Enter]"
            << "✗ LRC: unexpected LRC-like character I after the end sentinel of "
               "track 1 (key 5), but Transmit LRC is off";
    }
    void lrc() {
        QFETCH(int, byte32);
        QFETCH(QString, frame);
        QFETCH(QString, line);
        const SwipeAnalysis analysis =
            analyzeSwipe(typedAt(US, US, frame), imageFor(US, -1, byte32));
        QCOMPARE(checkLine(named(analysis, QStringLiteral("LRC"))), line);
        QCOMPARE(checkLine(named(analysis, QStringLiteral("Tracks"))).at(0), QChar(u'✓'));
    }
};

QTEST_GUILESS_MAIN(SwipeReadingsTest)
#include "test_swipe_readings.moc"
