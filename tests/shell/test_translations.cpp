#include "core/swipe/swipe_analysis.h"
#include "pages/inter_char_delay_page.h"
#include "pages/magnetic_page.h"
#include "pages/parameter_page.h"
#include "shell/program.h"
#include "shell_fixture.h"
#include "ui/file_messages.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include "core/image/setting_fields.h"
#include "core/swipe/reader_identity.h"
#include "core/swipe/reader_model.h"
#include "tool_pages/reader_settings_section.h"

#include <QtTest>

#include <map>

using namespace quorvel;

namespace {

struct Entry {
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    bool numerus = false;
    QStringList forms;
};
using Key = std::pair<QString, QString>; // context, source (with the comment, if any)
using Catalog = std::map<Key, Entry>;

Catalog readCatalog(const QString& path, QString* error) {
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return catalog;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message") {
                source.clear();
                comment.clear();
                entry = Entry{};
                entry.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.name() == u"comment")
                comment = xml.readElementText();
            else if (xml.name() == u"translation") {
                entry.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!entry.numerus)
                    entry.translation = xml.readElementText();
            } else if (xml.name() == u"numerusform")
                entry.forms << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            catalog[{context, comment.isEmpty() ? source : source + u'|' + comment}] = entry;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return catalog;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%L?(\\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text))
        found << m.captured(1);
    found.sort();
    return found;
}

QString sourceRoot() { return qEnvironmentVariable("QUORVEL_SOURCE_ROOT"); }

// The program's catalogs for a locale, installed while it lives.
class LocaleTranslations {
public:
    LocaleTranslations(const QString& locale, const QString& absentFolder)
        : m_installed(installTranslations(
              QLocale(locale), {absentFolder, qEnvironmentVariable("QUORVEL_TRANSLATIONS")})) {}
    ~LocaleTranslations() {
        for (QTranslator* translator : m_installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    LocaleTranslations(const LocaleTranslations&) = delete;
    LocaleTranslations& operator=(const LocaleTranslations&) = delete;

private:
    QList<QTranslator*> m_installed;
};

} // namespace

// The shipped catalogs: complete against the sources, and loaded for the user's locale.
class TranslationsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Catalog m_fresh; // every text the sources mark for translation now

private slots:
    void initTestCase() {
        QVERIFY(!sourceRoot().isEmpty());
        QFile list(sourceRoot() + QStringLiteral("/translations/folders"));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        // With the include path lupdate resolves "core/…" headers, and with them each
        // text's context, as the compiler does.
        QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
                              QStringLiteral("-I"), sourceRoot() + QStringLiteral("/src")};
        for (const QByteArray& line : list.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                arguments << sourceRoot() + u'/' + QString::fromUtf8(line.trimmed());
        const QString fresh = m_dir.filePath(QStringLiteral("fresh.ts"));
        arguments << QStringLiteral("-ts") << fresh;
        QProcess lupdate;
        lupdate.start(qEnvironmentVariable("QUORVEL_LUPDATE"), arguments);
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        m_fresh = readCatalog(fresh, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_fresh.size() > 200);
    }

    void catalogIsComplete_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
        QTest::newRow("Spanish") << QStringLiteral("es");
    }

    // Fails on a text the catalog lacks or leaves unfinished, and on a translation
    // whose placeholders are not the source's: scripts/update-translations.sh, then translate.
    void catalogIsComplete() {
        QFETCH(QString, language);
        QString error;
        const Catalog shipped = readCatalog(
            sourceRoot() + QStringLiteral("/translations/quorvel_%1.ts").arg(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList problems;
        for (const auto& [key, fresh] : m_fresh) {
            const QString where = key.first + QStringLiteral(": \"") + key.second + u'"';
            const auto found = shipped.find(key);
            if (found == shipped.end()) {
                problems << QStringLiteral("missing ") + where;
                continue;
            }
            const Entry& entry = found->second;
            const QStringList texts = entry.numerus ? entry.forms : QStringList{entry.translation};
            if (!entry.type.isEmpty() || texts.isEmpty() || texts.contains(QString()))
                problems << QStringLiteral("unfinished ") + where;
            const QString source = key.second.section(u'|', 0, 0);
            for (const QString& text : texts)
                if (!text.isEmpty() && placeholders(text) != placeholders(source))
                    problems << QStringLiteral("placeholders differ in ") + where;
        }
        for (const auto& [key, entry] : shipped)
            if (entry.type == u"vanished" || entry.type == u"obsolete")
                problems << QStringLiteral("left over ") + key.first + QStringLiteral(": \"") +
                                key.second + u'"';
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void textsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("menuItem");     // a Q_OBJECT class's tr()
        QTest::addColumn<QString>("fileMessage");  // a free function's translate()
        QTest::addColumn<QString>("timing");       // core, outside any class
        QTest::addColumn<QString>("firstCheck");   // core, inside a plain class
        QTest::addColumn<QString>("yesButton");    // Qt's own catalog
        // Core, inside plain classes whose members call a file's own tr(): the reader model and
        // the frame, and what identify tells.
        QTest::addColumn<QStringList>("model");
        QTest::newRow("C") << "C" << "Open" << "Can't open file ! " << "1 key" << "Preamble"
                           << "&Yes"
                           << QStringList{"the preamble holds the code &HC8, which no key types",
                                          "byte 32 holds the track order code 6, which names no order",
                                          "the first character of track 2", "Cannot be told from a swipe: "};
        QTest::newRow("English") << "en_GB" << "Open" << "Can't open file ! " << "1 key"
                                 << "Preamble" << "&Yes"
                                 << QStringList{"the preamble holds the code &HC8, which no key types",
                                                "byte 32 holds the track order code 6, which names no order",
                                                "the first character of track 2", "Cannot be told from a swipe: "};
        const QStringList german{"die Präambel enthält den Code &HC8, den keine Taste tippt",
                                 "Byte 32 enthält den Spurreihenfolge-Code 6, der keine Reihenfolge bezeichnet",
                                 "das erste Zeichen von Spur 2", "Aus einem Durchzug nicht zu erkennen: "};
        QTest::newRow("German") << "de_DE" << "Öffnen" << "Die Datei kann nicht geöffnet werden! "
                                << "1 Taste" << "Präambel" << "&Ja" << german;
        QTest::newRow("Austrian German") << "de_AT" << "Öffnen"
                                         << "Die Datei kann nicht geöffnet werden! " << "1 Taste"
                                         << "Präambel" << "&Ja" << german;
        QTest::newRow("French") << "fr_FR" << "Ouvrir" << "Impossible d'ouvrir le fichier ! "
                                << "1 touche" << "Préambule" << "&Oui"
                                << QStringList{"le préambule contient le code &HC8, qu’aucune touche ne tape",
                                               "l'octet 32 contient le code d'ordre des pistes 6, qui ne désigne "
                                               "aucun ordre",
                                               "le premier caractère de la piste 2",
                                               "Impossible à déduire d'un passage : "};
        QTest::newRow("Spanish") << "es_ES" << "Abrir" << "¡No se puede abrir el archivo! "
                                 << "1 tecla" << "Preámbulo" << "&Sí"
                                 << QStringList{"el preámbulo contiene el código &HC8, que ninguna tecla escribe",
                                                "el byte 32 contiene el código de orden de pistas 6, que no "
                                                "corresponde a ningún orden",
                                                "el primer carácter de la pista 2",
                                                "No se puede saber por una pasada: "};
    }

    void textsFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, menuItem);
        QFETCH(QString, fileMessage);
        QFETCH(QString, timing);
        QFETCH(QString, firstCheck);
        QFETCH(QString, yesButton);
        const LocaleTranslations translations(locale, m_dir.filePath(QStringLiteral("absent")));

        ShellFixture f;
        MainWindow& window = f.start();
        QCOMPARE(window.menuWindow()->menu()->itemCaption(1, 2), menuItem);
        QCOMPARE(openFailureMessage(ReadResult::WrongLength)->text, fileMessage);
        SwipeTiming one;
        one.keys = 1;
        QCOMPARE(timingText(one), timing);
        // The keyboard language comes first, the preamble second.
        QCOMPARE(analyzeSwipe({}, f.session.image).checks.value(1).name, firstCheck);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yesButton);

        QFETCH(QStringList, model);
        SettingsImage image = f.session.image;
        setFieldValue(image, FieldId::Preamble, 0xC8);
        const Card card{std::nullopt, QStringLiteral("1=2"), std::nullopt};
        QCOMPARE(readerKeys(image, card).untypeable.value(0), model.at(0));
        setFieldValue(image, FieldId::TrackOrder, 6);
        QCOMPARE(readerKeys(image, card).untypeable.value(0), model.at(1));
        const ReaderIdentity identity = identifyReader({{readerKeys(f.session.image, card).keys}}, f.session.image);
        const auto sentinel = std::find_if(identity.told.begin(), identity.told.end(), [](const ToldSetting& told) {
            return told.id == FieldId::StartSentinel2;
        });
        QVERIFY(sentinel != identity.told.end());
        QCOMPARE(sentinel->evidence, model.at(2));
        // The Swipe Test's section, worded outside the page's class.
        const QStringList lines = readerSettingsLines(identity, f.session.image);
        QVERIFY2(lines.value(lines.size() - 2).startsWith(model.at(3)), qPrintable(lines.join(u'\n')));
    }

    // Labels made of a field's caption and an ending read as whole translated labels did.
    void pageLabelsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("delay");    // " :"
        QTest::addColumn<QString>("sentinel"); // " :" beside " : "
        QTest::addColumn<QString>("dle");      // " : "
        QTest::addColumn<QString>("pitch");    // "  : "
        QTest::addColumn<QString>("check");    // "."
        QTest::newRow("C") << "C" << "Start Keyboard Setting :" << "Track 2 Start Sentinel :"
                           << "Track 1 DLE Character : " << "Buzzer Pitch  : "
                           << "Track 2 Account No. Only.";
        QTest::newRow("German") << "de_DE" << "Startwert Tastatur:" << "Startzeichen Spur 2:"
                                << "DLE-Zeichen Spur 1: " << "Tonhöhe des Summers: "
                                << "Nur Kontonummer aus Spur 2.";
        QTest::newRow("French") << "fr_FR" << "Valeur initiale clavier :"
                                << "Sentinelle de début piste 2 :" << "Caractère DLE piste 1 : "
                                << "Hauteur du bip : " << "Numéro de compte de la piste 2 seulement.";
        QTest::newRow("Spanish") << "es_ES" << "Valor inicial de teclado:"
                                 << "Centinela de inicio pista 2:" << "Carácter DLE pista 1: "
                                 << "Tono del zumbador: " << "Solo el número de cuenta de la pista 2.";
    }
    void pageLabelsFollowTheLocale() {
        QFETCH(QString, locale);
        const LocaleTranslations translations(locale, m_dir.filePath(QStringLiteral("absent")));
        Session session;
        ScriptedDialogs dialogs;
        const auto text = [](const QWidget& page, const char* name) {
            const QObject* w = page.findChild<QObject*>(QLatin1String(name));
            if (const auto* label = qobject_cast<const QLabel*>(w))
                return label->text();
            return w ? qobject_cast<const QAbstractButton*>(w)->text() : QString();
        };
        const InterCharDelayPage delayPage(session, dialogs);
        const MagneticPage magnetic(session, dialogs);
        const ParameterPage parameter(session, dialogs);
        QTEST(text(delayPage, "Label2_0"), "delay");
        QTEST(text(magnetic, "ID1_1"), "sentinel");
        QTEST(text(magnetic, "ID2_0"), "dle");
        QTEST(text(parameter, "Label2"), "pitch");
        QTEST(text(magnetic, "Check1"), "check");
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
