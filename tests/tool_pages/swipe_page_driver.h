#pragma once

// What the Swipe Test page's tests share: the program started on the page, and keys sent to
// it as X11 delivers them.

#include "shell_fixture.h"

#include "shell/page_catalog.h"
#include "tool_pages/swipe_capture.h"
#include "tool_pages/swipe_test_page.h"

#include <QListWidget>
#include <QMdiSubWindow>
#include <QtTest>

namespace quorvel {

inline QStringList texts(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

class SwipePageDriver {
protected:
    std::unique_ptr<ShellFixture> m_f;
    // Each key takes 8 ms; a test jumps ahead for a pause.
    qint64 m_now = 0;

    SwipeTestPage& startOnThePage() {
        MainWindow& window = m_f->start();
        window.registerPage(MenuId::SwipeTest, [this, &window] {
            auto* page =
                new SwipeTestPage(m_f->session, m_f->dialogs, [this] { return m_now += 8; });
            connectSwipeTestPage(window, *page);
            return page;
        });
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("main window did not become active");
        m_f->clickMenu(MenuId::SwipeTest);
        return *qobject_cast<SwipeTestPage*>(
            window.existingPageWindow(MenuId::SwipeTest)->widget());
    }

    // Key events as X11 delivers them, with scan codes (evdev + 8) and native modifiers.
    static void sendAsX11(SwipeTestPage& page, const QList<KeyPress>& keys) {
        for (const KeyPress& key : keys) {
            quint32 native = 0;
            native |= key.state.testFlag(KeyState::Shift) ? 0x01 : 0;
            native |= key.state.testFlag(KeyState::CapsLock) ? 0x02 : 0;
            native |= key.state.testFlag(KeyState::Control) ? 0x04 : 0;
            native |= key.state.testFlag(KeyState::Alt) ? 0x08 : 0;
            native |= key.state.testFlag(KeyState::NumLock) ? 0x10 : 0;
            native |= key.state.testFlag(KeyState::AltGr) ? 0x80 : 0;
            QKeyEvent event(QEvent::KeyPress, key.key, key.modifiers, quint32(key.position + 8), 0,
                            native, key.text);
            QApplication::sendEvent(page.capture(), &event);
        }
    }

    static QListWidget* swipes(const SwipeTestPage& page) {
        return page.findChild<QListWidget*>(QStringLiteral("Swipes"));
    }
    static QListWidget* checks(const SwipeTestPage& page) {
        return page.findChild<QListWidget*>(QStringLiteral("SwipeChecks"));
    }
};

} // namespace quorvel
