#include "core/swipe/card_number_mask.h"
#include "core/swipe/swipe_analysis.h"
#include "core/swipe/swipe_split.h"
#include "core/swipe/track_lrc.h"

#include "typed_swipes.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::swipe_tests;

// Card numbers masked, LRCs told from start sentinels, lock keys pressed alone.
class SwipeMasksAndLrcTest : public QObject {
    Q_OBJECT
private slots:
    // By the card's structure (the account number before the first separator, whatever its
    // length or blanks) and by caution (any run of 12 or more digits, however mangled).
    void masking_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12 digits") << "B123456789012^"
                                   << "B123456••9012^";
        QTest::newRow("19 digits") << ";1234567890123456789="
                                   << ";123456•••••••••6789=";
        QTest::newRow("two runs") << "4111111111111111=4111111111111111"
                                  << "411111••••••1111=411111••••••1111";
        QTest::newRow("an 11-digit account number") << "%B12345678901^DOE"
                                                    << "%B•••••••8901^DOE";
        QTest::newRow("a short track 2 account number") << ";1234567=2512?"
                                                        << ";•••4567=2512?";
        QTest::newRow("blanks as keys") << "x4111[Space]1111[Space]1111[Space]1111x"
                                        << "x4111[Space]11••[Space]••••[Space]1111x";
        QTest::newRow("an account number with blanks") << "%B3782 822463 10005^SMITH/J^2512?"
                                                       << "%B3782 82•••• •0005^SMITH/J^2512?";
        QTest::newRow("longer than 19 digits") << "x12345678901234567890123x"
                                               << "x123456•••••••••••••0123x";
        QTest::newRow("the separator swallowed by a dead key")
            << "ö411111111111111125121010000000000_"
            << "ö411111•••••••••••••••••••••••0000_";
        QTest::newRow("Alt codes arriving as digits") << "0037006600520049004900490049"
                                                      << "003700••••••••••••••••••0049";
        QTest::newRow("one other character between groups") << "4111-1111-1111-1111"
                                                            << "4111-11••-••••-1111";
        QTest::newRow("two other characters end a run") << "123456--789012"
                                                        << "123456--789012";
        QTest::newRow("short runs stay") << "%B^DOE/J^2512101?"
                                         << "%B^DOE/J^2512101?";
    }
    void masking() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QStringList tokens;
        for (qsizetype i = 0; i < typed.size(); ++i) {
            const qsizetype close = typed.at(i) == u'[' ? typed.indexOf(u']', i) : -1;
            tokens << typed.mid(i, close < 0 ? 1 : close - i + 1);
            i = close < 0 ? i : close;
        }
        QCOMPARE(swipeLine(maskCardNumbers(tokens))
                     .replace(QStringLiteral(" "), QStringLiteral("[Space]")),
                 QString(shown).replace(QStringLiteral(" "), QStringLiteral("[Space]")));
    }

    // An ALT-mode reader's digits, as the reader sent them, are card digits too.
    void altCodesOfDigitsAreMasked() {
        QStringList tokens{QStringLiteral(";")};
        for (int i = 0; i < 16; ++i)
            tokens << QStringLiteral("[Alt+%1]").arg(48 + i % 10, 4, 10, QLatin1Char('0'));
        tokens << QStringLiteral("=");
        const QStringList shown = maskCardNumbers(tokens);
        QCOMPARE(shown.mid(1, 6), tokens.mid(1, 6));
        QCOMPARE(shown.mid(7, 6), QStringList(6, QStringLiteral("•")));
        QCOMPARE(shown.mid(13), tokens.mid(13));
    }

    // A key after an end sentinel may be an LRC or the next track's start sentinel ("%!?"
    // has the LRC ";"): the reading in which every track parses is taken, and each LRC
    // that is missing or unexpected is named.
    void lrcOrStartSentinel_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("tracks");
        QTest::addColumn<QString>("lrc");
        QTest::newRow("LRC on, both sent")
            << "32=80"
            << "%!?;;1?5[Enter]"
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)"
            << "✓ LRC: track 1 ;, track 2 5";
        QTest::newRow("LRC on, track 1's missing")
            << "32=80"
            << "%!?;1?5[Enter]"
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)"
            << "✗ LRC: Transmit LRC is on, but no LRC came after the end sentinel of track 1 (key "
               "3)";
        QTest::newRow("LRC off, both sent")
            << ""
            << "%!?;;1?5[Enter]"
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)"
            << "✗ LRC: unexpected LRC-like characters ; after track 1 (key 4), 5 after track 2 "
               "(key 8), "
               "but Transmit LRC is off";
        QTest::newRow("a character no track 1 carries")
            << ""
            << "%A£b?;1?[Enter]"
            << "✗ Tracks: track 1 (3 characters), track 2 (1 character); then track 1 holds £ at "
               "key 3, "
               "outside its character set (space to _)"
            << "✓ LRC: Transmit LRC is off, and none came";
        QTest::newRow("a letter in track 2")
            << ""
            << "%A?;1A?[Enter]"
            << "✗ Tracks: track 1 (1 character), track 2 (2 characters); then "
               "track 2 holds A at key 6, outside its character set (0 to ?)"
            << "✓ LRC: Transmit LRC is off, and none came";
        QTest::newRow("LRC off, none sent")
            << ""
            << "%!?;1?[Enter]"
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)"
            << "✓ LRC: Transmit LRC is off, and none came";
    }
    void lrcOrStartSentinel() {
        QFETCH(QString, changes);
        QFETCH(QString, keys);
        QFETCH(QString, tracks);
        QFETCH(QString, lrc);
        QCOMPARE(trackLrc(1, QStringLiteral("%!?")), QChar(u';'));
        const SwipeAnalysis analysis = analyzeSwipe(typed(keys), imageWith(changes));
        QStringList lines;
        for (const SwipeCheck& check : analysis.checks)
            if (check.name == QLatin1String("Tracks") || check.name == QLatin1String("LRC"))
                lines << checkLine(check);
        QCOMPARE(lines, QStringList({tracks, lrc}));
    }

    // A lock key pressed alone is no swipe: it goes with the next one, which notes it.
    void aLockKeyAloneIsNoSwipe() {
        QList<CapturedKey> keys{CapturedKey{0, Qt::Key_CapsLock, {}, {}, 58, {}}};
        QVERIFY(splitSwipes(keys, 500, shippedFactoryImage()).isEmpty());
        for (const CapturedKey& key : typed(QStringLiteral("%A?;1?[Enter]")))
            keys << CapturedKey{key.timeMs + 2000, key.key, key.modifiers, key.text};
        const QList<QList<CapturedKey>> swipes = splitSwipes(keys, 500, shippedFactoryImage());
        QCOMPARE(swipes.size(), 1);
        QCOMPARE(swipes.first().size(), keys.size());
        const SwipeAnalysis analysis = analyzeSwipe(swipes.first(), shippedFactoryImage());
        QCOMPARE(states(analysis.checks).count(u'✗'), 0);
    }

    void timing() {
        QList<CapturedKey> keys;
        for (qint64 time : {100, 110, 130, 160})
            keys << CapturedKey{time, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")};
        const SwipeTiming odd = analyzeSwipe(keys, shippedFactoryImage()).timing;
        QCOMPARE(timingText(odd),
                 QStringLiteral("4 keys in 60 ms; gaps between keys: smallest 10 ms, "
                                "median 20 ms, largest 30 ms"));
        keys.removeLast();
        QCOMPARE(analyzeSwipe(keys, shippedFactoryImage()).timing.medianGapMs, 15);
        QCOMPARE(timingText(analyzeSwipe(keys.mid(0, 1), shippedFactoryImage()).timing),
                 QStringLiteral("1 key"));
    }

    void frames_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("frame");
        QTest::newRow("factory") << ""
                                 << "‹%…?› ‹;…?› ‹;…?› [Enter]";
        QTest::newRow("preamble, two tracks") << "80=1B 81=41 63=08"
                                              << "[Esc] A ‹%…?› ‹;…?› [Enter]";
        QTest::newRow("order 3-1-2, LRC, postamble, TAB")
            << "32=85 91=2A 50=05"
            << "‹;…? LRC› ‹%…? LRC› ‹;…? LRC› * [Tab]";
        QTest::newRow("NONE") << "50=00 63=01"
                              << "‹%…?›";
        QTest::newRow("unknown order code, LRC") << "32=8D"
                                                 << "‹%…? LRC› ‹;…? LRC› ‹;…? LRC› [Enter]";
        QTest::newRow("EXEC, sentinel without a key") << "50=08 53=1A 63=01"
                                                      << "‹[&H1A]…?› (EXEC)";
    }
    void frames() {
        QFETCH(QString, changes);
        QFETCH(QString, frame);
        QCOMPARE(expectedFrame(imageWith(changes)), frame);
    }
};

QTEST_GUILESS_MAIN(SwipeMasksAndLrcTest)
#include "test_swipe_masks_and_lrc.moc"
