// The Summary and Compare pages as the Tools menu reaches them in the running program.
#include "shell_fixture.h"

#include "core/files/settings_file.h"
#include "core/image/setting_words.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

using namespace quorvel;

namespace {

const Message kCannotOpen{QStringLiteral("Can't open file ! "), QStringLiteral("Open"), Icon::Stop};
const Message kNotOpened{QStringLiteral("File not opened ! "), QStringLiteral("Save"), Icon::Stop};

using Rows = QList<QStringList>;

} // namespace

class SummaryCompareTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_f;

    QWidget* front() const { return m_f->window->area()->activeSubWindow()->widget(); }
    template <class W> W* child(const QString& name) const {
        W* w = front()->findChild<W*>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    void press(const QString& name) const {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    QString summary() const { return child<QTextEdit>(QStringLiteral("Text1"))->toPlainText(); }
    Rows rows() const {
        auto* table = child<QTableWidget>(QStringLiteral("Differences"));
        Rows result;
        for (int r = 0; r < table->rowCount(); ++r)
            result << QStringList{table->item(r, 0)->text(), table->item(r, 1)->text(),
                                  table->item(r, 2)->text()};
        return result;
    }
    QString result() const { return child<QLabel>(QStringLiteral("Label3"))->text(); }

    // A preamble "Esc A" picked on the keyboard picker and the terminator TAB, each accepted.
    void acceptPreambleAndTerminator() {
        m_f->clickMenu(MenuId::Amble);
        m_f->dialogs.pick(QStringLiteral("Esc"), QStringLiteral("1B"))
            .pick(QStringLiteral("A"), QStringLiteral("41"));
        press(QStringLiteral("Preamble_0"));
        press(QStringLiteral("Preamble_1"));
        press(QStringLiteral("Command1"));
        m_f->clickMenu(MenuId::Terminator);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1_3")), Qt::LeftButton, {},
                          QPoint(6, 6));
        press(QStringLiteral("Command1"));
        QCOMPARE(m_f->dialogs.messages.size(), 2);
        QVERIFY(m_f->session.changed);
    }

private slots:
    void init() {
        m_f = std::make_unique<ShellFixture>();
        m_f->start();
    }
    void cleanup() {
        m_f->window.reset();
        QCOMPARE(m_f->dialogs.unexpected, 0);
    }

    void summaryNamesEachSettingAndCopies() {
        m_f->session.setByte(48, 3);
        m_f->session.setByte(52, 0x48);
        m_f->session.setByte(90, 0x07);
        const SettingsImage image = m_f->session.image;
        m_f->clickMenu(MenuId::Summary);
        QCOMPARE(front()->objectName(), QStringLiteral("frmSummary"));
        const QString text = summary();
        QVERIFY(text.contains(
            QStringLiteral("Language for Keyboard Interface: GERMANY\nALT Mode: on\n")));
        QVERIFY(text.contains(QStringLiteral("Case: Universal\n")));
        QVERIFY(text.endsWith(QStringLiteral("Other bytes\nbyte 90: 07\nbyte 127: 80")));

        QGuiApplication::clipboard()->clear();
        press(QStringLiteral("Command1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), summaryText(settingsSummary(image)));

        // Made anew each time the page is shown.
        m_f->session.setByte(48, 16);
        m_f->window->showTableView();
        m_f->clickMenu(MenuId::Summary);
        QVERIFY(summary().contains(QStringLiteral("Language for Keyboard Interface: JAPAN\n")));

        // Read by keyboard and screen reader, written by no one.
        auto* view = child<QTextEdit>(QStringLiteral("Text1"));
        QVERIFY(view->isReadOnly() && (view->focusPolicy() & Qt::TabFocus));
        QVERIFY(view->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QCOMPARE(view->accessibleName(), QStringLiteral("Summary"));
        m_f->session.setByte(48, 3);
        QCOMPARE(m_f->session.image, image);
        QVERIFY(!m_f->session.changed);
    }

    // Preamble "Esc A" and terminator TAB accepted: the Summary names both, the
    // factory differs in exactly those two, a saved copy in nothing.
    void summaryAndCompareAfterAccepts() {
        acceptPreambleAndTerminator();
        m_f->clickMenu(MenuId::Summary);
        QVERIFY(summary().contains(
            QStringLiteral("Preamble: Esc (&H1B), A (&H41)\nPostamble: none\n")));
        QVERIFY(summary().contains(QStringLiteral("Keyboard: TAB\n")));

        m_f->clickMenu(MenuId::Compare);
        QCOMPARE(front()->objectName(), QStringLiteral("frmCompare"));
        const Rows fromFactory{{"Terminator: Keyboard", "TAB", "CR"},
                               {"Preamble & Postamble: Preamble", "Esc (&H1B), A (&H41)", "none"}};
        QCOMPARE(rows(), fromFactory);
        QCOMPARE(result(), QStringLiteral("2 differences."));
        auto* table = child<QTableWidget>(QStringLiteral("Differences"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Factory Settings"));

        const QString copy = m_f->dir.filePath(QStringLiteral("copy.msr"));
        m_f->dialogs.file(copy);
        m_f->clickMenu(MenuId::Save);
        QVERIFY(!m_f->session.changed);
        m_f->clickMenu(MenuId::Compare);
        m_f->dialogs.file(copy);
        press(QStringLiteral("Command2"));
        QCOMPARE(rows(), Rows{});
        QCOMPARE(result(), QStringLiteral("No differences."));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("copy.msr"));

        // A change made elsewhere, to the image or to the file, shows at the next activation.
        m_f->clickMenu(MenuId::Terminator);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1_1")), Qt::LeftButton, {},
                          QPoint(6, 6));
        press(QStringLiteral("Command1"));
        m_f->clickMenu(MenuId::Compare);
        QCOMPARE(rows(), (Rows{{"Terminator: Keyboard", "CR", "TAB"}}));
        SettingsImage saved = m_f->session.image;
        saved[57] = 40;
        writeFile(copy, composeSettingsText(saved));
        m_f->window->showTableView();
        m_f->clickMenu(MenuId::Compare);
        QCOMPARE(rows(), (Rows{{"General Parameter: Buzzer Pitch", "16", "40"}}));

        // Back to the factory by the accessible press, as a screen reader would.
        QAccessibleInterface* factory =
            QAccessible::queryAccessibleInterface(child<QPushButton>(QStringLiteral("Command1")));
        factory->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(rows(), Rows{fromFactory.at(1)});
        QCOMPARE(factory->text(QAccessible::Name), QStringLiteral("Factory Settings"));
        QCOMPARE(QAccessible::queryAccessibleInterface(table)->text(QAccessible::Name),
                 QStringLiteral("Differences"));
        QCOMPARE(QAccessible::queryAccessibleInterface(table)->role(), QAccessible::Table);
    }

    void unreadableFileLeavesThePage_data() {
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<bool>("chosen");        // false: the dialog is cancelled
        QTest::addColumn<QList<Message>>("messages");
        QTest::newRow("wrong length")
            << QByteArray(407, ',') << true << QList<Message>{kCannotOpen};
        QTest::newRow("missing") << QByteArray() << true << QList<Message>{kNotOpened};
        QTest::newRow("cancelled") << QByteArray() << false << QList<Message>{};
    }
    void unreadableFileLeavesThePage() {
        QFETCH(QByteArray, content);
        QFETCH(bool, chosen);
        QFETCH(QList<Message>, messages);
        const QString path = m_f->dir.filePath(QStringLiteral("x.msr"));
        if (!content.isNull())
            writeFile(path, content);
        m_f->session.setByte(57, 99);
        m_f->clickMenu(MenuId::Compare);
        const Rows before = rows();
        const QString against = child<QLabel>(QStringLiteral("Label2"))->text();
        QCOMPARE(before, (Rows{{"General Parameter: Buzzer Pitch", "99", "16"}}));
        m_f->dialogs.file(chosen ? std::optional<QString>(path) : std::nullopt);
        press(QStringLiteral("Command2"));
        QCOMPARE(m_f->dialogs.messages, messages);
        QCOMPARE(rows(), before);
        QCOMPARE(child<QLabel>(QStringLiteral("Label2"))->text(), against);
        QVERIFY(!m_f->session.changed);
    }
};

QTEST_MAIN(SummaryCompareTest)
#include "test_summary_compare.moc"
