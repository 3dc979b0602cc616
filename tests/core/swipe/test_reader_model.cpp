#include "core/image/setting_fields.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/swipe/reader_model.h"
#include "core/swipe/swipe_analysis.h"

#include "random_reader.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace quorvel;

namespace {

constexpr int kEsc = 27;

// What the analysis read from the keys, card numbers shown, and the first check that failed.
QString typedLine(const SettingsImage& image, const Card& card,
                  const ReaderKeyOptions& options = {}) {
    const ReaderTyping typing = readerKeys(image, card, options);
    SwipeOptions analysis;
    analysis.cardNumbers = CardNumbers::Shown;
    analysis.composesAltCodes = true;
    const SwipeAnalysis result = analyzeSwipe(typing.keys, image, analysis);
    for (const SwipeCheck& check : result.checks)
        if (check.state == CheckState::Failed)
            return checkLine(check);
    return swipeLine(result.tokens);
}

} // namespace

class ReaderModelTest : public QObject {
    Q_OBJECT
private slots:
    void typesTheFrame_data() {
        QTest::addColumn<SettingsImage>("image");
        QTest::addColumn<bool>("capsLock");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("card"); // tracks 1|2|3, "-" for one the card lacks
        const QString card = QStringLiteral("B1^A^2|1=2|-");
        QTest::newRow("factory") << shippedFactoryImage() << false << "%B1^A^2?;1=2?[Enter]"
                                 << card;
        QTest::newRow("order 2-1-3, LRC, TAB") << imageWith({{FieldId::TrackOrder, 2},
                                                             {FieldId::TransmitLrc, 1},
                                                             {FieldId::KeyboardTerminator, 5}})
                                               << false << ";1=2?:%B1^A^2?:[Tab]" << card;
        QTest::newRow("preamble Esc, CTRL-C")
            << imageWith({{FieldId::Preamble, kEsc}, {FieldId::KeyboardTerminator, 7}}) << false
            << "[Esc]%B1^A^2?;1=2?[Ctrl-C]" << card;
        QTest::newRow("track 2 account number only") << imageWith({{FieldId::Track2AccountOnly, 1}})
                                                     << false << "%B1^A^2?;1?[Enter]" << card;
        QTest::newRow("GERMANY: ^ on a dead key") << imageWith({{FieldId::KeyboardLanguage, 3}})
                                                  << false << "%B1^A^2?;1=2?[Enter]" << card;
        QTest::newRow("ALT mode") << imageWith(
                                         {{FieldId::AltMode, 1}, {FieldId::KeyboardTerminator, 4}})
                                  << false << "%B1^A^2?;1=2?[Space]" << card;
        // Caps Lock turns no Alt code.
        QTest::newRow("ALT mode, Upper Case for Caps Lock")
            << imageWith({{FieldId::AltMode, 1}, {FieldId::Case, 0x2}}) << true
            << "%B1^A^2?;1=2?[Enter]" << card;
        QTest::newRow("Upper Case for Caps Lock")
            << imageWith({{FieldId::Case, 0x2}}) << true << "%b1^a^2?;1=2?[Enter]" << card;
    }
    void typesTheFrame() {
        QFETCH(SettingsImage, image);
        QFETCH(bool, capsLock);
        QFETCH(QString, line);
        QFETCH(QString, card);
        const QStringList tracks = card.split(u'|');
        const auto track = [&](int t) {
            return tracks.at(t) == QLatin1String("-") ? std::nullopt
                                                      : std::optional<QString>(tracks.at(t));
        };
        ReaderKeyOptions options;
        options.capsLock = capsLock;
        QCOMPARE(typedLine(image, Card{track(0), track(1), track(2)}, options), line);
    }

    void saysWhatCannotBeTyped_data() {
        QTest::addColumn<SettingsImage>("image");
        QTest::addColumn<QString>("why");
        QTest::newRow("EXEC") << imageWith({{FieldId::KeyboardTerminator, 8}})
                              << "no key is known for EXEC";
        QTest::newRow("preamble code") << imageWith({{FieldId::Preamble, 0xC8}})
                                       << "the preamble holds the code &HC8, which no key types";
        QTest::newRow("order code") << imageWith({{FieldId::TrackOrder, 6}})
                                    << "byte 32 holds the track order code 6, which names no order";
        QTest::newRow("language") << imageWith({{FieldId::KeyboardLanguage, 20}})
                                  << "byte 48 holds 20, which names no keyboard language";
        QTest::newRow("sentinel outside the LRC's set")
            << imageWith({{FieldId::TransmitLrc, 1}, {FieldId::EndSentinel, 'z'}})
            << "the LRC of track 2 cannot be told: a character from its start sentinel to its end "
               "sentinel lies "
               "outside the track's character set";
    }
    void saysWhatCannotBeTyped() {
        QFETCH(SettingsImage, image);
        QFETCH(QString, why);
        const ReaderTyping typing =
            readerKeys(image, Card{std::nullopt, QStringLiteral("1=2"), std::nullopt});
        QCOMPARE(typing.untypeable, QStringList{why});
    }

    void analysisPassesWhatTheModelTypes() {
        const quint32 seed = propertySeed();
        QRandomGenerator random(seed);
        constexpr int kCases = 3000;
        for (int n = 0; n < kCases; ++n) {
            const RandomCase c(random);
            const ReaderTyping typing = readerKeys(c.image, c.card, c.options);
            const QString where =
                QStringLiteral("seed %1, case %2: %3").arg(seed).arg(n).arg(settingsText(c.image));
            QVERIFY2(typing.untypeable == c.untypeable,
                     qPrintable(where + u'\n' + typing.untypeable.join(u'\n')));
            SwipeOptions options;
            options.composesAltCodes = true;
            const SwipeAnalysis analysis = analyzeSwipe(typing.keys, c.image, options);
            for (const SwipeCheck& check : analysis.checks) {
                const bool fine =
                    check.state == CheckState::Passed ||
                    (check.state == CheckState::NotChecked && c.unchecked.contains(check.name));
                QVERIFY2(fine, qPrintable(where + u'\n' + checkLine(check) + u'\n' +
                                          swipeLine(analysis.tokens)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(ReaderModelTest)
#include "test_reader_model.moc"
