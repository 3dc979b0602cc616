// The protocol every page shares, checked on each page in turn.
#include "page_fixture.h"
#include "core/session.h"

#include "core/files/settings_file.h"
#include "pages/amble_page.h"
#include "pages/inter_char_delay_page.h"
#include "pages/language_page.h"
#include "pages/magnetic_page.h"
#include "pages/parameter_page.h"
#include "pages/terminator_page.h"
#include "ui/twips.h"

#include <QLabel>

using namespace quorvel;

namespace {

enum class Kind { Delay, Language, Terminator, Parameter, Magnetic, Amble };

struct PageFacts {
    const char* objectName;
    const char* heading;
    const char* acceptMessage;
    const char* question;
    bool fixedButtons;
    const char* questionTitle = "Quorvel";
};

PageFacts facts(Kind kind) {
    switch (kind) {
    case Kind::Delay:
        return {"frmInterCDelay", "Intercharacter Delay", "Intercharacter Delay Setting O.K.",
                "Current Intercharacter delay setting will be changed to factory default. Are you "
                "sure ?(Y/N) ",
                true};
    case Kind::Language:
        return {"frmLanguage", "Keyboard Language", "Language for Keyboard Interface Setting O.K.",
                "Current language setting will be changed to factory default. Are you sure ?(Y/N) ",
                true};
    case Kind::Terminator:
        return {"frmTerminator", "Terminator", "Terminator Setting O.K.",
                "Current keyboard terminator setting will be changed to factory default. Are you "
                "sure ?(Y/N) ",
                false};
    case Kind::Magnetic:
        return {"frmMagnetic", "Magnetic Card :", "Magnetic Card Setting O.K.",
                "Current track order setting will be changed to factory default. Are you sure "
                "?(Y/N) ",
                false};
    case Kind::Amble:
        return {"frmAmble", "Preamble & Postamble", "Preamble or Postamble Data Setting O.K.",
                "Current preamble and postamble setting will be changed to factory default. Are "
                "you sure ?(Y/N) ",
                true, "Preamble & Postamble"};
    case Kind::Parameter:
        break;
    }
    return {"frmParameter", "General Parameter ", "General Parameter Setting O.K.",
            "Current general parameter setting will be changed to factory default. Are you sure "
            "?(Y/N) ",
            true};
}

std::unique_ptr<SettingPage> makePage(Kind kind, Session& session, Dialogs& dialogs) {
    switch (kind) {
    case Kind::Delay:
        return std::make_unique<InterCharDelayPage>(session, dialogs);
    case Kind::Language:
        return std::make_unique<LanguagePage>(session, dialogs);
    case Kind::Terminator:
        return std::make_unique<TerminatorPage>(session, dialogs);
    case Kind::Magnetic:
        return std::make_unique<MagneticPage>(session, dialogs);
    case Kind::Amble:
        return std::make_unique<AmblePage>(session, dialogs);
    case Kind::Parameter:
        break;
    }
    return std::make_unique<ParameterPage>(session, dialogs);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class SettingPageTest : public QObject {
    Q_OBJECT

    Session m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<SettingPage> m_page;

    SettingPage& page(Kind kind) {
        m_page = makePage(kind, m_session, m_dialogs);
        return *m_page;
    }
    void click(const char* name) {
        QTest::mouseClick(m_page->findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }

    static void everyPage() {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("delay") << Kind::Delay;
        QTest::newRow("language") << Kind::Language;
        QTest::newRow("terminator") << Kind::Terminator;
        QTest::newRow("parameter") << Kind::Parameter;
        QTest::newRow("magnetic card") << Kind::Magnetic;
        QTest::newRow("preamble and postamble") << Kind::Amble;
    }

private slots:
    void init() {
        m_session = Session{};
        m_dialogs = ScriptedDialogs{};
    }
    void cleanup() {
        m_page.reset();
        QCOMPARE(m_dialogs.unexpected, 0);
    }

    void openingChangesNothing_data() { everyPage(); }
    void openingChangesNothing() {
        QFETCH(Kind, kind);
        for (const bool changed : {false, true}) {
            m_session.image = patternImage(3);
            m_session.changed = changed;
            page(kind).activate();
            m_page->activate();
            QCOMPARE(m_session.image, patternImage(3));
            QCOMPARE(m_session.changed, changed);
        }
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void acceptWithoutChangeSetsTheFlag_data() { everyPage(); }
    void acceptWithoutChangeSetsTheFlag() {
        QFETCH(Kind, kind);
        m_session.image = shippedFactoryImage();
        page(kind).activate();
        click("Command1");
        QCOMPARE(m_dialogs.messages,
                 QList<Message>{Message{QString::fromUtf8(facts(kind).acceptMessage)}});
        QVERIFY(m_session.changed);
        QCOMPARE(m_session.image, shippedFactoryImage());
    }

    void defaultAnsweredNoChangesNothing_data() { everyPage(); }
    void defaultAnsweredNoChangesNothing() {
        QFETCH(Kind, kind);
        m_session.image = patternImage(1);
        page(kind).activate();
        m_dialogs.answer(Answer::No);
        click("Command2");
        const Message question{QString::fromUtf8(facts(kind).question),
                               QString::fromUtf8(facts(kind).questionTitle),
                               Icon::Information, Buttons::YesNo};
        QCOMPARE(m_dialogs.messages, QList<Message>{question});
        QCOMPARE(m_session.image, patternImage(1));
        QVERIFY(!m_session.changed);
    }

    void defaultAnsweredYesSetsTheFlagEvenOnFactoryValues_data() { everyPage(); }
    void defaultAnsweredYesSetsTheFlagEvenOnFactoryValues() {
        QFETCH(Kind, kind);
        m_session.image = shippedFactoryImage();
        page(kind).activate();
        m_dialogs.answer(Answer::Yes);
        click("Command2");
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY(m_session.changed);
        QCOMPARE(m_session.image, shippedFactoryImage());
    }

    void namesAndPlaces_data() { everyPage(); }
    void namesAndPlaces() {
        QFETCH(Kind, kind);
        SettingPage& p = page(kind);
        p.resize(twipsSize(8200, 6200));
        p.show();
        QCOMPARE(p.objectName(), QString::fromUtf8(facts(kind).objectName));
        QCOMPARE(p.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QString::fromUtf8(facts(kind).heading));
        auto* accept = p.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* factory = p.findChild<QPushButton*>(QStringLiteral("Command2"));
        QCOMPARE(accept->text(), QStringLiteral("Accept"));
        QCOMPARE(accept->accessibleName(), QStringLiteral("Accept"));
        QCOMPARE(factory->text(), QStringLiteral("Default"));
        QCOMPARE(factory->accessibleName(), QStringLiteral("Default"));
        if (facts(kind).fixedButtons) {
            QCOMPARE(accept->pos(), QPoint(twips(4480), twips(5200)));
            QCOMPARE(factory->pos(), QPoint(twips(6480), twips(5200)));
        }
        // Nothing of the page reaches outside it, nor covers a button.
        const auto inPage = [&p](QWidget* w) {
            return QRect(w->mapTo(&p, QPoint(0, 0)), w->size());
        };
        for (QWidget* w : p.findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            QVERIFY2(p.rect().contains(inPage(w)), qPrintable(w->objectName()));
            for (QPushButton* button : {accept, factory}) {
                if (w == button || w->isAncestorOf(button) || button->isAncestorOf(w))
                    continue;
                QVERIFY2(!inPage(w).intersects(inPage(button)), qPrintable(w->objectName()));
            }
        }
        // Tab reaches Accept after the page's own controls; only a fixed Default follows it.
        QList<QWidget*> chain;
        for (QWidget* w = p.nextInFocusChain(); w != &p; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible())
                chain.append(w);
        QCOMPARE(chain.indexOf(accept), chain.size() - (facts(kind).fixedButtons ? 2 : 1));
    }
};

QTEST_MAIN(SettingPageTest)
#include "test_setting_page.moc"
