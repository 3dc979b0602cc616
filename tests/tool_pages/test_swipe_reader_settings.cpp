#include "swipe_page_driver.h"

#include "core/image/setting_fields.h"
#include "drawer_reader.h"
#include "shell/table_view.h"
#include "test_files.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace quorvel;

class SwipeReaderSettingsTest : public QObject, SwipePageDriver {
    Q_OBJECT

    QListWidget* told(const SwipeTestPage& page) {
        return page.findChild<QListWidget*>(QStringLiteral("ReaderSettings"));
    }
    QPushButton* use(const SwipeTestPage& page) {
        return page.findChild<QPushButton*>(QStringLiteral("UseReaderSettings"));
    }

private slots:
    void init() {
        m_f = std::make_unique<ShellFixture>();
        m_now = 0;
    }
    void cleanup() { m_f.reset(); }

    void tellsWhatTheReaderIsSetToAndTakesIt() {
        SwipeTestPage& page = startOnThePage();
        QCOMPARE(told(page)->accessibleName(), QStringLiteral("What this reader is set to"));
        QCOMPARE(use(page)->text(), QStringLiteral("Use the reader's settings"));
        QVERIFY(!use(page)->isEnabled());
        sendAsX11(page, readerKeys(drawerReader(), kThreeTrackCard).keys);
        // Read once the keys pause.
        QVERIFY(told(page)->count() == 0);
        QTRY_VERIFY(told(page)->count() > 0);

        const QStringList lines = texts(told(page));
        const QString order = QStringLiteral(
            "≠ Magnetic Card: Track Order: 2-1-3 (the tracks came in the order 2, 1, "
            "3)\n    also fits: 3-1-2");
        QVERIFY2(lines.contains(order), qPrintable(lines.join(u'\n')));
        QVERIFY(lines.contains(
            QStringLiteral("= Magnetic Card: Track 1 Start Sentinel: % (&H25) (the first "
                           "character of track 1)")));
        QVERIFY(
            lines.at(lines.size() - 2).startsWith(QStringLiteral("Cannot be told from a swipe: ")));
        QCOMPARE(
            lines.last(),
            QStringLiteral("Pauses between characters: median 8 ms (Intercharacter Delay: Start "
                           "Keyboard Setting is 5 in these settings)"));
        for (const QString& line : lines)
            QVERIFY(!line.contains(QStringLiteral("4111")) &&
                    !line.contains(QStringLiteral("DOE")));
        QVERIFY(use(page)->isEnabled());

        // No changes nothing; Yes takes every change the list named.
        m_f->dialogs.answer(Answer::No);
        QTest::mouseClick(use(page), Qt::LeftButton);
        QCOMPARE(m_f->session.image, shippedFactoryImage());
        QVERIFY(!m_f->session.changed);
        const Message asked = m_f->dialogs.messages.last();
        QCOMPARE(asked.title, QStringLiteral("Quorvel"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QVERIFY2(asked.text.startsWith(
                     QStringLiteral("Change these settings to what the reader is set to?\n\n")),
                 qPrintable(asked.text));
        QVERIFY2(asked.text.contains(QStringLiteral("Magnetic Card: Track Order: 1-2-3 → 2-1-3")),
                 qPrintable(asked.text));

        m_f->dialogs.answer(Answer::Yes);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(use(page));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(m_f->session.changed); // the press is an animated click
        QCOMPARE(m_f->dialogs.messages.size(), 2);
        QCOMPARE(m_f->dialogs.messages.last(), asked);
        QCOMPARE(m_f->session.image, drawerReader());
        QTableWidget* grid = m_f->window->tableView()->grid();
        QCOMPARE(grid->item(2, 0)->text(),
                 QStringLiteral("82"));   // byte 32: order 2 with the LRC bit
        QVERIFY(!use(page)->isEnabled()); // nothing differs any more
        QCOMPARE(m_f->dialogs.unexpected, 0);
    }
};

QTEST_MAIN(SwipeReaderSettingsTest)
#include "test_swipe_reader_settings.moc"
