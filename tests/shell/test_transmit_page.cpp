// The Transmit page: its controls, the reader's presence and status, and the way from the menu.
#include "transmit_page_fixture.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::transmit_tests;

class TransmitPageTest : public QObject, private TransmitPageFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void cleanup() { tearDown(); }

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
