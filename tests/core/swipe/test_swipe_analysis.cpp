#include "core/files/settings_file.h"
#include "core/swipe/swipe_analysis.h"
#include "core/swipe/swipe_gatherer.h"
#include "core/swipe/swipe_split.h"
#include "core/swipe/track_lrc.h"

#include "test_files.h"
#include "typed_swipes.h"

#include <QtTest>

using namespace quorvel;

using namespace quorvel::swipe_tests;

class SwipeAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void keyTokens_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        const int shift = Qt::ShiftModifier;
        const int none = Qt::NoModifier;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r"
                               << "[Enter]";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r"
                                      << "[Enter]";
        QTest::newRow("Backtab") << int(Qt::Key_Backtab) << shift << ""
                                 << "[S-Tab]";
        QTest::newRow("Shift+Tab") << int(Qt::Key_Tab) << shift << ""
                                   << "[S-Tab]";
        // An input method may report the text alone, without a key.
        QTest::newRow("text without a key") << 0 << none << "%"
                                            << "%";
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << "\x1b"
                             << "[Esc]";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b"
                                   << "[BS]";
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << ""
                                << "[Del]";
        QTest::newRow("PgDn") << int(Qt::Key_PageDown) << none << ""
                              << "[PgDn]";
        QTest::newRow("Right") << int(Qt::Key_Right) << none << ""
                               << "[Right]";
        QTest::newRow("F1") << int(Qt::Key_F1) << none << ""
                            << "[F 1]";
        QTest::newRow("F12") << int(Qt::Key_F12) << none << ""
                             << "[F 12]";
        QTest::newRow("F13 has no code") << int(Qt::Key_F13) << none << ""
                                         << "[F13]";
        QTest::newRow("space bar") << int(Qt::Key_Space) << none << " "
                                   << "[Space]";
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03"
                                << "[Ctrl-C]";
        QTest::newRow("percent") << int(Qt::Key_Percent) << shift << "%"
                                 << "%";
        QTest::newRow("layout letter") << int(Qt::Key_Eacute) << none << "é"
                                       << "é";
        QTest::newRow("Caps Lock by Qt's name") << int(Qt::Key_CapsLock) << none << ""
                                                << "[CapsLock]";
    }
    void keyTokens() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, token);
        QCOMPARE(keyToken({0, key, Qt::KeyboardModifiers(modifiers), text}), token);
    }

    void modifiersAreNoKeys() {
        QVERIFY(isModifierKey(Qt::Key_Shift));
        QVERIFY(isModifierKey(Qt::Key_Control));
        QVERIFY(!isModifierKey(Qt::Key_CapsLock));
        QVERIFY(!isModifierKey(Qt::Key_Escape));
    }

    void checks_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>(
            "marks"); // preamble, postamble, terminator, tracks, order, selection
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        const QString enter = QStringLiteral("[Enter]");

        QTest::newRow("factory") << "" << kCard + enter << "✓✓✓✓✓✓" << 3
                                 << "✓ Tracks: track 1 (28 characters), track 2 (21 characters)";
        QTest::newRow("factory selection") << "" << kCard + enter << "✓✓✓✓✓✓" << 5
                                           << "✓ Track selection: tracks 1 and 2, allowed by "
                                              "“TK1/TK2/TK3 any”; track 3 did not come; the card "
                                              "may not have it";
        QTest::newRow("selection, two tracks missing")
            << ""
            << ";0123456789?" + enter << "✓✓✓✓✓✓" << 5
            << "✓ Track selection: track 2, allowed by “TK1/TK2/TK3 any”; tracks 1 and 3 did not "
               "come; the card "
               "may not have them";
        QTest::newRow("selection, all allowed came")
            << "63=08" << kCard + enter << "✓✓✓✓✓✓" << 5
            << "✓ Track selection: tracks 1 and 2, allowed by “TK1 & TK2 only”";

        // Preamble with Esc and a letter.
        QTest::newRow("preamble came")
            << "80=1B 81=41"
            << "[Esc]A" + kCard + enter << "✓✓✓✓✓✓" << 0 << "✓ Preamble: [Esc] A";
        QTest::newRow("preamble missing")
            << "80=1B 81=41" << kCard + enter << "✗✓✓✓✓✓" << 0
            << "✗ Preamble: expected [Esc] A, came % instead of [Esc] at key 1";
        QTest::newRow("preamble wrong letter")
            << "80=1B 81=41"
            << "[Esc]B" + kCard + enter << "✗✓✓✓✓✓" << 0
            << "✗ Preamble: expected [Esc] A, came B instead of A at key 2";
        QTest::newRow("preamble without a key") << "80=1A" << kCard + enter << "–✓✓✓✓✓" << 0
                                                << "– Preamble: not checked, the preamble holds "
                                                   "the code &H1A, which no key types";

        // Postamble.
        QTest::newRow("postamble came")
            << "91=2A 92=2D" << kCard + "*-" + enter << "✓✓✓✓✓✓" << 1 << "✓ Postamble: * -";
        QTest::newRow("postamble missing")
            << "91=2A 92=2D" << kCard + enter << "✓✗✓✓✓✓" << 1
            << "✗ Postamble: expected * - after the card data, came [Enter] instead of * at key 54";

        // Each keyboard terminator.
        QTest::newRow("NONE") << "50=00" << kCard << "✓✓✓✓✓✓" << 2
                              << "✓ Terminator: nothing (NONE)";
        QTest::newRow("NONE but Enter came")
            << "50=00" << kCard + enter << "✓✓✗✓✓✓" << 2
            << "✗ Terminator: expected nothing after the card data, came [Enter] at key 54";
        QTest::newRow("SPACE") << "50=04" << kCard + "[Space]"
                               << "✓✓✓✓✓✓" << 2 << "✓ Terminator: [Space] (SPACE)";
        QTest::newRow("TAB") << "50=05" << kCard + "[Tab]"
                             << "✓✓✓✓✓✓" << 2 << "✓ Terminator: [Tab] (TAB)";
        QTest::newRow("TAB but Enter came")
            << "50=05" << kCard + enter << "✓✓✗✓✓✓" << 2
            << "✗ Terminator: expected [Tab] (TAB), came [Enter] at key 54";
        QTest::newRow("ESC") << "50=06" << kCard + "[Esc]"
                             << "✓✓✓✓✓✓" << 2 << "✓ Terminator: [Esc] (ESC)";
        QTest::newRow("CTRL-C") << "50=07" << kCard + "[Ctrl-C]"
                                << "✓✓✓✓✓✓" << 2 << "✓ Terminator: [Ctrl-C] (CTRL-C)";
        QTest::newRow("CR missing") << "" << kCard << "✓✓✗✓✓✓" << 2
                                    << "✗ Terminator: expected [Enter] (CR) after the card data, "
                                       "the swipe ended after key 53";
        QTest::newRow("EXEC") << "50=08" << kCard + "[F 1]"
                              << "✓✓–✓✓✓" << 2
                              << "– Terminator: not checked, no key is known for EXEC";
        QTest::newRow("EXEC after a postamble") << "50=08 91=2A" << kCard + "*[F 1]"
                                                << "✓✓–✓✓✓" << 1 << "✓ Postamble: *";
        QTest::newRow("terminator code without a button")
            << "50=02" << kCard + enter << "✓✓–✓✓✓" << 2
            << "– Terminator: not checked, byte 50 holds &H2, which names no keyboard terminator";

        // Tracks and their order.
        QTest::newRow("tracks out of order")
            << ""
            << ";4111111111111111=2512?%B4111111111111111^DOE/J^2512?" + enter << "✓✓✓✓✗✓" << 4
            << "✗ Track order: track 1 came after track 2 (key 24), the order is 1-2-3";
        QTest::newRow("order 2-1-3")
            << "32=02" << kCard + enter << "✓✓✓✓✗✓" << 4
            << "✗ Track order: track 2 came after track 1 (key 31), the order is 2-1-3";
        QTest::newRow("order code without a button")
            << "32=06" << kCard + enter << "✓✓✓✓–✓" << 4
            << "– Track order: not checked, byte 32 holds the track order code 6, which names no "
               "order";
        // Bits 3-6 belong to the code: the reader has no order for 0x0A, though bits 0-2 read
        // 2-1-3.
        QTest::newRow("order code with bit 3")
            << "32=0A" << kCard + enter << "✓✓✓✓–✓" << 4
            << "– Track order: not checked, byte 32 holds the track "
               "order code 10, which names no order";
        QTest::newRow("order code with bit 6 and LRC")
            << "32=C1"
            << "%A?x;1?y" + enter << "✓✓✓✓–✓" << 4
            << "– Track order: not checked, byte 32 holds the "
               "track order code 65, which names no order";
        QTest::newRow("no end sentinel") << "" << kCard.chopped(1) + enter << "✓✓✓✗✓✓" << 3
                                         << "✗ Tracks: track 1 (28 characters); then track 2 from "
                                            "key 31 has no end sentinel ?";
        QTest::newRow("no track")
            << ""
            << "hello" + enter << "✓✓✓✗––" << 3
            << "✗ Tracks: expected the start sentinel % of track 1 at key 1, came h";
        // After a wrong key the tracks are read on from the next start sentinel.
        QTest::newRow("stray keys between tracks")
            << ""
            << "%A?xy;1?" + enter << "✓✓✓✗✓✓" << 3
            << "✗ Tracks: track 1 (1 character), track 2 (1 character); then expected the start "
               "sentinel ; of track 2 at key 4, came x";
        QTest::newRow("wrong start sentinel") << ""
                                              << "#B41^J^2?;41=2?" + enter << "✓✓✓✗✓✓" << 3
                                              << "✗ Tracks: track 2 (4 characters); then expected "
                                                 "the start sentinel % of track 1 at key 1, came #";
        QTest::newRow("LRC-like key with LRC off is no track problem")
            << ""
            << "%A?x;1?" + enter << "✓✓✓✓✓✓" << 3
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)";
        QTest::newRow("LRC after each track")
            << "32=80"
            << "%A?x;1?y" + enter << "✓✓✓✓✓✓" << 3
            << "✓ Tracks: track 1 (1 character), track 2 (1 character)";

        // Track selection.
        QTest::newRow("TK1 only forbids track 2")
            << "63=01" << kCard + enter << "✓✓✓✓✓✗" << 5
            << "✗ Track selection: track 2 came (key 31), but “TK1 only” allows track 1";
        QTest::newRow("TK2 & TK3 only forbids track 1")
            << "63=10" << kCard + enter << "✓✓✓✓✓✗" << 5
            << "✗ Track selection: track 1 came (key 1), but “TK2 & TK3 only” allows tracks 2 and "
               "3";
        QTest::newRow("selection without a button")
            << "63=05" << kCard + enter << "✓✓✓✓✓–" << 5
            << "– Track selection: not checked, byte 63 holds &H5, which names no track selection";

        // Tracks 2 and 3 share ";" in the factory settings.
        QTest::newRow("shared sentinel by order")
            << "" << kCard + ";0123456789?" + enter << "✓✓✓✓✓✓" << 3
            << "✓ Tracks: track 1 (28 characters), track 2 (21 characters), track 3 (10 "
               "characters)";
        QTest::newRow("shared sentinel, order 1-3-2")
            << "32=01" << kCard + ";0123456789?" + enter << "✓✓✓✓✓✓" << 3
            << "✓ Tracks: track 1 (28 characters), track 3 (21 characters), track 2 (10 "
               "characters)";
        QTest::newRow("shared sentinel, TK3 only")
            << "63=04"
            << ";0123456789?" + enter << "✓✓✓✓✓✓" << 5
            << "✓ Track selection: track 3, allowed by “TK3 only”";
        QTest::newRow("shared sentinel, third track")
            << "" << kCard + ";1?;2?" + enter << "✓✓✓✓✗✓" << 4
            << "✗ Track order: track 2 came twice (key 57)";
    }
    void checks() {
        QFETCH(QString, changes);
        QFETCH(QString, keys);
        QFETCH(QString, marks);
        QFETCH(int, line);
        QFETCH(QString, text);
        const SwipeAnalysis analysis = analyzeSwipe(typed(keys), imageWith(changes));
        // Keyboard language first, letter case and LRC after the checks of the frame.
        QCOMPARE(analysis.checks.size(), 9);
        QCOMPARE(analysis.checks.first().name, QStringLiteral("Keyboard language"));
        const QList<SwipeCheck> frameChecks = analysis.checks.mid(1, 6);
        QCOMPARE(checkLine(frameChecks.at(line)), text);
        QCOMPARE(states(frameChecks), marks);
    }

    // Card numbers stay masked in the swipe and in what the checks quote.
    void analysisMasksUnlessAsked() {
        const SettingsImage image = imageWith(QStringLiteral("50=00"));
        const QList<CapturedKey> keys =
            typed(QStringLiteral("%B4111111111111111^DOE/J^2512?1234567890123456"));
        const SwipeAnalysis masked = analyzeSwipe(keys, image);
        QCOMPARE(swipeLine(masked.tokens),
                 QStringLiteral("%B411111••••••1111^DOE/J^2512?123456••••••3456"));
        for (const SwipeCheck& check : masked.checks)
            QVERIFY2(!check.detail.contains(QStringLiteral("789")), qPrintable(check.detail));
        QCOMPARE(checkLine(masked.checks.at(3)),
                 QStringLiteral("✗ Terminator: expected nothing after the card data, came "
                                "123456••••••… at key 31"));
        const SwipeAnalysis shown = analyzeSwipe(keys, image, CardNumbers::Shown);
        QCOMPARE(swipeLine(shown.tokens),
                 QStringLiteral("%B4111111111111111^DOE/J^2512?1234567890123456"));
    }

    void swipesEndAfterALongerPause() {
        QList<CapturedKey> keys;
        for (qint64 time : {0, 10, 510, 1011, 1020})
            keys << CapturedKey{time, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")};
        const QList<QList<CapturedKey>> swipes = splitSwipes(keys, 500);
        QCOMPARE(swipes.size(), 2);
        QCOMPARE(swipes.at(0).size(), 3);
        QCOMPARE(swipes.at(1).first().timeMs, 1011);
        QCOMPARE(splitSwipes(keys, 50).size(), 3);
        QVERIFY(splitSwipes({}, 500).isEmpty());
    }

    void burstsSplitAtTheTerminator_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("sizes");
        const QString card =
            QStringLiteral("%B4111111111111111^DOE JOHN^2512?;4111111111111111=2512?");
        const int size = static_cast<int>(typed(card).size());
        QTest::newRow("three frames, CR")
            << "" << (card + "[Enter]").repeated(3) << QList<int>{size + 1, size + 1, size + 1};
        QTest::newRow("TAB") << "50=05" << (card + "[Tab]").repeated(3)
                             << QList<int>{size + 1, size + 1, size + 1};
        // The blank in the name is card data, not the terminator.
        QTest::newRow("SPACE") << "50=04" << (card + "[Space]").repeated(2)
                               << QList<int>{size + 1, size + 1};
        QTest::newRow("CTRL-C") << "50=07" << (card + "[Ctrl-C]").repeated(2)
                                << QList<int>{size + 1, size + 1};
        QTest::newRow("EXEC falls back to the gap")
            << "50=08" << card.repeated(3) << QList<int>{3 * size};
        QTest::newRow("NONE falls back to the gap")
            << "50=00" << card.repeated(2) << QList<int>{2 * size};
        // An Enter in the preamble or the postamble ends nothing.
        QTest::newRow("terminator key in the amble")
            << "80=0D 81=41 91=0D" << ("[Enter]A" + card + "[Enter][Enter]").repeated(2)
            << QList<int>{size + 4, size + 4};
        // "%:?" has the LRC 0, sent as a blank like the terminator SPACE.
        QTest::newRow("LRC like the terminator") << "50=04 32=80"
                                                 << "%:?  %:?  " << QList<int>{5, 5};
        QTest::newRow("terminator before any track") << ""
                                                     << "abc[Enter]def[Enter]" << QList<int>{8};
        QTest::newRow("terminator inside a track") << ""
                                                   << "%B4111[Enter];1?[Enter]" << QList<int>{11};
    }
    void burstsSplitAtTheTerminator() {
        QFETCH(QString, changes);
        QFETCH(QString, keys);
        QFETCH(QList<int>, sizes);
        const QList<QList<CapturedKey>> swipes = splitSwipes(typed(keys), 500, imageWith(changes));
        QList<int> found;
        for (const QList<CapturedKey>& swipe : swipes)
            found << static_cast<int>(swipe.size());
        QCOMPARE(found, sizes);
    }

    // Gap and terminator both split, each swipe's own keys are judged.
    void gapAndTerminatorTogether() {
        QList<CapturedKey> keys = typed(kCard + "[Enter]" + kCard + "[Enter]");
        keys.last().timeMs += 10000; // a pause before the last Enter
        const QList<QList<CapturedKey>> swipes = splitSwipes(keys, 500, shippedFactoryImage());
        QCOMPARE(swipes.size(), 3);
        QCOMPARE(swipes.at(0).size(), typed(kCard).size() + 1);
        QCOMPARE(swipes.at(2).size(), 1);
        const SwipeFrame frame = swipeFrame(shippedFactoryImage());
        QCOMPARE(terminatorEnd(keys, frame), swipes.at(0).size() - 1);
        QCOMPARE(terminatorEnd(swipes.at(0).first(20), frame), -1);
        // While a postamble that holds the terminator's key may still be coming, nothing ended.
        const SwipeFrame amble = swipeFrame(imageWith(QStringLiteral("91=0D")));
        QCOMPARE(terminatorEnd(typed(kCard + "[Enter]"), amble), -1);
        QCOMPARE(terminatorEnd(typed(kCard + "[Enter][Enter]A"), amble), typed(kCard).size() + 1);
    }

    // Keys gathered one by one, the tail handed back added again, split as they are at once.
    void gatheredKeyByKey_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("pauseBefore");
        const auto cardKeys = static_cast<int>(typed(kCard).size());
        QTest::newRow("terminator") << "" << (kCard + "[Enter]").repeated(3) << -1;
        QTest::newRow("pause before the terminator")
            << "" << (kCard + "[Enter]").repeated(2) << cardKeys;
        QTest::newRow("gap alone") << "50=00" << kCard.repeated(2) << cardKeys;
        QTest::newRow("terminator key in the amble")
            << "80=0D 81=41 91=0D" << ("[Enter]A" + kCard + "[Enter][Enter]").repeated(2) << -1;
        QTest::newRow("a tail that was no postamble")
            << "91=0D" << kCard + "[Enter]" + kCard + "[Enter][Enter]" << -1;
    }
    void gatheredKeyByKey() {
        QFETCH(QString, changes);
        QFETCH(QString, keys);
        QFETCH(int, pauseBefore);
        QList<CapturedKey> presses = typed(keys);
        for (qsizetype i = pauseBefore; i >= 0 && i < presses.size(); ++i)
            presses[i].timeMs += 10000;
        const SettingsImage image = imageWith(changes);
        SwipeGatherer gatherer(500);
        gatherer.setFrame(swipeFrame(image));
        QList<int> gathered;
        QList<CapturedKey> pending = presses;
        while (!pending.isEmpty()) {
            const SwipeGatherer::Step step = gatherer.add(pending.takeFirst());
            if (!step.ended.isEmpty())
                gathered << static_cast<int>(step.ended.size());
            pending = step.rest + pending;
        }
        gathered << static_cast<int>(gatherer.take().size());
        QList<int> split;
        for (const QList<CapturedKey>& swipe : splitSwipes(presses, 500, image))
            split << static_cast<int>(swipe.size());
        if (split.size() < gathered.size())
            split << 0; // the last swipe ended with its terminator
        QCOMPARE(gathered, split);
    }
};

QTEST_GUILESS_MAIN(SwipeAnalysisTest)
#include "test_swipe_analysis.moc"
