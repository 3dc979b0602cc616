#include "core/image/setting_catalog.h"
#include "core/image/setting_words.h"
#include "core/files/settings_file.h"
#include "test_files.h"

#include <QtTest>

using namespace quorvel;

namespace {

using Bytes = QList<QPair<int, int>>; // byte number, value

SettingsImage factoryWith(const Bytes& changes) {
    SettingsImage image{};
    if (!readDefaultFile(shippedFactoryFile(), image))
        qFatal("no factory file");
    for (const auto& [n, value] : changes)
        image[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(value);
    return image;
}

QStringList otherByteLines(const SettingsImage& image) {
    QStringList lines;
    const QList<SummarySection> summary = settingsSummary(image);
    for (const SummaryLine& line : summary.constLast().lines)
        lines << line.caption + QStringLiteral(": ") + line.value;
    return lines;
}

} // namespace


class SettingWordsTest : public QObject {
    Q_OBJECT
private slots:
    // A key added to the catalog without a place on the pages would vanish from the summary.
    void everyCatalogKeyHasOnePlace() {
        QStringList captions;
        for (const Setting& s : settingCatalog()) {
            const QString caption = settingCaption(s.key);
            QVERIFY2(caption != s.key, qPrintable(s.key));
            QVERIFY2(!captions.contains(caption), qPrintable(caption));
            captions << caption;
        }
        int lines = 0;
        for (const SummarySection& section : settingsSummary(factoryWith({})))
            lines += static_cast<int>(section.lines.size());
        QCOMPARE(lines, settingCatalog().size() + 1); // and byte 127 of the factory file
    }

    void words_data() {
        QTest::addColumn<Bytes>("changes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("words"); // a trailing "*": the words begin so
        QTest::newRow("factory track selection") << Bytes{} << "track-selection" << "TK1/TK2/TK3 any";
        QTest::newRow("track selection unknown") << Bytes{{63, 0x05}} << "track-selection" << "unknown*";
        QTest::newRow("case universal, ALT on") << Bytes{{52, 0x48}} << "case" << "Universal";
        QTest::newRow("case unknown") << Bytes{{52, 0x05}} << "case" << "unknown*";
        QTest::newRow("empty preamble") << Bytes{} << "preamble" << "none";
        QTest::newRow("preamble Esc A")
            << Bytes{{80, 0x1B}, {81, 0x41}} << "preamble" << "Esc (&H1B), A (&H41)";
        QTest::newRow("postamble ends at 0")
            << Bytes{{91, 0x0D}, {93, 0x41}} << "postamble" << "Enter (&HD)";
        QTest::newRow("byte") << Bytes{{90, 0x07}} << "byte.90" << "07";
    }
    void words() {
        QFETCH(Bytes, changes);
        QFETCH(QString, key);
        QFETCH(QString, words);
        const QString shown = settingWords(key, factoryWith(changes));
        if (words.endsWith(u'*'))
            QVERIFY2(shown.startsWith(words.chopped(1)), qPrintable(shown));
        else
            QCOMPARE(shown, words);
    }

    // What no line shows and is not 0 is listed under "Other bytes", whole.
    void otherBytes_data() {
        QTest::addColumn<Bytes>("changes");
        QTest::addColumn<QStringList>("lines");
        const QString b127 = QStringLiteral("byte 127: 80");
        QTest::newRow("factory") << Bytes{} << QStringList{b127};
        QTest::newRow("unowned byte") << Bytes{{90, 0x01}} << QStringList{"byte 90: 01", b127};
        QTest::newRow("byte 4 loose bits") << Bytes{{4, 0x85}} << QStringList{"byte 4: 85", b127};
        QTest::newRow("byte 52 function keys") << Bytes{{52, 0x20}} << QStringList{"byte 52: 20", b127};
        QTest::newRow("byte 32 odd order shows as unknown") << Bytes{{32, 0x0B}} << QStringList{b127};
        QTest::newRow("preamble after its end")
            << Bytes{{80, 0x41}, {82, 0x42}} << QStringList{"byte 82: 42", b127};
        QTest::newRow("postamble after an empty start")
            << Bytes{{95, 0x07}} << QStringList{"byte 95: 07", b127};
    }
    void otherBytes() {
        QFETCH(Bytes, changes);
        QFETCH(QStringList, lines);
        QCOMPARE(otherByteLines(factoryWith(changes)), lines);
    }

    // The factory image against a changed one: which keys the Compare page lists, in page order.
    void summaryDifferences_data() {
        QTest::addColumn<Bytes>("changes");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("equal") << Bytes{} << QStringList{};
        QTest::newRow("preamble and terminator, page order")
            << Bytes{{80, 0x1B}, {81, 0x41}, {50, 5}} << QStringList{"keyboard-terminator", "preamble"};
        QTest::newRow("hidden byte differs and is set")
            << Bytes{{80, 0x41}, {82, 0x42}} << QStringList{"preamble", "byte.82"};
        QTest::newRow("only a hidden byte") << Bytes{{82, 0x42}} << QStringList{"byte.82"};
        QTest::newRow("unknown code") << Bytes{{50, 2}} << QStringList{"keyboard-terminator"};
    }
    void summaryDifferences() {
        QFETCH(Bytes, changes);
        QFETCH(QStringList, keys);
        QStringList found;
        for (const ImageDifference& d : quorvel::summaryDifferences(factoryWith({}), factoryWith(changes)))
            found << d.key;
        QCOMPARE(found, keys);
    }

    void pagesInMenuOrderWithTheirCaptions() {
        const QList<SummarySection> summary = settingsSummary(factoryWith({{50, 5}}));
        QStringList titles;
        for (const SummarySection& s : summary)
            titles << s.title;
        QCOMPARE(titles, (QStringList{"Intercharacter Delay", "Keyboard Language", "Terminator",
                                      "Magnetic Card", "Preamble & Postamble", "General Parameter",
                                      "Other bytes"}));
        const QString text = summaryText(summary);
        QVERIFY(text.startsWith(QStringLiteral("Intercharacter Delay\n    Start Keyboard Setting: 5\n")));
        QVERIFY(text.contains(QStringLiteral("Terminator\n    Keyboard: TAB\n    RS-232: CR\n\n")));
        QVERIFY(text.endsWith(QStringLiteral("Other bytes\n    byte 127: 80\n")));
        QVERIFY(summaryText(settingsSummary(factoryWith({{127, 0}})))
                    .endsWith(QStringLiteral("Other bytes\n    none\n")));
    }
};

QTEST_GUILESS_MAIN(SettingWordsTest)
#include "test_setting_words.moc"
