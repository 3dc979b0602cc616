#include "core/image/setting_choices.h"
#include "core/image/setting_words.h"
#include "core/keyboard/keys_on_layout.h"
#include "core/swipe/reader_identity.h"

#include "drawer_reader.h"
#include "random_reader.h"

#include <QtTest>

using namespace quorvel;

namespace {

const Card& kCard = kThreeTrackCard;

QList<CapturedKey> typed(const SettingsImage& image, const Card& card = kCard,
                         bool capsLock = false) {
    ReaderKeyOptions options;
    options.capsLock = capsLock;
    return readerKeys(image, card, options).keys;
}

// What a terminal hands on: characters without positions, put back on the US layout.
QList<CapturedKey> inTerminal(QList<CapturedKey> keys) {
    for (CapturedKey& key : keys) {
        key.position = kNoPosition;
        key.state = {};
    }
    return keysOnLayout(keys, 0);
}

const ToldSetting* told(const ReaderIdentity& identity, FieldId id) {
    for (const ToldSetting& setting : identity.told)
        if (setting.id == id)
            return &setting;
    return nullptr;
}

bool isOpen(const ReaderIdentity& identity, FieldId id) {
    return std::any_of(identity.notShown.begin(), identity.notShown.end(),
                       [id](const OpenSetting& open) { return open.id == id; });
}

// "2-1-3 | 3-1-2": the value taken, then those that also fit; "open" when not shown.
QString toldText(const ReaderIdentity& identity, FieldId id) {
    const ToldSetting* setting = told(identity, id);
    if (!setting)
        return isOpen(identity, id) ? QStringLiteral("open") : QStringLiteral("missing");
    QStringList words{toldValueWords(id, setting->value)};
    for (const FieldCodes& other : setting->alsoFit)
        words << toldValueWords(id, other);
    if (setting->alsoOpen)
        words << QStringLiteral("open");
    return words.join(QStringLiteral(" | "));
}

} // namespace

class ReaderIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheSettingsBack_data() {
        QTest::addColumn<QList<SwipeKeyReadings>>("swipes");
        QTest::addColumn<IdentifyOptions>("options");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("told");
        const IdentifyOptions gui;
        IdentifyOptions terminal;
        terminal.capsLockSeen = false;
        const QList<SwipeKeyReadings> drawer{{typed(drawerReader())}};
        const QList<SwipeKeyReadings> drawerInTerminal{{inTerminal(typed(drawerReader()))}};
        // Tracks 2 and 3 share their start sentinel: only the order tells them apart.
        QTest::newRow("order") << drawer << gui << int(FieldId::TrackOrder) << "2-1-3 | 3-1-2";
        QTest::newRow("order, in a terminal")
            << drawerInTerminal << terminal << int(FieldId::TrackOrder) << "2-1-3 | 3-1-2";
        QTest::newRow("preamble") << drawerInTerminal << terminal << int(FieldId::Preamble)
                                  << "A (&H41), B (&H42)";
        QTest::newRow("postamble") << drawerInTerminal << terminal << int(FieldId::Postamble)
                                   << "Z (&H5A) | Z (&H5A), Tab (&HE)";
        QTest::newRow("terminator")
            << drawerInTerminal << terminal << int(FieldId::KeyboardTerminator) << "TAB | NONE";
        QTest::newRow("LRC") << drawerInTerminal << terminal << int(FieldId::TransmitLrc) << "on";
        QTest::newRow("case, in a terminal")
            << drawerInTerminal << terminal << int(FieldId::Case) << "open";
        QTest::newRow("selection: both captions name every track")
            << drawer << gui << int(FieldId::TrackSelection)
            << "TK1/TK2/TK3 any | TK1/TK2/TK3 only";

        const Card track2Only{std::nullopt, kCard.track2, std::nullopt};
        const SettingsImage order213 = imageWith({{FieldId::TrackOrder, 2}});
        QTest::newRow("one track shows no order")
            << QList<SwipeKeyReadings>{{typed(order213, track2Only)}} << gui
            << int(FieldId::TrackOrder) << "open";
        QTest::newRow("a second swipe narrows it")
            << QList<SwipeKeyReadings>{{typed(order213, track2Only)}, {typed(order213)}} << gui
            << int(FieldId::TrackOrder) << "2-1-3 | 3-1-2";
        QTest::newRow("a track that did not come")
            << QList<SwipeKeyReadings>{{typed(order213, track2Only)}} << gui
            << int(FieldId::StartSentinel1) << "open";

        const QList<SwipeKeyReadings> german{{typed(imageWith({{FieldId::KeyboardLanguage, 3}}))}};
        QTest::newRow("GERMANY by its positions") << german << gui << int(FieldId::KeyboardLanguage)
                                                  << "GERMANY | ITALY | PORTUGAL | CANADA";
        QTest::newRow("sentinels read on it")
            << german << gui << int(FieldId::StartSentinel2) << "; (&H3B) | open";
        QTest::newRow("ALT mode") << QList<SwipeKeyReadings>{{typed(
                                         imageWith({{FieldId::AltMode, 1}}))}}
                                  << gui << int(FieldId::AltMode) << "on";
        QTest::newRow("no language in ALT mode")
            << QList<SwipeKeyReadings>{{typed(imageWith({{FieldId::AltMode, 1}}))}} << gui
            << int(FieldId::KeyboardLanguage) << "open";
        QTest::newRow("Upper Case, Caps Lock on")
            << QList<SwipeKeyReadings>{{typed(imageWith({{FieldId::Case, 0x2}}), kCard, true)}}
            << gui << int(FieldId::Case) << "Upper Case | Universal";
        QTest::newRow("Upper Case, Caps Lock off")
            << QList<SwipeKeyReadings>{{typed(imageWith({{FieldId::Case, 0x2}}), kCard, false)}}
            << gui << int(FieldId::Case) << "Upper Case";
        QTest::newRow("account number only: a separator came")
            << drawer << gui << int(FieldId::Track2AccountOnly) << "off";
        QTest::newRow("account number only: none came")
            << QList<SwipeKeyReadings>{{typed(imageWith({{FieldId::Track2AccountOnly, 1}}))}} << gui
            << int(FieldId::Track2AccountOnly) << "open";
    }
    void readsTheSettingsBack() {
        QFETCH(QList<SwipeKeyReadings>, swipes);
        QFETCH(IdentifyOptions, options);
        QFETCH(int, field);
        QFETCH(QString, told);
        const ReaderIdentity identity = identifyReader(swipes, shippedFactoryImage(), options);
        QCOMPARE(identity.outcome, ReaderIdentity::Outcome::Read);
        QCOMPARE(toldText(identity, static_cast<FieldId>(field)), told);
    }

    void saysWhenTheSwipesDoNotRead() {
        const SettingsImage factory = shippedFactoryImage();
        QCOMPARE(identifyReader({}, factory).outcome, ReaderIdentity::Outcome::NoSwipe);

        // A single character is no track: a track has its two sentinels at least.
        const ReaderIdentity unread = identifyReader({{{typed(factory).mid(0, 2)}}}, factory);
        QCOMPARE(unread.outcome, ReaderIdentity::Outcome::Unreadable);
        QCOMPARE(unread.why,
                 QStringLiteral("the keys read as no frame a reader types, on any layout"));

        SettingsImage withPreamble = factory;
        setFieldValue(withPreamble, FieldId::Preamble, 'A');
        const ReaderIdentity two =
            identifyReader({{typed(factory)}, {typed(withPreamble)}}, factory);
        QCOMPARE(two.outcome, ReaderIdentity::Outcome::Disagree);
        QCOMPARE(
            two.why,
            QStringLiteral("the swipes disagree on %1").arg(toldFieldCaption(FieldId::Preamble)));
    }

    void compareSettingsDecideAndDifferencesAreMarked() {
        const ReaderIdentity identity = identifyReader({{typed(drawerReader())}}, drawerReader());
        for (const ToldSetting& setting : identity.told)
            QVERIFY2(!setting.differs, qPrintable(toldFieldCaption(setting.id)));
        QCOMPARE(identity.image, drawerReader());
        QVERIFY(identity.cannotBeTold.contains(FieldId::BuzzerPitch));
        QVERIFY(identity.cannotBeTold.contains(FieldId::Rs232Terminator));
        QVERIFY(!identity.cannotBeTold.contains(FieldId::FunctionKeys)); // no setting names it
    }

    // For random readers and cards, what identify tells fits the reader: each field a swipe
    // shows is told as it is set or with the set value among those that also fit, or left open.
    void tellsBackWhatTheModelTyped() {
        const quint32 seed = propertySeed();
        QRandomGenerator random(seed);
        for (int n = 0; n < kPropertyCases; ++n) {
            const RandomCase c(random);
            const QList<CapturedKey> keys = readerKeys(c.image, c.card, c.options).keys;
            const ReaderIdentity identity = identifyReader({{keys}}, shippedFactoryImage());
            // EXEC types keys nobody knows; the model leaves them out.
            const auto isExec = [&](FieldId id) {
                return id == FieldId::KeyboardTerminator && fieldValue(c.image, id) == 8;
            };
            const QString where =
                QStringLiteral("seed %1, case %2: %3").arg(seed).arg(n).arg(settingsText(c.image));
            QVERIFY2(identity.outcome == ReaderIdentity::Outcome::Read,
                     qPrintable(where + u'\n' + identity.why));
            for (const ToldSetting& setting : identity.told) {
                QVERIFY(fieldsASwipeShows().contains(setting.id));
                if (isExec(setting.id))
                    continue;
                const FieldCodes truth = fieldCodes(c.image, setting.id);
                QVERIFY2(setting.value == truth || setting.alsoFit.contains(truth) ||
                             setting.alsoOpen,
                         qPrintable(where + u'\n' + toldFieldCaption(setting.id) +
                                    QStringLiteral(": ") + toldText(identity, setting.id)));
            }
            // Compared with its own settings, a reader is told as it is set.
            const ReaderIdentity own = identifyReader({{keys}}, c.image);
            for (const ToldSetting& setting : own.told)
                QVERIFY2(!setting.differs || isExec(setting.id),
                         qPrintable(where + u'\n' + toldFieldCaption(setting.id) +
                                    QStringLiteral(": ") + toldText(own, setting.id)));
        }
    }
};

QTEST_GUILESS_MAIN(ReaderIdentityTest)
#include "test_reader_identity.moc"
