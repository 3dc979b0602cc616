#include "page_fixture.h"

#include "pages/language_page.h"

using namespace quorvel;

namespace {
constexpr int kLanguageByte = 48;
constexpr int kModesByte = 52;
constexpr int kAlt = 18;
} // namespace

class LanguagePageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageFixture<LanguagePage>> f;

    // The one selected button among 0..16 and 18; -1 for none.
    int selected() const {
        const int language = f->selected(QStringLiteral("Option1"), 17);
        const bool alt = f->option(QStringLiteral("Option1"), kAlt)->isChecked();
        if (alt)
            return language == -1 ? kAlt : -2;
        return language;
    }
    void show(int language, int modes) {
        f->session.setByte(kLanguageByte, language);
        f->session.setByte(kModesByte, modes);
        f->page->activate();
    }

private slots:
    void init() {
        f = std::make_unique<PageFixture<LanguagePage>>();
        f->build();
    }
    void cleanup() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    void buttons() {
        const QStringList captions{"U.S.",    "U.K.",           "FRANCE",  "GERMANY", "ITALY",
                                   "BELGIUM", "SWEDEN/FINLAND", "SPANISH", "DENMARK", "PORTUGAL",
                                   "SWISS",   "NORWAY",         "CANADA",  "HOLLAND", "POLAND",
                                   "LATIN",   "JAPAN"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(f->option(QStringLiteral("Option1"), i)->text(), captions.at(i));
        QVERIFY(!f->page->findChild<QRadioButton*>(QStringLiteral("Option1_17")));
        QCOMPARE(f->option(QStringLiteral("Option1"), kAlt)->text(), QStringLiteral("ALT Mode"));
        QCOMPARE(f->child<QWidget>(QStringLiteral("Frame1"))->property("title").toString(),
                 QStringLiteral("Language for Keyboard Interface"));
        QCOMPARE(selected(), 0); // "U.S." when first built
    }

    void activationAndAccept_data() {
        QTest::addColumn<int>("before"); // a language shown earlier, -1 for a fresh page
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("chosen"); // button clicked before Accept, -1 for none
        QTest::addColumn<int>("storedLanguage");
        QTest::addColumn<int>("storedModes");
        QTest::newRow("GERMANY") << -1 << 3 << 0x00 << 3 << -1 << 3 << 0x00;
        QTest::newRow("ALT keeps the language") << -1 << 3 << 0x40 << kAlt << -1 << 3 << 0x40;
        QTest::newRow("ALT ends function keys") << -1 << 0 << 0x22 << 0 << kAlt << 0 << 0x42;
        QTest::newRow("JAPAN after ALT") << -1 << 3 << 0x40 << kAlt << 16 << 16 << 0x00;
        QTest::newRow("language keeps other bits") << -1 << 5 << 0xBF << 5 << 2 << 2 << 0xBF;
        QTest::newRow("17 keeps the buttons") << 7 << 17 << 0x00 << 7 << -1 << 7 << 0x00;
        QTest::newRow("17 on a fresh page") << -1 << 17 << 0x00 << 0 << -1 << 0 << 0x00;
        QTest::newRow("200 keeps the buttons") << 9 << 200 << 0x40 << kAlt << -1 << 200 << 0x40;
        QTest::newRow("18 with ALT bit") << -1 << 18 << 0x40 << kAlt << -1 << 18 << 0x40;
        QTest::newRow("18 without ALT bit") << -1 << 18 << 0x05 << -1 << -1 << 18 << 0x05;
    }
    void activationAndAccept() {
        QFETCH(int, before);
        QFETCH(int, language);
        QFETCH(int, modes);
        QFETCH(int, shown);
        QFETCH(int, chosen);
        QFETCH(int, storedLanguage);
        QFETCH(int, storedModes);
        if (before >= 0)
            show(before, 0);
        show(language, modes);
        QCOMPARE(selected(), shown);
        QCOMPARE(f->session.byte(kLanguageByte), language);
        QCOMPARE(f->session.byte(kModesByte), modes);
        if (chosen >= 0) {
            f->click(QStringLiteral("Option1_%1").arg(chosen));
            QCOMPARE(selected(), chosen);
            QCOMPARE(f->session.byte(kModesByte), modes); // nothing written before Accept
        }
        f->accept();
        QCOMPARE(f->session.byte(kLanguageByte), storedLanguage);
        QCOMPARE(f->session.byte(kModesByte), storedModes);
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages,
                 QList<Message>{okMessage("Language for Keyboard Interface Setting O.K.")});
    }

    void defaultLeavesAltMode() {
        show(3, 0x4A);
        f->pressDefault(Answer::Yes);
        QCOMPARE(selected(), 0);
        QCOMPARE(f->session.byte(kLanguageByte), 0);
        QCOMPARE(f->session.byte(kModesByte), 0x0A);
        QVERIFY(f->session.changed);
        QCOMPARE(f->dialogs.messages, QList<Message>{defaultQuestion(
                                          "Current language setting will be changed to factory "
                                          "default. Are you sure ?(Y/N) ")});
    }
};

QTEST_MAIN(LanguagePageTest)
#include "test_language_page.moc"
