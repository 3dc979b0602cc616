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

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::Answer)

namespace {

const Message kNotFound{QStringLiteral("Device not found. Please plug in your device."),
                        QStringLiteral("Quorvel"), Icon::None, Buttons::Ok};

Message stop(const QString& text) {
    return {text, QStringLiteral("Quorvel"), Icon::Stop, Buttons::Ok};
}

// What both texts about a reader that cannot be opened end with, where udev gives access.
QString udevAdvice() {
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

QString notOpened(const QString& reason) {
    return QStringLiteral("A card reader is plugged in, but it could not be opened: ") + reason + udevAdvice();
}

QString cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Reader found but it cannot be opened\nPath: %1\nReason: %2").arg(path, reason) +
           udevAdvice();
}

// "path vid pid [x] [serial]": x = cannot be opened.
void fill(FakeHidBus& bus, const QStringList& interfaces) {
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
        fill(*m_bus, interfaces);
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

    void readerStatus_data() {
        QTest::addColumn<QStringList>("interfaces");
        QTest::addColumn<QString>("status");
        QTest::newRow("attached") << QStringList{"kbd 046D C31C x", "/dev/hidraw4 10C4 890C SN-7"}
                                  << "Reader attached\nPath: /dev/hidraw4\nSerial number: SN-7";
        QTest::newRow("attached, no serial number")
            << QStringList{"/dev/hidraw2 10C4 890C"}
            << "Reader attached\nPath: /dev/hidraw2\nSerial number: (none)";
        QTest::newRow("the first that can be opened")
            << QStringList{"/dev/hidraw1 10C4 890C x", "/dev/hidraw2 10C4 890C S2"}
            << "Reader attached\nPath: /dev/hidraw2\nSerial number: S2";
        QTest::newRow("nothing") << QStringList{} << "No reader attached";
        QTest::newRow("cannot be opened")
            << QStringList{"/dev/hidraw1 10C4 890C x", "/dev/hidraw3 10C4 890C x"}
            << cannotOpen("/dev/hidraw1", "Permission denied (/dev/hidraw1)");
    }
    void readerStatus() {
        QFETCH(QStringList, interfaces);
        QFETCH(QString, status);
        auto label = [&] { return m_page->findChild<QLabel*>("ReaderStatus"); };

        // Told at creation from the search...
        fill(*m_bus, interfaces);
        m_dialogs->answers.assign(2, Answer::Ok);
        page();
        QCOMPARE(m_page->statusText(), status);
        QCOMPARE(label()->textFormat(), Qt::PlainText);
        QCOMPARE(QAccessible::queryAccessibleInterface(label())->text(QAccessible::Name), status);

        // ...and by the refresh, after the reader came or went, without opening anything.
        m_page.reset();
        m_bus->entries.clear();
        m_dialogs->answer(Answer::Ok);
        page().show();
        QCOMPARE(m_page->statusText(), QStringLiteral("No reader attached"));
        fill(*m_bus, interfaces);
        const QStringList opened = m_bus->opens;
        m_page->refreshStatus();
        QCOMPARE(m_page->statusText(), status);
        QCOMPARE(m_bus->opens, opened);
        m_dialogs->answers.clear();
    }

    void statusIsRefreshedOnlyWhileShown() {
        page();
        const QTimer& timer = m_page->statusTimer();
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.interval(), 2000);

        m_page->show();
        QVERIFY(timer.isActive());
        QCOMPARE(m_bus->enumerations, 1); // the creation's search is still news

        m_page->hide();
        QVERIFY(!timer.isActive());
        m_bus->entries.clear();
        m_page->refreshStatus();
        QCOMPARE(m_bus->enumerations, 1);
        QVERIFY(m_page->statusText().startsWith(QStringLiteral("Reader attached")));

        m_page->show();
        QVERIFY(timer.isActive());
        QCOMPARE(m_bus->enumerations, 2);
        QCOMPARE(m_page->statusText(), QStringLiteral("No reader attached"));
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
                 QList<Message>{stop(QStringLiteral("The companion program /opt/Hoplink.exe was "
                                                    "ended by signal 11 (SIGSEGV)."))});
        QCOMPARE(m_session->byte(127), 0x80);
        QVERIFY(m_session->changed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A normal end shows no box, but the page says how each transmission ended.
    void theOutcomeLineTellsHowItEnded_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line");
        QTest::newRow("status 0") << 0 << "Companion program ended normally at ";
        QTest::newRow("status 7") << 7 << "Companion program ended with status 7 at ";
    }
    void theOutcomeLineTellsHowItEnded() {
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        m_runner->result.exitCode = exitCode;
        TransmitPage& p = page();
        QCOMPARE(p.outcomeText(), QString());
        if (exitCode != 0)
            m_dialogs->answer(Answer::Ok);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(line) + QStringLiteral("\\d\\d:\\d\\d:\\d\\d$"))
                     .match(p.outcomeText()).hasMatch(), qPrintable(p.outcomeText()));
        QCOMPARE(m_dialogs->messages.size(), exitCode == 0 ? 0 : 1);
    }

    // The busy box's Stop asks first; Yes ends the companion, No lets it run on.
    void theBusyBoxStopsTheCompanionOnlyWhenConfirmed_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("how"); // "mouse", "Space", "Enter" or "Press"
        QTest::addColumn<QString>("line");
        QTest::newRow("Yes by mouse") << Answer::Yes << "mouse" << "Companion program was stopped at ";
        QTest::newRow("Yes by Space") << Answer::Yes << "Space" << "Companion program was stopped at ";
        QTest::newRow("Yes by Enter") << Answer::Yes << "Enter" << "Companion program was stopped at ";
        QTest::newRow("Yes by Press") << Answer::Yes << "Press" << "Companion program was stopped at ";
        QTest::newRow("No") << Answer::No << "Press" << "Companion program ended normally at ";
    }
    void theBusyBoxStopsTheCompanionOnlyWhenConfirmed() {
        QFETCH(Answer, answer);
        QFETCH(QString, how);
        QFETCH(QString, line);
        TransmitPage& p = page();
        bool reachedByTab = false;
        m_runner->whileRunning = [&] {
            auto* busy = qobject_cast<BusyIndicator*>(QApplication::activeModalWidget());
            QVERIFY(busy);
            auto* stopButton = busy->findChild<QPushButton*>(QStringLiteral("BusyStop"));
            QVERIFY(stopButton);
            QCOMPARE(stopButton->text(), QStringLiteral("Stop"));
            QCOMPARE(stopButton->accessibleName(), QStringLiteral("Stop"));
            reachedByTab = stopButton->focusPolicy() & Qt::TabFocus;
            m_dialogs->answer(answer);
            if (how == QLatin1String("mouse")) {
                QTest::mouseClick(stopButton, Qt::LeftButton);
            } else if (how == QLatin1String("Press")) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(stopButton);
                a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            } else {
                stopButton->setFocus();
                QTest::keyClick(stopButton, how == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return);
            }
            // The accessible press clicks a moment later, as the runner's loop turns.
            QTRY_COMPARE(m_dialogs->messages.size(), 1);
        };
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(reachedByTab);
        const Message question{QStringLiteral("Stop the companion program? The reader may not "
                                              "have received all of the settings."),
                               QStringLiteral("Quorvel"), Icon::None, Buttons::YesNo};
        QCOMPARE(m_dialogs->messages, QList<Message>{question}); // no box after a stop
        QCOMPARE(m_runner->stopRequests, answer == Answer::Yes ? 1 : 0);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(line) + QStringLiteral("\\d\\d:\\d\\d:\\d\\d$"))
                     .match(p.outcomeText()).hasMatch(), qPrintable(p.outcomeText()));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(button("Command3")->isEnabled());
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
        window->registerPage(MenuId::Transmit, [&] {
            return new TransmitPage(*m_session, *m_dialogs, *m_bus, *m_runner, m_dir->path());
        });
        window->show();
        VerticalMenu* menu = window->menuWindow()->menu();
        const MenuEntry& item = menuEntry(MenuId::Transmit);
        menu->setOpenGroup(item.group);
        m_dialogs->answer(Answer::Ok);

        QTest::mouseClick(menu->itemButton(item.group, item.item), Qt::LeftButton);
        QTRY_COMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages.front(), kNotFound);

        QMdiSubWindow* sub = window->existingPageWindow(MenuId::Transmit);
        QVERIFY(sub);
        auto* transmit = qobject_cast<TransmitPage*>(sub->widget());
        QVERIFY(transmit);
        const QRect menuRect = window->menuSubWindow()->geometry();
        QCOMPARE(sub->geometry(), QRect(menuRect.right() + 1, menuRect.top(),
                                        window->innerSize().width() - menuRect.width(),
                                        window->innerSize().height()));

        // Shown again: no second search, no second warning.
        QTest::mouseClick(menu->itemButton(item.group, item.item), Qt::LeftButton);
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
