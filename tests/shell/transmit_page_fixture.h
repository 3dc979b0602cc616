#pragma once

// What the test programs of the Transmit page share: the page on a fake bus and companion,
// and the texts it shows about readers.

#include "core/menu_table.h"
#include "core/session.h"
#include "device/transfer_file.h"
#include "fake_companion_runner.h"
#include "fake_hid_bus.h"
#include "scripted_dialogs.h"
#include "shell/busy_indicator.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "shell/transmit_page.h"
#include "test_files.h"
#include "ui/vertical_menu.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(quorvel::Answer)

namespace quorvel::transmit_tests {

inline const Message kNotFound{QStringLiteral("Device not found. Please plug in your device."),
                               QStringLiteral("Quorvel"), Icon::None, Buttons::Ok};

inline Message stop(const QString& text) {
    return {text, QStringLiteral("Quorvel"), Icon::Stop, Buttons::Ok};
}

// What both texts about a reader that cannot be opened end with, where udev gives access.
inline QString udevAdvice() {
#ifdef Q_OS_LINUX
    return QStringLiteral(
        "\n\nThe Quorvel package installs the udev rule /usr/lib/udev/rules.d/70-quorvel.rules, "
        "which gives the person at the machine access to the reader (without the package, copy "
        "70-quorvel.rules to /etc/udev/rules.d). Then run \"sudo udevadm control --reload\" and "
        "plug the reader in again. The rule does not cover a session without a seat, such as one "
        "over ssh.");
#else
    return {};
#endif
}

inline QString notOpened(const QString& reason) {
    return QStringLiteral("A card reader is plugged in, but it could not be opened: ") + reason +
           udevAdvice();
}

inline QString cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Reader found but it cannot be opened\nPath: %1\nReason: %2")
               .arg(path, reason) +
           udevAdvice();
}

// "path vid pid [x] [serial]": x = cannot be opened.
inline void fill(FakeHidBus& bus, const QStringList& interfaces) {
    bus.entries.clear();
    for (const QString& line : interfaces) {
        QStringList f = line.split(QLatin1Char(' '));
        const bool openable = f.value(3) != QLatin1String("x");
        if (!openable)
            f.removeAt(3);
        bus.add(f[0], static_cast<unsigned short>(f[1].toUInt(nullptr, 16)),
                static_cast<unsigned short>(f[2].toUInt(nullptr, 16)), openable, f.value(3));
    }
}

// A Transmit page of its own for each test: a session, scripted dialogs, a bus with one
// reader and a fake companion, in a folder of its own.
class TransmitPageFixture {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeHidBus> m_bus;
    std::unique_ptr<FakeCompanionRunner> m_runner;
    std::unique_ptr<TransmitPage> m_page;

    TransmitPage& page() {
        m_page = std::make_unique<TransmitPage>(*m_session, *m_dialogs, *m_bus, *m_runner,
                                                m_dir->path());
        QCoreApplication::processEvents();
        return *m_page;
    }
    QPushButton* button(const char* name) const {
        return m_page->findChild<QPushButton*>(QLatin1String(name));
    }
    QString transferPath() const { return m_dir->filePath(QStringLiteral("usbData.txt")); }

    void setUp() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<Session>();
        m_session->image = patternImage(1);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_bus = std::make_unique<FakeHidBus>();
        m_bus->add(QStringLiteral("reader"), 0x10C4, 0x890C);
        m_runner = std::make_unique<FakeCompanionRunner>();
    }
    void tearDown() {
        m_page.reset();
        QCOMPARE(m_dialogs->unexpected, 0);
    }
};

} // namespace quorvel::transmit_tests
