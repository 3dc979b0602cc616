#include "swipe_page_driver.h"

#include "core/image/setting_fields.h"
#include "shell/page_catalog.h"
#include "tool_pages/swipe_capture.h"
#include "tool_pages/swipe_test_page.h"
#include "typed_keys.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

using namespace quorvel;

namespace {

const QString kCard = QStringLiteral("%B4111111111111111^DOE/J^2512?;4111111111111111=2512?");
const QString kMaskedCard = QStringLiteral("%B411111••••••1111^DOE/J^2512?;411111••••••1111=2512?");

} // namespace

class SwipeTestPageTest : public QObject, SwipePageDriver {
    Q_OBJECT

private slots:
    void init() {
        m_f = std::make_unique<ShellFixture>();
        m_now = 0;
    }
    void cleanup() { m_f.reset(); }

    void swipeCheckedAndMasked() {
        SwipeTestPage& page = startOnThePage();
        SwipeCapture* capture = page.capture();
        QCOMPARE(capture->accessibleName(), QStringLiteral("Swipe capture"));
        QCOMPARE(swipes(page)->accessibleName(), QStringLiteral("Swipes"));
        QCOMPARE(checks(page)->accessibleName(), QStringLiteral("Swipe checks"));
        QCOMPARE(QApplication::focusWidget(), capture);
        const SettingsImage image = m_f->session.image;

        QTest::keyClicks(capture, kCard);
        QTest::keyClick(capture, Qt::Key_Return);
        QCOMPARE(swipes(page)->count(), 1);
        QCOMPARE(swipes(page)->item(0)->text(),
                 QStringLiteral(
                     "Swipe 1: %1[Enter]\n54 keys in 424 ms; gaps between keys: smallest 8 ms, "
                     "median 8 ms, largest 8 ms; checks: 8 ✓, 1 not checked")
                     .arg(kMaskedCard));
        const QStringList lines = texts(checks(page));
        QCOMPARE(lines.size(), 9);
        // QTest's key events carry no key positions, so the keyboard language is not checked.
        QVERIFY2(lines.first().startsWith(u'–'), qPrintable(lines.first()));
        for (const QString& line : lines.mid(1))
            QVERIFY2(line.startsWith(u'✓'), qPrintable(line));
        // What a screen reader reads: the list by its name, each check as a line.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(checks(page));
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Swipe checks"));
        QCOMPARE(list->childCount(), 9);
        QCOMPARE(list->child(3)->text(QAccessible::Name), lines.at(3));

        // Tab and Esc after a pause are a second swipe, and the focus stays.
        m_now += 1000;
        QTest::keyClick(capture, Qt::Key_Tab);
        QTest::keyClick(capture, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(capture, Qt::Key_Escape);
        QTest::keyClick(capture, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), capture);
        QCOMPARE(swipes(page)->count(), 2);
        QVERIFY(swipes(page)->item(0)->text().startsWith(
            QStringLiteral("Swipe 2: [Tab][S-Tab][Esc][Ctrl-C]\n4 keys in 24 ms")));

        // Showing card numbers is asked each time; the next showing masks them again.
        auto* showNumbers = page.findChild<QCheckBox*>(QStringLiteral("ShowCardNumbers"));
        showNumbers->toggle();
        QVERIFY(swipes(page)->item(1)->text().contains(kCard));
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("Copy")), Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->text().contains(kCard));
        // Copy hands the focus back, so the next swipe is not lost.
        QCOMPARE(QApplication::focusWidget(), capture);
        m_f->clickMenu(MenuId::InterCharDelay); // another page in front
        m_f->clickMenu(MenuId::SwipeTest);
        QVERIFY(!showNumbers->isChecked());
        QVERIFY(swipes(page)->item(1)->text().contains(kMaskedCard));
        QCOMPARE(QApplication::focusWidget(), capture);

        // A longer gap does not join what the terminator ended; the checks follow the chosen swipe.
        page.findChild<QSpinBox*>(QStringLiteral("SwipeGap"))->setValue(1500);
        QCOMPARE(swipes(page)->count(), 2);
        page.findChild<QSpinBox*>(QStringLiteral("SwipeGap"))->setValue(500);
        swipes(page)->setCurrentRow(1);
        QCOMPARE(texts(checks(page)), lines);
        // A new swipe comes on top; the chosen one stays chosen.
        m_now += 1000;
        QTest::keyClick(page.capture(), Qt::Key_X);
        QCOMPARE(swipes(page)->count(), 3);
        QCOMPARE(swipes(page)->currentRow(), 2);
        QCOMPARE(texts(checks(page)), lines);

        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("Copy")), Qt::LeftButton);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, page.shownText());
        QVERIFY(copied.contains(kMaskedCard));
        QVERIFY(!copied.contains(QStringLiteral("41111111")));
        QVERIFY(copied.startsWith(QStringLiteral("Expected: ‹%…?› ‹;…?› ‹;…?› [Enter]\n")));

        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("Clear")), Qt::LeftButton);
        QCOMPARE(swipes(page)->count(), 0);
        QCOMPARE(checks(page)->count(), 0);
        QVERIFY(m_f->session.image == image);
        QVERIFY(!m_f->session.changed);
    }

    // Ctrl+Tab, which no reader sends, leaves; the controls follow in layout order.
    // Frames typed with no pause are split at the terminator as they come and when
    // everything is looked at again.
    void burstSplitAtTheTerminator() {
        SwipeTestPage& page = startOnThePage();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(page.capture(), kCard);
            QTest::keyClick(page.capture(), Qt::Key_Return);
        }
        QTest::keyClicks(page.capture(), QStringLiteral("%B"));
        QCOMPARE(swipes(page)->count(), 4);
        QVERIFY(swipes(page)->item(0)->text().startsWith(QStringLiteral("Swipe 4: %B\n")));
        QVERIFY(swipes(page)->item(1)->text().startsWith(
            QStringLiteral("Swipe 3: %1[Enter]\n54 keys").arg(kMaskedCard)));
        const QStringList lines = texts(swipes(page));
        page.findChild<QSpinBox*>(QStringLiteral("SwipeGap"))->setValue(1000);
        QCOMPARE(texts(swipes(page)), lines);
    }

    // Caps Lock pressed alone before a swipe is no swipe of its own: the swipe notes it.
    void aLockKeyAloneIsNoSwipe() {
        SwipeTestPage& page = startOnThePage();
        const auto send = [&](int key, const QString& text, ulong time) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
            event.setTimestamp(time);
            QApplication::sendEvent(page.capture(), &event);
        };
        send(Qt::Key_CapsLock, {}, 1000);
        QCOMPARE(swipes(page)->count(), 0);
        ulong time = 5000;
        for (const QChar c : kCard)
            send(c.toUpper().unicode(), QString(c), time += 8);
        send(Qt::Key_Return, QStringLiteral("\r"), time + 8);
        QCOMPARE(swipes(page)->count(), 1);
        QVERIFY(texts(checks(page))
                    .last()
                    .startsWith(QStringLiteral("– Lock keys: 1 press of Caps Lock")));
        page.findChild<QSpinBox*>(QStringLiteral("SwipeGap"))->setValue(1000);
        QCOMPARE(swipes(page)->count(), 1);
    }

    // The notice that keys miss the box keeps its room when hidden: a click that moves
    // the focus off the box must land on the button it was aimed at.
    void theButtonsStayWhereTheyAre() {
        SwipeTestPage& page = startOnThePage();
        auto* clear = page.findChild<QPushButton*>(QStringLiteral("Clear"));
        page.capture()->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(page.capture()->hasFocus());
        QCoreApplication::processEvents();
        const QRect withFocus = clear->geometry();
        clear->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(!page.capture()->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(clear->geometry(), withFocus);
    }

    void keyboardReachesTheControls() {
        SwipeTestPage& page = startOnThePage();
        auto* notice = page.findChild<QLabel*>(QStringLiteral("CaptureNotice"));
        QVERIFY(!notice->isVisibleTo(&page));
        QTest::keyClick(page.capture(), Qt::Key_Tab, Qt::ControlModifier);
        auto* gap = page.findChild<QSpinBox*>(QStringLiteral("SwipeGap"));
        QCOMPARE(QApplication::focusWidget(), gap);
        // Keys would go to the gap box now: the page says so.
        QVERIFY(notice->isVisibleTo(&page));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ShowCardNumbers"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Clear"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Copy"));
        QVERIFY(texts(swipes(page)).isEmpty());
    }

    // Key events as X11 delivers them, with scan codes (evdev + 8) and native
    // modifiers: a U.S. reader on a German layout is named, and the fix opens
    // the Keyboard Language page with GERMANY selected but not accepted.
    void keyboardLanguageFromScanCodes() {
        SwipeTestPage& page = startOnThePage();
        sendAsX11(page, typedAt(0, 3, kCard + QStringLiteral("[Enter]")));
        const QStringList lines = texts(checks(page));
        QVERIFY2(lines.first().startsWith(
                     QStringLiteral("✗ Keyboard language: the reader types for U.S., "
                                    "this computer's keys match GERMANY")),
                 qPrintable(lines.first()));
        QVERIFY2(lines.at(4).startsWith(QStringLiteral("✓ Tracks")), qPrintable(lines.at(4)));
        QVERIFY(swipes(page)->item(0)->text().contains(
            QStringLiteral("This computer received: %B411111")));
        auto* use = page.findChild<QPushButton*>(QStringLiteral("UseLanguage"));
        QVERIFY(use->isVisibleTo(&page));
        QCOMPARE(use->accessibleName(), QStringLiteral("Use GERMANY for the reader"));
        QTest::mouseClick(use, Qt::LeftButton);
        QMdiSubWindow* language = m_f->window->existingPageWindow(MenuId::KeyboardLanguage);
        QVERIFY(language);
        QCOMPARE(m_f->window->findChild<QMdiArea*>()->activeSubWindow(), language);
        QVERIFY(
            language->widget()->findChild<QRadioButton*>(QStringLiteral("Option1_3"))->isChecked());
        QCOMPARE(m_f->session.byte(48), 0);
        QVERIFY(!m_f->session.changed);
    }

    // A U.S. reader on a Swiss computer: GERMANY, SWEDEN/FINLAND and SWISS type the
    // swipe alike. The lowest-numbered is offered while this computer's layout is
    // unknown; it is asked again as the next swipe begins.
    void offersThisComputersLayout_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("offered");
        QTest::newRow("Swiss") << "ch"
                               << ""
                               << "SWISS";
        QTest::newRow("Swiss French") << "ch"
                                      << "fr"
                                      << "SWISS";
        QTest::newRow("Swedish") << "se"
                                 << ""
                                 << "SWEDEN/FINLAND";
        QTest::newRow("a layout the keys do not fit") << "us"
                                                      << ""
                                                      << "GERMANY";
    }
    void offersThisComputersLayout() {
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        QFETCH(QString, offered);
        SwipeTestPage& page = startOnThePage();
        std::optional<XkbLayoutName> computer;
        page.setLayoutReader([&computer] { return computer; });
        auto* use = page.findChild<QPushButton*>(QStringLiteral("UseLanguage"));
        const QList<KeyPress> swipe = typedAt(0, 10, kCard + QStringLiteral("[Enter]"));
        sendAsX11(page, swipe);
        QCOMPARE(use->accessibleName(), QStringLiteral("Use GERMANY for the reader"));
        computer = XkbLayoutName{layout, variant};
        sendAsX11(page, swipe);
        QCOMPARE(swipes(page)->count(), 2);
        QCOMPARE(use->accessibleName(), QStringLiteral("Use %1 for the reader").arg(offered));
        QVERIFY2(texts(checks(page)).first().contains(QStringLiteral("match %1 (").arg(offered)),
                 qPrintable(texts(checks(page)).first()));
    }

    // An ALT-mode reader on Linux: this computer receives one long run of keypad
    // digits. It wraps inside the list, and Copy keeps the digits as they came.
    void longSwipeLineWraps() {
        setFieldValue(m_f->session.image, FieldId::AltMode, 1);
        SwipeTestPage& page = startOnThePage();
        const QString name(150, u'A'); // 150 codes of two digits
        sendAsX11(page, typedAsAltCodes(QStringLiteral("%B1^") + name + u'?'));
        QListWidget* list = swipes(page);
        QCOMPARE(list->count(), 1);
        // The codes arrive as one long run of digits, which is masked as a card number is.
        const QString digits = QString(280, QChar(0x2022));
        const QString text = list->item(0)->text();
        QVERIFY2(!text.contains(QStringLiteral("65656565")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("This computer received: ")) && text.contains(digits),
                 qPrintable(text));
        // At the page's own size and narrower, the item is more lines high than
        // its text has, nothing lies beyond the list's width, and all of it can be
        // scrolled into view.
        QMdiSubWindow* window = m_f->window->existingPageWindow(MenuId::SwipeTest);
        for (const int narrower : {0, 200}) {
            window->resize(window->width() - narrower, window->height());
            // The list lays its items out again a moment after a change of width.
            QTRY_VERIFY(list->visualItemRect(list->item(0)).width() <= list->viewport()->width());
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
            QVERIFY(!list->horizontalScrollBar()->isVisible());
            const QRect item = list->visualItemRect(list->item(0));
            const int lines = static_cast<int>(text.count(u'\n')) + 1;
            QVERIFY2(item.height() > (lines + 1) * list->fontMetrics().lineSpacing(),
                     qPrintable(QStringLiteral("%1 px").arg(item.height())));
            QVERIFY(item.width() <= list->viewport()->width());
            QVERIFY(list->verticalScrollBar()->maximum() + list->viewport()->height() >=
                    item.height());
        }

        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("Copy")), Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->text().contains(digits));
        // A screen reader reads the text as it came, with no marks of the wrapping.
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(list)->child(0);
        QCOMPARE(read->text(QAccessible::Name), text);
    }

    // The checks follow the settings image: a terminator changed to TAB fails the same keys.
    void checksFollowTheSettings() {
        SwipeTestPage& page = startOnThePage();
        QTest::keyClicks(page.capture(), kCard);
        QTest::keyClick(page.capture(), Qt::Key_Return);
        QCOMPARE(texts(checks(page)).at(3), QStringLiteral("✓ Terminator: [Enter] (CR)"));

        m_f->clickMenu(MenuId::Terminator);
        QMdiSubWindow* terminator = m_f->window->existingPageWindow(MenuId::Terminator);
        auto* tab = terminator->widget()->findChild<QRadioButton*>(QStringLiteral("Option1_3"));
        QTest::mouseClick(tab, Qt::LeftButton, {}, QPoint(6, tab->height() / 2));
        QTest::mouseClick(terminator->widget()->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(m_f->session.byte(50), 5);
        m_f->clickMenu(MenuId::SwipeTest);
        QCOMPARE(texts(checks(page)).at(3),
                 QStringLiteral("✗ Terminator: expected [Tab] (TAB), came [Enter] at key 54"));
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("ExpectedFrame"))
                    ->text()
                    .endsWith(QStringLiteral("[Tab]")));
    }
};

QTEST_MAIN(SwipeTestPageTest)
#include "test_swipe_test_page.moc"
