#include "x11_keys.h"

#include "core/keyboard/keyboard_layout.h"
#include "core/session.h"
#include "scripted_dialogs.h"
#include "test_files.h"
#include "tool_pages/active_keyboard_layout.h"
#include "tool_pages/swipe_capture.h"
#include "tool_pages/swipe_test_page.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(std::optional<XkbLayoutName>)

namespace {

enum Language { US = 0, GERMANY = 3 };

const QString kFrame =
    QStringLiteral("%B4111111111111111^DOE/JOHN^2512101?;4111111111111111=2512101?");
constexpr int kEnterPosition = 28;

} // namespace

// Under a real X server (xvfb-run): the layout setxkbmap gives and the group
// locked are what the Swipe Test reads, and a reader's keys pressed by key code
// reach it through the server's keymap, Caps Lock included.
class SwipeOnX11Test : public QObject {
    Q_OBJECT

    X11Keys m_keys;

    static void setLayout(const QStringList& arguments) {
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), arguments), 0);
    }

    // Each character at the key and level the reader's layout gives it.
    void type(int reader, const QString& text) {
        const KeyboardLayout& layout = *KeyboardLayout::ofLanguage(reader);
        for (const QChar c : text) {
            const std::optional<KeyboardLayout::Stroke> stroke = layout.strokeFor(c.unicode());
            QVERIFY(stroke);
            m_keys.press(stroke->position, stroke->state.testFlag(KeyState::Shift),
                         stroke->state.testFlag(KeyState::AltGr));
            if (stroke->viaDeadKey)
                m_keys.press(kSpacePosition, false, false);
        }
        m_keys.press(kEnterPosition, false, false);
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display; the test runs under xvfb-run");
        QVERIFY(m_keys.isOpen());
    }
    void cleanup() {
        m_keys.lockCaps(false);
        m_keys.lockGroup(0);
    }

    void layoutRead_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("group");
        QTest::addColumn<std::optional<XkbLayoutName>>("layout");
        QTest::newRow("ch") << QStringList{"ch"} << 0 << std::optional(XkbLayoutName{"ch", ""});
        QTest::newRow("de,ch(fr) first group") << QStringList{"-layout", "de,ch", "-variant", ",fr"}
                                               << 0 << std::optional(XkbLayoutName{"de", ""});
        QTest::newRow("de,ch(fr) second group")
            << QStringList{"-layout", "de,ch", "-variant", ",fr"} << 1
            << std::optional(XkbLayoutName{"ch", "fr"});
    }
    void layoutRead() {
        QFETCH(QStringList, arguments);
        QFETCH(int, group);
        QFETCH(std::optional<XkbLayoutName>, layout);
        setLayout(arguments);
        m_keys.lockGroup(group);
        QCOMPARE(activeKeyboardLayout(), layout);
    }

    void swipeTypedByKeyCode_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("capsLock");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("offered");
        const QString swiss =
            QStringLiteral("✗ Keyboard language: the reader types for U.S., this computer's keys "
                           "match SWISS (GERMANY and SWEDEN/FINLAND type these keys alike); '^' "
                           "arrived as '&' (key 19); '=' is a dead key on this layout");
        QTest::newRow("U.S. reader on ch")
            << int(US) << QStringList{"ch"} << 0 << false << swiss << "DOE-JOHN&"
            << "SWISS";
        QTest::newRow("U.S. reader on de,ch, second group")
            << int(US) << QStringList{"-layout", "de,ch"} << 1 << false << swiss << "DOE-JOHN&"
            << "SWISS";
        QTest::newRow("U.S. reader on se") << int(US) << QStringList{"se"} << 0 << false
                                           << "✗ Keyboard language: the reader types for U.S., "
                                              "this computer's keys match SWEDEN/FINLAND "
                                              "(GERMANY and SWISS type these keys alike); '^' "
                                              "arrived as '&' (key 19); '=' is a dead key on "
                                              "this layout"
                                           << "DOE-JOHN&"
                                           << "SWEDEN/FINLAND";
        QTest::newRow("GERMANY reader on gb")
            << int(GERMANY) << QStringList{"gb"} << 0 << false
            << "✗ Keyboard language: the reader types for GERMANY, this computer's keys match U.K. "
               "(U.S. and "
               "POLAND type these keys alike); '^' arrived as '`[Space]' (key 19)"
            << "DOE&JOHN"
            << "U.K.";
        QTest::newRow("U.S. reader on fr, Caps Lock on")
            << int(US) << QStringList{"fr"} << 0 << true
            << "✗ Keyboard language: the reader types for U.S., this computer's keys match FRANCE; "
               "'%' arrived "
               "as '5' (key 1)"
            << "doe!john6É(&É&À&§M'"
            << "FRANCE";
        QTest::newRow("U.S. reader on it, Caps Lock on")
            << int(US) << QStringList{"it"} << 0 << true
            << "✗ Keyboard language: the reader types for U.S., this computer's keys match ITALY; "
               "'^' arrived "
               "as '&' (key 19)"
            << "doe-john&2512101_Ò"
            << "ITALY";
        QTest::newRow("U.S. reader on ch, Caps Lock on")
            << int(US) << QStringList{"ch"} << 0 << true << swiss << "doe-john&2512101_Ö"
            << "SWISS";
    }
    void swipeTypedByKeyCode() {
        QFETCH(int, reader);
        QFETCH(QStringList, arguments);
        QFETCH(int, group);
        QFETCH(bool, capsLock);
        QFETCH(QString, line);
        QFETCH(QString, received);
        QFETCH(QString, offered);
        Session session;
        session.image = shippedFactoryImage();
        session.image.at(48) = static_cast<std::uint8_t>(reader);
        ScriptedDialogs dialogs;
        SwipeTestPage page(session, dialogs);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.activate();
        QTRY_VERIFY(page.capture()->hasFocus());

        setLayout(arguments);
        m_keys.lockGroup(group);
        m_keys.lockCaps(capsLock);
        type(reader, kFrame);

        auto* swipes = page.findChild<QListWidget*>(QStringLiteral("Swipes"));
        auto* checks = page.findChild<QListWidget*>(QStringLiteral("SwipeChecks"));
        QTRY_COMPARE(swipes->count(), 1);
        QTRY_VERIFY(swipes->item(0)->text().contains(QStringLiteral("[Enter]\n")));
        QVERIFY2(swipes->item(0)->text().contains(received), qPrintable(swipes->item(0)->text()));
        QCOMPARE(checks->item(0)->text(), line);
        QCOMPARE(page.findChild<QPushButton*>(QStringLiteral("UseLanguage"))->text(),
                 QStringLiteral("Use %1 for the reader").arg(offered));
    }
};

QTEST_MAIN(SwipeOnX11Test)
#include "test_swipe_on_x11.moc"
