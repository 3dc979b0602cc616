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

using namespace quorvel;

namespace {

const Message kNotFound{QStringLiteral("Device not found. Please plug in your device."),
                        QStringLiteral("Quorvel"), Icon::None, Buttons::Ok};

Message stop(const QString& text) {
    return {text, QStringLiteral("Quorvel"), Icon::Stop, Buttons::Ok};
}

QString notOpened(const QString& reason) {
    QString text =
        QStringLiteral("A card reader is plugged in, but it could not be opened: ") + reason;
#ifdef Q_OS_LINUX
    text += QStringLiteral("\n\nTo allow access to it, install the udev rule 70-quorvel.rules into "
                           "/etc/udev/rules.d, then unplug the reader and plug it in again.");
#endif
    return text;
}

} // namespace

class TransmitPageTest : public QObject {
    Q_OBJECT

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

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<Session>();
        m_session->image = patternImage(1);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_bus = std::make_unique<FakeHidBus>();
        m_bus->add(QStringLiteral("reader"), 0x10C4, 0x890C);
        m_runner = std::make_unique<FakeCompanionRunner>();
    }
    void cleanup() {
        m_page.reset();
        QCOMPARE(m_dialogs->unexpected, 0);
    }

    void controlsAndCaptions() {
        page();
        QCOMPARE(m_page->objectName(), QStringLiteral("frmTransmit"));
        QCOMPARE(m_page->findChild<QLabel*>("Label1")->text(), QStringLiteral("Transmit :"));
        QCOMPARE(m_page->findChild<QLabel*>("Label5")->text(),
                 QStringLiteral("Transmit settings from USB interface:"));
        for (const char* name : {"Command3", "Command1"}) {
            QPushButton* b = button(name);
            QVERIFY(b);
            QCOMPARE(b->text(), QStringLiteral("Transmit"));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
            QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Transmit"));
            QCOMPARE(a->state().disabled, qstrcmp(name, "Command1") == 0);
        }
        QVERIFY(button("Command3")->isEnabled());
        QVERIFY(!button("Command1")->isEnabled());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void presenceCheck_data() {
        QTest::addColumn<QStringList>("interfaces"); // "path vid pid", "x" = cannot be opened
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<QStringList>("open");
        QTest::newRow("reader present") << QStringList{"kbd 046D C31C x", "r 10C4 890C"}
                                        << QList<Message>{} << QStringList{"r"};
        QTest::newRow("no HID device")
            << QStringList{} << QList<Message>{kNotFound} << QStringList{};
        QTest::newRow("other devices only")
            << QStringList{"kbd 046D C31C x", "v 10C4 EA60", "p 1234 890C"}
            << QList<Message>{kNotFound} << QStringList{};
        QTest::newRow("reader that cannot be opened")
            << QStringList{"r 10C4 890C x"}
            << QList<Message>{stop(notOpened(QStringLiteral("Permission denied (r)")))}
            << QStringList{};
    }
    void presenceCheck() {
        QFETCH(QStringList, interfaces);
        QFETCH(QList<Message>, messages);
        QFETCH(QStringList, open);
        m_bus->entries.clear();
        for (const QString& line : interfaces) {
            const QStringList f = line.split(QLatin1Char(' '));
            m_bus->add(f[0], static_cast<unsigned short>(f[1].toUInt(nullptr, 16)),
                       static_cast<unsigned short>(f[2].toUInt(nullptr, 16)), f.size() < 4);
        }
        m_dialogs->answers.assign(static_cast<std::size_t>(messages.size()), Answer::Ok);

        page();
        m_page->activate();
        m_page->activate();
        QCoreApplication::processEvents();

        QCOMPARE(m_dialogs->messages, messages);
        QCOMPARE(m_bus->enumerations, 1);
        QCOMPARE(m_bus->stillOpen(), open);
        m_page.reset();
        QCOMPARE(m_bus->stillOpen(), QStringList{});
        QCOMPARE(m_bus->closes, open);
    }

    void transmitWritesTheFileAndRunsTheCompanionEachTime() {
        m_session->setByte(127, 0x01);
        m_session->changed = false;
        page();
        const QByteArray expected = [&] {
            SettingsImage image = patternImage(1);
            image[127] = 0x80;
            return transferText(image);
        }();
        QString busyText;
        bool busyModal = false;
        m_runner->whileRunning = [&] {
            auto* busy = qobject_cast<BusyIndicator*>(QApplication::activeModalWidget());
            busyModal = busy && busy->isVisible() && busy->windowModality() == Qt::ApplicationModal;
            busyText = busy ? busy->text() : QString();
        };

        QTest::mouseClick(button("Command3"), Qt::LeftButton);

        QVERIFY(busyModal);
        QCOMPARE(busyText, QStringLiteral("Transmitting settings…"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(m_runner->runs, 1);
        QCOMPARE(m_runner->programs, QStringList{"Hoplink.exe"});
        QCOMPARE(m_runner->folders, QStringList{m_dir->path()});
        QCOMPARE(m_runner->transferTexts.value(0), expected);
        QCOMPARE(fileContent(transferPath()), expected);
        QCOMPARE(m_session->byte(127), 0x80);
        QVERIFY(!m_session->changed);
        QVERIFY(m_dialogs->messages.isEmpty());

        // Every click writes the file afresh and runs the companion again.
        m_session->setByte(0, 0xAB);
        m_session->changed = true;
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(m_runner->runs, 2);
        QVERIFY(fileContent(transferPath()).startsWith("AB"));
        QVERIFY(m_session->changed);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void transmitWithoutReaderStillTransmits() {
        m_bus->entries.clear();
        m_dialogs->answer(Answer::Ok);
        page();
        QCOMPARE(m_dialogs->messages, QList<Message>{kNotFound});
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(m_runner->runs, 1);
        QVERIFY(QFile::exists(transferPath()));
        QCOMPARE(m_dialogs->messages.size(), 1);
    }

    void aFailureIsReportedAfterTheBusyIndicatorHasGone() {
        m_runner->result = {CompanionRun::Outcome::Crashed, QStringLiteral("/opt/Hoplink.exe"),
                            QStringLiteral("Process crashed"), 11};
        m_session->changed = true;
        page();
        m_dialogs->answer(Answer::Ok);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages,
                 QList<Message>{stop(QStringLiteral("The companion program /opt/Hoplink.exe ended "
                                                    "abnormally: Process crashed (code 11)."))});
        QCOMPARE(m_session->byte(127), 0x80);
        QVERIFY(m_session->changed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void withoutAFolderTheCurrentDirectoryIsUsed() {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_page = std::make_unique<TransmitPage>(*m_session, *m_dialogs, *m_bus, *m_runner);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QDir::setCurrent(before);
        QCOMPARE(m_runner->folders, QStringList{QDir(m_dir->path()).absolutePath()});
        QCOMPARE(fileContent(transferPath()).size(), 258);
    }

    void fromTheMenu() {
        m_bus->entries.clear();
        m_session->factoryFile = m_dir->filePath(QStringLiteral("Default.mag"));
        QFile::copy(shippedFactoryFile(), m_session->factoryFile);
        auto window = startUp(*m_session, *m_dialogs);
        QVERIFY(window);
        window->registerPage(3, 1, [&] {
            return new TransmitPage(*m_session, *m_dialogs, *m_bus, *m_runner, m_dir->path());
        });
        window->show();
        VerticalMenu* menu = window->menuWindow()->menu();
        menu->setOpenGroup(3);
        m_dialogs->answer(Answer::Ok);

        QTest::mouseClick(menu->itemButton(3, 1), Qt::LeftButton);
        QTRY_COMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages.front(), kNotFound);

        QMdiSubWindow* sub = window->existingPageWindow(3, 1);
        QVERIFY(sub);
        auto* transmit = qobject_cast<TransmitPage*>(sub->widget());
        QVERIFY(transmit);
        const QRect menuRect = window->menuSubWindow()->geometry();
        QCOMPARE(sub->geometry(), QRect(menuRect.right() + 1, menuRect.top(),
                                        window->innerSize().width() - menuRect.width(),
                                        window->innerSize().height()));

        // Shown again: no second search, no second warning.
        QTest::mouseClick(menu->itemButton(3, 1), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_bus->enumerations, 1);

        QTest::mouseClick(transmit->findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QCOMPARE(m_runner->runs, 1);
        QCOMPARE(m_session->byte(127), 0x80);
        QVERIFY(!m_session->changed);
        window.reset();
    }
};

QTEST_MAIN(TransmitPageTest)
#include "test_transmit_page.moc"
