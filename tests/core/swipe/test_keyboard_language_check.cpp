#include "core/keyboard/keyboard_layout_sources.h"
#include "core/keyboard/keys_on_layout.h"
#include "core/keyboard/layout_match.h"
#include "core/swipe/keyboard_language_check.h"
#include "core/swipe/swipe_analysis.h"

#include "test_files.h"
#include "typed_keys.h"

#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(std::optional<XkbLayoutName>)

namespace {

enum Language {
    US,
    UK,
    FRANCE,
    GERMANY,
    ITALY,
    BELGIUM,
    SWEDEN,
    SPANISH,
    DENMARK,
    PORTUGAL,
    SWISS,
    NORWAY,
    CANADA,
    HOLLAND,
    POLAND,
    LATIN,
    JAPAN
};

const QString kFrame =
    QStringLiteral("%B4111111111111111^DOE/JOHN^2512101?;4111111111111111=2512101?[Enter]");
const QString kTrack1 = QStringLiteral("%B4111111111111111^DOE/J^2512?[Enter]");
const QString kTrack2 = QStringLiteral(";4111111111111111=2512?[Enter]");

SettingsImage imageFor(int language) {
    SettingsImage image = shippedFactoryImage();
    image.at(48) = static_cast<std::uint8_t>(language);
    return image;
}

XkbLayoutName layoutOf(int language) {
    const LayoutSource& source = kLayoutSources[static_cast<std::size_t>(language)];
    return {QString::fromLatin1(source.layout), QString::fromLatin1(source.variant)};
}

SwipeAnalysis analyzed(const QList<CapturedKey>& keys, int reader,
                       std::optional<XkbLayoutName> computer = {}) {
    SwipeOptions options;
    options.computerLayout = std::move(computer);
    return analyzeSwipe(keys, imageFor(reader), options);
}

} // namespace

class KeyboardLanguageCheckTest : public QObject {
    Q_OBJECT
private slots:
    void layoutNames_data() {
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QString>("variants");
        QTest::addColumn<int>("group");
        QTest::addColumn<std::optional<XkbLayoutName>>("name");
        QTest::addColumn<int>("language");
        const auto name = [](const char* layout, const char* variant = "") {
            return std::optional<XkbLayoutName>(
                XkbLayoutName{QString::fromLatin1(layout), QString::fromLatin1(variant)});
        };
        QTest::newRow("one layout") << "de"
                                    << "" << 0 << name("de") << int(GERMANY);
        QTest::newRow("second group with a variant")
            << "us,ch"
            << ",fr" << 1 << name("ch", "fr") << int(SWISS);
        QTest::newRow("first group of two") << "us,ch"
                                            << ",fr" << 0 << name("us") << int(US);
        QTest::newRow("fewer variants than layouts") << "us,ch"
                                                     << "" << 1 << name("ch") << int(SWISS);
        QTest::newRow("another variant")
            << "de"
            << "nodeadkeys" << 0 << name("de", "nodeadkeys") << int(GERMANY);
        QTest::newRow("Finnish") << "fi"
                                 << "" << 0 << name("fi") << int(SWEDEN);
        QTest::newRow("no reader language") << "ru"
                                            << "" << 0 << name("ru") << -1;
        QTest::newRow("no such group") << "us"
                                       << "" << 1 << std::optional<XkbLayoutName>() << -1;
        QTest::newRow("nothing") << ""
                                 << "" << 0 << std::optional<XkbLayoutName>() << -1;
    }
    void layoutNames() {
        QFETCH(QString, layouts);
        QFETCH(QString, variants);
        QFETCH(int, group);
        QFETCH(std::optional<XkbLayoutName>, name);
        QFETCH(int, language);
        const std::optional<XkbLayoutName> found = xkbLayoutOfGroup(layouts, variants, group);
        QCOMPARE(found, name);
        QCOMPARE(found ? languageOfXkbLayout(*found) : -1, language);
    }

    // For each computer, a reader of another language whose swipe several layouts
    // type alike, this computer's among them: with this computer's layout known it
    // is the one offered, else the lowest-numbered.
    void offersThisComputersLanguage_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("computer");
        QTest::addColumn<QString>("frame");
        const int rows[][2] = {{GERMANY, US},       {GERMANY, UK},     {GERMANY, FRANCE},
                               {US, GERMANY},       {GERMANY, ITALY},  {GERMANY, BELGIUM},
                               {US, SWEDEN},        {SWEDEN, SPANISH}, {SPANISH, DENMARK},
                               {GERMANY, PORTUGAL}, {US, SWISS},       {SPANISH, NORWAY},
                               {FRANCE, CANADA},    {CANADA, HOLLAND}, {GERMANY, POLAND},
                               {GERMANY, LATIN},    {BELGIUM, JAPAN}};
        for (const auto& [reader, computer] : rows) {
            const QString frame = computer == CANADA || computer == JAPAN ? kTrack2
                                  : computer == HOLLAND                   ? kTrack1
                                                                          : kFrame;
            QTest::addRow("%s on %s", kLayoutSources[std::size_t(reader)].layout,
                          kLayoutSources[std::size_t(computer)].layout)
                << reader << computer << frame;
        }
    }
    void offersThisComputersLanguage() {
        QFETCH(int, reader);
        QFETCH(int, computer);
        QFETCH(QString, frame);
        const QList<CapturedKey> keys = typedAt(reader, computer, frame);
        const QList<int> fits = matchComputerLayout(keys).languages;
        QVERIFY2(fits.size() > 1 && fits.contains(computer) && !fits.contains(reader),
                 "the swipe does not leave this computer's layout among others");

        const SwipeAnalysis known = analyzed(keys, reader, layoutOf(computer));
        QCOMPARE(known.suggestedLanguage, computer);
        const QString detail = known.checks.first().detail;
        QVERIFY2(detail.contains(
                     QStringLiteral("this computer's keys match %1 (").arg(languageName(computer))),
                 qPrintable(detail));
        for (const int other : fits)
            QVERIFY2(detail.contains(languageName(other)), qPrintable(detail));

        QCOMPARE(analyzed(keys, reader).suggestedLanguage, fits.first());
        // A layout the keys do not fit changes nothing.
        const int misfit = reader == US ? UK : US;
        QCOMPARE(analyzed(keys, reader, layoutOf(misfit)).suggestedLanguage, fits.first());
    }

    // Caps Lock on changes the letter case of what arrives, not which layouts fit,
    // and the difference quoted is one of the layout.
    void capsLockChangesNoLanguage_data() {
        QTest::addColumn<int>("computer");
        for (int computer = 0; computer < int(kLayoutSources.size()); ++computer)
            QTest::newRow(kLayoutSources[std::size_t(computer)].layout) << computer;
    }
    void capsLockChangesNoLanguage() {
        QFETCH(int, computer);
        const QList<CapturedKey> off = typedAt(US, computer, kFrame);
        const QList<CapturedKey> on = typedAt(US, computer, kFrame, KeyState::CapsLock);
        QCOMPARE(matchComputerLayout(on).languages, matchComputerLayout(off).languages);
        const SwipeAnalysis withCaps = analyzed(on, US);
        QCOMPARE(withCaps.checks.first().detail, analyzed(off, US).checks.first().detail);
        QCOMPARE(withCaps.suggestedLanguage, analyzed(off, US).suggestedLanguage);
    }

    // What a terminal hands on is characters only: put back on the keys of this computer's
    // layout, a U.S. reader's swipe gets the verdict the Swipe Test gives it, on every layout.
    void aTerminalsCharactersReadBackOnEveryLayout_data() { capsLockChangesNoLanguage_data(); }
    void aTerminalsCharactersReadBackOnEveryLayout() {
        QFETCH(int, computer);
        const QList<CapturedKey> keys = typedAt(US, computer, kFrame);
        QList<CapturedKey> terminal;
        for (const CapturedKey& key : keys)
            if (!key.text.isEmpty() && !isModifierKey(key.key))
                terminal << CapturedKey{key.timeMs, key.key, key.modifiers & Qt::ControlModifier,
                                        key.text};
        const SwipeAnalysis page = analyzed(keys, US, layoutOf(computer));
        const SwipeAnalysis placed =
            analyzed(keysOnLayout(terminal, computer), US, layoutOf(computer));
        QCOMPARE(placed.checks.first().state, page.checks.first().state);
        QCOMPARE(placed.suggestedLanguage, page.suggestedLanguage);
        QVERIFY(matchComputerLayout(keysOnLayout(terminal, computer)).languages.contains(computer));
    }

    // However this computer's layout mangles a U.S. reader's keys, no card number shows
    // whole in either reading, nor in what the checks quote.
    void cardNumbersMaskedOnEveryLayout_data() { capsLockChangesNoLanguage_data(); }
    void cardNumbersMaskedOnEveryLayout() {
        QFETCH(int, computer);
        static const QRegularExpression longRun(QStringLiteral("\\d(?:[^\\d•]?\\d){11}"));
        const SwipeAnalysis analysis =
            analyzed(typedAt(US, computer, kFrame), US, layoutOf(computer));
        QStringList shown{swipeLine(analysis.tokens), swipeLine(analysis.received)};
        for (const SwipeCheck& check : analysis.checks)
            shown << check.detail;
        for (const QString& text : shown)
            QVERIFY2(!longRun.match(text).hasMatch(), qPrintable(text));
    }

    // Sentinels and separators the reader types on what is a dead key here are named.
    void deadKeysOfTheFrameAreNamed_data() {
        QTest::addColumn<int>("computer");
        QTest::addColumn<QString>("finding");
        QTest::newRow("de") << int(GERMANY) << "; '=' is a dead key on this layout";
        QTest::newRow("ch") << int(SWISS) << "; '=' is a dead key on this layout";
        QTest::newRow("fr") << int(FRANCE) << "";
        QTest::newRow("gb") << int(UK) << "";
    }
    void deadKeysOfTheFrameAreNamed() {
        QFETCH(int, computer);
        QFETCH(QString, finding);
        const QString detail =
            analyzed(typedAt(US, computer, kFrame), US, layoutOf(computer)).checks.first().detail;
        QVERIFY2(finding.isEmpty() ? !detail.contains(QStringLiteral("dead key"))
                                   : detail.endsWith(finding),
                 qPrintable(detail));
    }

    void layoutsAsPeopleAndFilesName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("defaultsFile");
        QTest::addColumn<std::optional<XkbLayoutName>>("name");
        QTest::newRow("a layout") << "de" << false << std::optional(XkbLayoutName{"de", ""});
        QTest::newRow("with a variant")
            << "ch(fr)" << false << std::optional(XkbLayoutName{"ch", "fr"});
        QTest::newRow("no layout") << "ch(" << false << std::optional<XkbLayoutName>();
        QTest::newRow("markup") << "<b>de</b>" << false << std::optional<XkbLayoutName>();
        QTest::newRow("Debian's file")
            << "# KEYBOARD CONFIGURATION "
               "FILE\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"ch,us\"\nXKBVARIANT=\"fr,\"\n"
            << true << std::optional(XkbLayoutName{"ch", "fr"});
        QTest::newRow("unquoted") << "XKBLAYOUT=de\nXKBVARIANT=nodeadkeys # a comment\n"
                                  << true << std::optional(XkbLayoutName{"de", "nodeadkeys"});
        QTest::newRow("no layout set") << "XKBMODEL=pc105\n"
                                       << true << std::optional<XkbLayoutName>();
    }
    void layoutsAsPeopleAndFilesName() {
        QFETCH(QString, text);
        QFETCH(bool, defaultsFile);
        QFETCH(std::optional<XkbLayoutName>, name);
        QCOMPARE(defaultsFile ? keyboardDefaultsLayout(text.toUtf8()) : parseXkbLayoutName(text),
                 name);
        if (name && !defaultsFile)
            QCOMPARE(xkbLayoutText(*name), text);
    }
};

QTEST_GUILESS_MAIN(KeyboardLanguageCheckTest)
#include "test_keyboard_language_check.moc"
