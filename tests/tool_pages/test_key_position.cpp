#include "tool_pages/key_position.h"

#include <QKeyEvent>
#include <QtTest>

using namespace quorvel;

class KeyPositionTest : public QObject {
    Q_OBJECT
private slots:
    void positions_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("position");
        QTest::newRow("X11 A") << "xcb" << 38u << 30;
        QTest::newRow("Wayland Space") << "wayland" << 65u << 57;
        QTest::newRow("offscreen ISO key") << "offscreen" << 94u << 86;
        QTest::newRow("X11 no code") << "xcb" << 0u << kNoPosition;
        QTest::newRow("Windows A") << "windows" << 0x1Eu << 30;
        QTest::newRow("Windows ISO key") << "windows" << 0x56u << 86;
        QTest::newRow("Windows JIS Ro") << "windows" << 0x73u << 89;
        QTest::newRow("Windows JIS Yen") << "windows" << 0x7Du << 124;
        QTest::newRow("Windows keypad Enter") << "windows" << 0x11Cu << 96;
        QTest::newRow("Windows right Alt") << "windows" << 0x138u << 100;
        QTest::newRow("Windows unknown") << "windows" << 0x7Fu << kNoPosition;
        QTest::newRow("macOS reports none") << "cocoa" << 30u << kNoPosition;
    }
    void positions() {
        QFETCH(QString, platform);
        QFETCH(uint, scanCode);
        QFETCH(int, position);
        QCOMPARE(KeyPosition::position(platform, scanCode), position);
    }

    void states_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<uint>("native");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("state");
        const int shift = int(KeyState::Shift);
        QTest::newRow("X11 Shift Lock") << "xcb" << 0x03u << 0 << (shift | int(KeyState::CapsLock));
        QTest::newRow("X11 AltGr") << "xcb" << 0x80u << 0 << int(KeyState::AltGr);
        QTest::newRow("X11 Alt with Num Lock")
            << "xcb" << 0x18u << 0 << int(KeyState::Alt | KeyState::NumLock);
        QTest::newRow("X11 Control") << "xcb" << 0x04u << 0 << int(KeyState::Control);
        QTest::newRow("no native state, Qt's Shift")
            << "offscreen" << 0u << int(Qt::ShiftModifier) << shift;
        QTest::newRow("Windows right Shift") << "windows" << 0x10u << 0 << shift;
        QTest::newRow("Windows AltGr is left Ctrl and right Alt")
            << "windows" << 0x42u << 0 << int(KeyState::AltGr);
        QTest::newRow("Windows left Alt") << "windows" << 0x04u << 0 << int(KeyState::Alt);
        QTest::newRow("Windows Caps Lock") << "windows" << 0x100u << 0 << int(KeyState::CapsLock);
    }
    void states() {
        QFETCH(QString, platform);
        QFETCH(uint, native);
        QFETCH(int, modifiers);
        QFETCH(int, state);
        QCOMPARE(int(KeyPosition::state(platform, native, Qt::KeyboardModifiers(modifiers))),
                 state);
    }

    void pressTakesTheEventsTime() {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, 38, 0x61, 0x01,
                        QStringLiteral("A"));
        event.setTimestamp(12345);
        const KeyPress press = KeyPosition::pressOf(event, 7);
        QCOMPARE(press.timeMs, 12345);
        QCOMPARE(press.position, 30);
        QCOMPARE(press.state, KeyStates(KeyState::Shift));
        QCOMPARE(press.text, QStringLiteral("A"));
        QKeyEvent untimed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCOMPARE(KeyPosition::pressOf(untimed, 7).timeMs, 7);
    }
};

QTEST_MAIN(KeyPositionTest)
#include "test_key_position.moc"
