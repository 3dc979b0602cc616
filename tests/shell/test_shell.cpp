#include "core/menu_table.h"
#include "core/session.h"
#include "core/settings_file.h"
#include "scripted_dialogs.h"
#include "shell_fixture.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "shell/table_view.h"
#include "file_size_limit.h"
#include "test_files.h"
#include "ui/child_window.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <QtTest>

using namespace quorvel;

namespace {

const Message kSaveQuestion{QStringLiteral("Do you want to save your setting ? (Y/N) "),
                            QStringLiteral("Quorvel"), Icon::Information, Buttons::YesNoCancel};
const Message kSaveOk{QStringLiteral("O.K."), QStringLiteral("Save"), Icon::None, Buttons::Ok};
const Message kNotSavedStop{QStringLiteral("Data not saved ! "), QStringLiteral("Save"), Icon::Stop,
                            Buttons::Ok};
const Message kNotSavedInfo{QStringLiteral("Data not saved ! "), QStringLiteral("Quorvel"),
                            Icon::Information, Buttons::Ok};
const Message kCantChange{QStringLiteral("Can't change to default value."), QStringLiteral("Quorvel"),
                          Icon::Stop, Buttons::Ok};

Message overwriteQuestion(const QString& path) {
    return {QStringLiteral("File '%1' exist. Do you want to overwrite it ? ").arg(path),
            QStringLiteral("Quorvel"), Icon::None, Buttons::YesNo};
}

// A page stand-in that counts its activations.
class CountingPage : public ChildWindow {
public:
    explicit CountingPage(int& counter) : m_counter(counter) {
        setObjectName(QStringLiteral("frmTest"));
    }
    void activate() override { ++m_counter; }

private:
    int& m_counter;
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_f;

    QString path(const QString& name) const { return m_f->dir.filePath(name); }

    MainWindow& start() { return m_f->start(); }

    MenuWindow& menu() { return *m_f->window->menuWindow(); }
    QTableWidget& grid() { return *m_f->window->tableView()->grid(); }
    void click(MenuId id) { m_f->clickMenu(id); }

private slots:
    void init() { m_f = std::make_unique<ShellFixture>(); }
    void cleanup() {
        m_f->window.reset();
        QCOMPARE(m_f->dialogs.unexpected, 0);
    }

    void startUpFailsWithoutAUsableFactoryFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        const QByteArray good = composeSettingsText(SettingsImage{});
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("407") << good.left(407) << true;
        QTest::newRow("409") << good + "\n" << true;
    }
    void startUpFailsWithoutAUsableFactoryFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFile::remove(m_f->session.factoryFile);
        if (present)
            writeFile(m_f->session.factoryFile, content);
        QVERIFY(!startUp(m_f->session, m_f->dialogs));
        const Message expected{QStringLiteral("Cannot open file 'Default.mag', Program terminate ! "),
                               QStringLiteral("Quorvel"), Icon::Stop, Buttons::Ok};
        QCOMPARE(m_f->dialogs.messages, QList<Message>{expected});
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(),
                             QApplication::topLevelWidgets().cend(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void startUpShowsTheFactorySettings() {
        m_f->session.changed = true;
        MainWindow& window = start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvel for Brisk/Corda/Mallow Setting Application."));
        QVERIFY(window.isVisible());
        QVERIFY(!m_f->session.changed);
        QCOMPARE(m_f->session.image, shippedFactoryImage());
        QCOMPARE(grid().rowCount(), 8);
        QCOMPARE(grid().columnCount(), 16);
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("0"));
        QCOMPARE(grid().item(2, 3)->text(), QStringLiteral("4"));
        QCOMPARE(grid().item(2, 14)->text(), QStringLiteral("3F"));
        QCOMPARE(grid().item(7, 15)->text(), QStringLiteral("80"));
        QCOMPARE(grid().accessibleName(), QStringLiteral("Settings table"));
        QCOMPARE(grid().toolTip(), QStringLiteral("Double click to refresh"));
        QVERIFY(m_f->dialogs.messages.isEmpty());
        QVERIFY(window.close());
        QVERIFY(m_f->dialogs.messages.isEmpty());
    }

    void tableViewShowsHexWithoutLeadingZeros() {
        start();
        for (int c = 0; c < 16; ++c)
            QCOMPARE(grid().horizontalHeaderItem(c)->text(), QString::number(c, 16).toUpper());
        for (int r = 0; r < 8; ++r)
            QCOMPARE(grid().verticalHeaderItem(r)->text(), QString::number(r));
        m_f->session.setByte(0, 0x05);
        m_f->session.setByte(1, 0xAB);
        m_f->session.setByte(127, 0);
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("0")); // not yet refreshed
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {},
                           grid().visualItemRect(grid().item(3, 3)).center());
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("5"));
        QCOMPARE(grid().item(0, 1)->text(), QStringLiteral("AB"));
        QCOMPARE(grid().item(7, 15)->text(), QStringLiteral("0"));
        QCOMPARE(grid().horizontalHeaderItem(15)->text(), QStringLiteral("F"));
        QCOMPARE(grid().item(0, 0)->textAlignment(), int(Qt::AlignCenter));
    }

    void doubleClickOnEitherHeadingRefreshes_data() {
        QTest::addColumn<bool>("topHeading");
        QTest::newRow("heading row") << true;
        QTest::newRow("heading column") << false;
    }
    void doubleClickOnEitherHeadingRefreshes() {
        QFETCH(bool, topHeading);
        start();
        m_f->session.setByte(0, 0xAB);
        QHeaderView* heading = topHeading ? grid().horizontalHeader() : grid().verticalHeader();
        QTest::mouseDClick(heading->viewport(), Qt::LeftButton, {},
                           heading->viewport()->rect().center());
        QCOMPARE(grid().item(0, 0)->text(), QStringLiteral("AB"));
    }

    void defaultCommand_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("factoryReadable");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<bool>("changedAfter");
        const Message question{
            QStringLiteral("Current Data will be changed to factory default value. Are you sure ? "),
            QStringLiteral("New"), Icon::Information, Buttons::YesNo};
        QTest::newRow("no edits") << false << true << QList<Answer>{}
                                  << QList<Message>{{QStringLiteral("All Data has been changed to default value ! "),
                                                     QStringLiteral("New")}}
                                  << true << false;
        QTest::newRow("edits, Yes") << true << true << QList<Answer>{Answer::Yes}
                                    << QList<Message>{question,
                                                      {QStringLiteral("All Data has been changed to factory default value ! "),
                                                       QStringLiteral("New")}}
                                    << true << true;
        QTest::newRow("edits, No") << true << true << QList<Answer>{Answer::No}
                                   << QList<Message>{question} << false << true;
        QTest::newRow("no edits, unreadable") << false << false << QList<Answer>{}
                                              << QList<Message>{kCantChange} << false << false;
        QTest::newRow("edits, Yes, unreadable") << true << false << QList<Answer>{Answer::Yes}
                                                << QList<Message>{question, kCantChange} << false << true;
    }
    void defaultCommand() {
        QFETCH(bool, changed);
        QFETCH(bool, factoryReadable);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<Message>, messages);
        QFETCH(bool, reloaded);
        QFETCH(bool, changedAfter);
        MainWindow& window = start();
        QSignalSpy ended(&window, &MainWindow::programEnded);
        m_f->session.image = patternImage();
        m_f->session.changed = changed;
        if (!factoryReadable)
            QFile::remove(m_f->session.factoryFile);
        for (Answer a : answers)
            m_f->dialogs.answer(a);
        click(MenuId::Default);
        QCOMPARE(m_f->dialogs.messages, messages);
        QCOMPARE(m_f->session.image, reloaded ? shippedFactoryImage() : patternImage());
        QCOMPARE(m_f->session.changed, changedAfter);
        QCOMPARE(ended.count(), 0);
        QVERIFY(window.isVisible());
        // The table view is in front, its grid visible and current.
        QCOMPARE(window.area()->activeSubWindow(), window.tableSubWindow());
        QVERIFY(grid().isVisible());
        QCOMPARE(grid().item(0, 0)->text(), QString::number(m_f->session.byte(0), 16).toUpper());
        QCOMPARE(m_f->session.lastMenuItem, 1);
    }

    void openCommand_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<bool>("loaded");
        const QByteArray good = composeSettingsText(patternImage(4));
        const Message notOpened{QStringLiteral("File not opened ! "), QStringLiteral("Save"), Icon::Stop};
        QTest::newRow("good") << "a.msr" << false << good
                              << QList<Message>{{QStringLiteral("O.K."), QStringLiteral("Open")}} << true;
        QTest::newRow("wrong length") << "b.msr" << false << good + "\r\n"
                                      << QList<Message>{{QStringLiteral("Can't open file ! "),
                                                         QStringLiteral("Open"), Icon::Stop}}
                                      << false;
        QTest::newRow("cancelled") << "" << true << QByteArray() << QList<Message>{notOpened} << false;
        QTest::newRow("empty name") << "" << false << QByteArray() << QList<Message>{} << false;
        QTest::newRow("missing") << "missing.msr" << false << QByteArray() << QList<Message>{notOpened} << false;
        QTest::newRow("empty file") << "empty.msr" << false << QByteArray("") << QList<Message>{notOpened} << false;
    }
    void openCommand() {
        QFETCH(QString, file);
        QFETCH(bool, cancel);
        QFETCH(QByteArray, content);
        QFETCH(QList<Message>, messages);
        QFETCH(bool, loaded);
        start();
        m_f->session.changed = true;
        const QString full = file.isEmpty() ? QString() : path(file);
        if (!content.isNull())
            writeFile(full, content);
        m_f->dialogs.answer(Answer::No); // the edits may go
        m_f->dialogs.file(cancel ? std::nullopt : std::optional<QString>(full));
        const SettingsImage before = m_f->session.image;
        click(MenuId::Open);
        QCOMPARE(m_f->dialogs.messages, QList<Message>{kSaveQuestion} + messages);
        QCOMPARE(m_f->session.image, loaded ? patternImage(4) : before);
        QCOMPARE(m_f->session.changed, !loaded);
        QVERIFY(grid().isVisible());
        QCOMPARE(grid().item(0, 1)->text(), QString::number(m_f->session.byte(1), 16).toUpper());
        if (file == QLatin1String("missing.msr"))
            QVERIFY(!QFile::exists(full));
    }

    // Open with unsaved edits offers to save them first, as ending the program does.
    void openAsksToSaveEditsFirst_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("saveDialog"); // 0 none, 1 cancel, 2 empty, 3 good file, 4 bad folder
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<bool>("opens");
        const Message opened{QStringLiteral("O.K."), QStringLiteral("Open")};
        QTest::newRow("no edits") << false << QList<Answer>{} << 0 << QList<Message>{opened} << true;
        QTest::newRow("No") << true << QList<Answer>{Answer::No} << 0
                            << QList<Message>{kSaveQuestion, opened} << true;
        QTest::newRow("Cancel") << true << QList<Answer>{Answer::Cancel} << 0
                                << QList<Message>{kSaveQuestion} << false;
        QTest::newRow("Yes, saved") << true << QList<Answer>{Answer::Yes} << 3
                                    << QList<Message>{kSaveQuestion, kSaveOk, opened} << true;
        QTest::newRow("Yes, dialog cancelled") << true << QList<Answer>{Answer::Yes} << 1
                                               << QList<Message>{kSaveQuestion, kNotSavedInfo} << false;
        QTest::newRow("Yes, empty name") << true << QList<Answer>{Answer::Yes} << 2
                                         << QList<Message>{kSaveQuestion} << false;
        QTest::newRow("Yes, write fails") << true << QList<Answer>{Answer::Yes} << 4
                                          << QList<Message>{kSaveQuestion, kNotSavedStop} << false;
    }
    void openAsksToSaveEditsFirst() {
        QFETCH(bool, changed);
        QFETCH(QList<Answer>, answers);
        QFETCH(int, saveDialog);
        QFETCH(QList<Message>, messages);
        QFETCH(bool, opens);
        start();
        m_f->session.image = patternImage(8);
        m_f->session.changed = changed;
        for (Answer a : answers)
            m_f->dialogs.answer(a);
        const QString saved = path(QStringLiteral("saved.msr"));
        switch (saveDialog) {
        case 1: m_f->dialogs.file(std::nullopt); break;
        case 2: m_f->dialogs.file(QString()); break;
        case 3: m_f->dialogs.file(saved); break;
        case 4: m_f->dialogs.file(path(QStringLiteral("none/saved.msr"))); break;
        default: break;
        }
        const QString other = path(QStringLiteral("other.msr"));
        writeFile(other, composeSettingsText(patternImage(9)));
        if (opens)
            m_f->dialogs.file(other);

        click(MenuId::Open);

        QCOMPARE(m_f->dialogs.messages, messages);
        QCOMPARE(m_f->dialogs.openDialogs, opens ? 1 : 0);
        QCOMPARE(m_f->session.image, opens ? patternImage(9) : patternImage(8));
        QCOMPARE(m_f->session.changed, opens ? false : changed);
        QCOMPARE(QFile::exists(saved), saveDialog == 3);
        if (saveDialog == 3)
            QCOMPARE(fileContent(saved), composeSettingsText(patternImage(8)));
        QVERIFY(grid().isVisible());
    }

    // A name given without the dialog (command line, drop) goes the same way.
    void openingAGivenFileAsksFirstToo() {
        start();
        m_f->session.changed = true;
        const QString other = path(QStringLiteral("<b>x.msr"));
        writeFile(other, composeSettingsText(patternImage(9)));
        m_f->dialogs.answer(Answer::Cancel);
        menu().openGivenFile(other);
        QCOMPARE(m_f->dialogs.messages, QList<Message>{kSaveQuestion});
        m_f->dialogs.answer(Answer::No);
        menu().openGivenFile(other);
        QCOMPARE(m_f->session.image, patternImage(9));
        QVERIFY(!m_f->session.changed);
        QCOMPARE(m_f->dialogs.openDialogs, 0);
    }

    void saveCommand_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("written");
        QTest::newRow("new file") << "new.msr" << false << false << QList<Answer>{} << true;
        QTest::newRow("existing, Yes") << "old.msr" << false << true << QList<Answer>{Answer::Yes} << true;
        QTest::newRow("existing, No") << "old.msr" << false << true << QList<Answer>{Answer::No} << false;
        QTest::newRow("no such folder") << "none/x.msr" << false << false << QList<Answer>{} << false;
        QTest::newRow("cancelled") << "" << true << false << QList<Answer>{} << false;
        QTest::newRow("empty name") << "" << false << false << QList<Answer>{} << false;
    }
    void saveCommand() {
        QFETCH(QString, file);
        QFETCH(bool, cancel);
        QFETCH(bool, exists);
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, written);
        start();
        m_f->session.image = patternImage(5);
        m_f->session.changed = true;
        const QString full = file.isEmpty() ? QString() : path(file);
        if (exists)
            writeFile(full, "old");
        m_f->dialogs.file(cancel ? std::nullopt : std::optional<QString>(full));
        for (Answer a : answers)
            m_f->dialogs.answer(a);
        click(MenuId::Save);

        QList<Message> expected;
        if (exists)
            expected << overwriteQuestion(full);
        if (written)
            expected << kSaveOk;
        else if (!file.isEmpty() || cancel)
            expected << kNotSavedStop;
        QCOMPARE(m_f->dialogs.messages, expected);
        QCOMPARE(m_f->session.changed, !written);
        QCOMPARE(m_f->dialogs.proposedNames.size(), 1);
        QVERIFY(m_f->dialogs.proposedNames.at(0).startsWith(u'M'));
        QVERIFY(!m_f->dialogs.proposedNames.at(0).contains(QStringLiteral(".msr")));
        if (written)
            QCOMPARE(fileContent(full), composeSettingsText(patternImage(5)));
        else if (exists)
            QCOMPARE(fileContent(full), QByteArray("old"));
        QVERIFY(grid().isVisible());
    }

    // A full disk: the stop box, the edits still unsaved, the old file as it was; at the exit
    // prompt the program stays open.
    void saveOnAFullDisk_data() {
        QTest::addColumn<bool>("atExit");
        QTest::newRow("Save") << false;
        QTest::newRow("exit prompt") << true;
    }
    void saveOnAFullDisk() {
        QFETCH(bool, atExit);
        MainWindow& window = start();
        QSignalSpy ended(&window, &MainWindow::programEnded);
        m_f->session.image = patternImage(5);
        m_f->session.changed = true;
        const QString full = path(QStringLiteral("full.msr"));
        writeFile(full, "old");
        if (atExit)
            m_f->dialogs.answer(Answer::Yes);
        m_f->dialogs.file(full);
        m_f->dialogs.answer(Answer::Yes);
        {
            FileSizeLimit limit(100);
            if (!limit.active())
                QSKIP("no file size limit on this system");
            click(atExit ? MenuId::Exit : MenuId::Save);
        }
        QCOMPARE(m_f->dialogs.messages.last(), kNotSavedStop);
        QVERIFY(m_f->session.changed);
        QCOMPARE(fileContent(full), QByteArray("old"));
        QCOMPARE(ended.count(), 0);
        QVERIFY(window.isVisible());
    }

    void saveThenOpenRoundTrips() {
        start();
        m_f->session.image = patternImage(6);
        m_f->session.changed = true;
        const QString file = path(QStringLiteral("M1412224512"));
        m_f->dialogs.file(file);
        click(MenuId::Save);
        QVERIFY(QFile::exists(file)); // exactly the name returned, no extension added
        m_f->session.image = SettingsImage{};
        m_f->dialogs.file(file);
        click(MenuId::Open);
        QCOMPARE(m_f->session.image, patternImage(6));
        QCOMPARE(grid().item(0, 0)->text(), QString::number(patternImage(6)[0], 16).toUpper());
    }

    // Exit command and closing the window ask the same question and keep unsaved edits alike.
    void endingWithEdits_data() {
        QTest::addColumn<bool>("viaExitCommand");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("dialogResult"); // 0 none, 1 cancel, 2 empty, 3 good file, 4 bad folder
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<bool>("ends");
        for (bool exitCommand : {true, false}) {
            const char* how = exitCommand ? "Exit: " : "close: ";
            auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(QString::fromLatin1(how) + QString::fromLatin1(name)));
            };
            row("No") << exitCommand << QList<Answer>{Answer::No} << 0 << QList<Message>{kSaveQuestion} << true;
            row("Cancel") << exitCommand << QList<Answer>{Answer::Cancel} << 0 << QList<Message>{kSaveQuestion} << false;
            row("Yes, dialog cancelled") << exitCommand << QList<Answer>{Answer::Yes} << 1
                                         << QList<Message>{kSaveQuestion, kNotSavedInfo} << false;
            row("Yes, empty name") << exitCommand << QList<Answer>{Answer::Yes} << 2
                                   << QList<Message>{kSaveQuestion} << true;
            row("Yes, saved") << exitCommand << QList<Answer>{Answer::Yes} << 3
                              << QList<Message>{kSaveQuestion, kSaveOk} << true;
            row("Yes, write fails") << exitCommand << QList<Answer>{Answer::Yes} << 4
                                    << QList<Message>{kSaveQuestion, kNotSavedStop} << false;
        }
    }
    void endingWithEdits() {
        QFETCH(bool, viaExitCommand);
        QFETCH(QList<Answer>, answers);
        QFETCH(int, dialogResult);
        QFETCH(QList<Message>, messages);
        QFETCH(bool, ends);
        MainWindow& window = start();
        QSignalSpy ended(&window, &MainWindow::programEnded);
        m_f->session.image = patternImage(8);
        m_f->session.changed = true;
        for (Answer a : answers)
            m_f->dialogs.answer(a);
        const QString good = path(QStringLiteral("saved.msr"));
        switch (dialogResult) {
        case 1: m_f->dialogs.file(std::nullopt); break;
        case 2: m_f->dialogs.file(QString()); break;
        case 3: m_f->dialogs.file(good); break;
        case 4: m_f->dialogs.file(path(QStringLiteral("none/saved.msr"))); break;
        default: break;
        }
        if (viaExitCommand)
            click(MenuId::Exit);
        else
            window.close();
        QCOMPARE(m_f->dialogs.messages, messages);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        if (ends)
            QCOMPARE(ended.at(0).at(0).toInt(), 0);
        QCOMPARE(window.isVisible(), !ends);
        QCOMPARE(m_f->session.changed, true);
        QCOMPARE(QFile::exists(good), dialogResult == 3);
        if (dialogResult == 3)
            QCOMPARE(fileContent(good), composeSettingsText(patternImage(8)));
    }

    void endingWithoutEditsAsksNothing() {
        MainWindow& window = start();
        QSignalSpy ended(&window, &MainWindow::programEnded);
        click(MenuId::Exit);
        QCOMPARE(ended.count(), 1);
        QVERIFY(m_f->dialogs.messages.isEmpty());
        QVERIFY(!window.isVisible());
    }

    // A misspelt icon name in the menu table would leave its item without a picture.
    void everyMenuItemHasItsCaptionIconAndShortcut() {
        MainWindow& window = m_f->start();
        VerticalMenu* menu = window.menuWindow()->menu();
        for (const MenuEntry& entry : kMenuEntries) {
            QToolButton* button = menu->itemButton(entry.group, entry.item);
            QVERIFY2(button, entry.caption);
            QCOMPARE(menu->itemCaption(entry.group, entry.item), QString::fromLatin1(entry.caption));
            // A group's pictures are made when it opens.
            menu->setOpenGroup(entry.group);
            QVERIFY2(!button->icon().isNull(), entry.icon);
            if (entry.shortcut == 0)
                continue;
            const QList<QAction*> actions = window.actions();
            QVERIFY2(std::any_of(actions.begin(), actions.end(),
                                 [&](QAction* a) { return a->shortcut() == QKeySequence(entry.shortcut); }),
                     entry.caption);
        }
    }

    void pagesAreCreatedOnceAndActivatedWhenShown() {
        MainWindow& window = start();
        int created = 0;
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] {
            ++created;
            return new CountingPage(activations);
        });
        click(MenuId::Terminator);
        QCOMPARE(created, 1);
        QCOMPARE(activations, 1);
        QMdiSubWindow* page = window.existingPageWindow(MenuId::Terminator);
        QVERIFY(page && page->isVisible());
        QCOMPARE(window.area()->activeSubWindow(), page);
        click(MenuId::Terminator);
        QCOMPARE(created, 1);
        QCOMPARE(activations, 2);
        // The table view in front, then the page again: one more activation.
        click(MenuId::Default); // with no edits
        QCOMPARE(window.area()->activeSubWindow(), window.tableSubWindow());
        click(MenuId::Terminator);
        QCOMPARE(activations, 3);
        QCOMPARE(m_f->session.lastMenuItem, 3);
        // An item without a page does nothing; every item of the menu has one, so one beyond it.
        emit menu().menu()->itemClicked(2, 9);
        QCOMPARE(window.area()->activeSubWindow(), page);
        QCOMPARE(m_f->session.lastMenuItem, 9);
    }

    void resizeRefitsMenuAndWindows() {
        MainWindow& window = start();
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { return new CountingPage(activations); });
        click(MenuId::Terminator);
        window.resize(900, 600);
        QCoreApplication::processEvents();
        const QSize inner = window.innerSize();
        const QRect menuRect = window.menuSubWindow()->geometry();
        QCOMPARE(menuRect, QRect(0, 0, twips(2145), inner.height()));
        const QRect right(menuRect.width(), 0, inner.width() - menuRect.width(), inner.height());
        QCOMPARE(window.existingPageWindow(MenuId::Terminator)->geometry(), right);
        QCOMPARE(window.tableSubWindow()->geometry(), right);
        VerticalMenu* vm = menu().menu();
        QCOMPARE(vm->geometry(), QRect(twips(120), twips(100), menuRect.width() - twips(200),
                                       inner.height() - twips(200)));
        QCOMPARE(vm->openGroup(), 2);
        QCOMPARE(vm->selectedItem(), 3);
        QCOMPARE(activations, 1); // fitting keeps what the page shows
    }

    // A change of width alone re-fits as a change of height does.
    void widthOnlyResizeRefitsToo_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("wider") << 1000;
        QTest::newRow("narrower") << 700;
    }
    void widthOnlyResizeRefitsToo() {
        QFETCH(int, width);
        MainWindow& window = start();
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { return new CountingPage(activations); });
        click(MenuId::Terminator);
        window.resize(850, 600);
        QCoreApplication::processEvents();
        const int height = window.innerSize().height();
        window.resize(width, 600);
        QCoreApplication::processEvents();
        const QSize inner = window.innerSize();
        QCOMPARE(inner.height(), height);
        const int menuWidth = window.menuSubWindow()->width();
        const QRect right(menuWidth, 0, inner.width() - menuWidth, inner.height());
        QCOMPARE(window.existingPageWindow(MenuId::Terminator)->geometry(), right);
        QCOMPARE(window.tableSubWindow()->geometry(), right);
    }

    // Only the menu and the front window show: a covered page is hidden, keeping its state.
    void coveredWindowsAreHidden() {
        MainWindow& window = start();
        click(MenuId::Terminator);
        QMdiSubWindow* terminator = window.existingPageWindow(MenuId::Terminator);
        auto* option = terminator->findChild<QAbstractButton*>(QStringLiteral("Option1_4"));
        click(MenuId::GeneralParameter);
        QMdiSubWindow* parameter = window.existingPageWindow(MenuId::GeneralParameter);
        QVERIFY(parameter->isVisible());
        QVERIFY(window.menuSubWindow()->isVisible());
        QVERIFY(!terminator->isVisible());
        QVERIFY(!window.tableSubWindow()->isVisible());
        QVERIFY(QAccessible::queryAccessibleInterface(option)->state().invisible);
        QVERIFY(!option->isVisible()); // so no Tab reaches it
        click(MenuId::Terminator);
        QCOMPARE(window.existingPageWindow(MenuId::Terminator), terminator);
        QVERIFY(terminator->isVisible());
        QVERIFY(option->isVisible());
        QVERIFY(!parameter->isVisible());
        click(MenuId::Default); // the front step brings the table view
        QVERIFY(window.tableSubWindow()->isVisible());
        QVERIFY(!terminator->isVisible());
        QVERIFY(window.menuSubWindow()->isVisible());
    }

    void resizeCreatesTheSelectedPage() {
        MainWindow& window = start();
        int created = 0;
        int activations = 0;
        window.registerPage(MenuId::Terminator, [&] { ++created; return new CountingPage(activations); });
        click(MenuId::Default); // then the Setting group opened with the Terminator selected
        m_f->session.lastMenuItem = menuEntry(MenuId::Terminator).item;
        menu().menu()->setOpenGroup(menuEntry(MenuId::Terminator).group);
        window.resize(800, 500);
        QCoreApplication::processEvents();
        QCOMPARE(created, 1);
        QVERIFY(window.existingPageWindow(MenuId::Terminator));
    }

    // The Tools group is fitted like the Setting group: its page is made and follows the window.
    void resizeFitsTheToolsPage() {
        MainWindow& window = start();
        m_f->session.lastMenuItem = menuEntry(MenuId::SwipeTest).item;
        menu().menu()->setOpenGroup(menuEntry(MenuId::SwipeTest).group);
        QVERIFY(!window.existingPageWindow(MenuId::SwipeTest));
        window.resize(950, 640);
        QCoreApplication::processEvents();
        QMdiSubWindow* page = window.existingPageWindow(MenuId::SwipeTest);
        QVERIFY(page);
        const QSize inner = window.innerSize();
        const int menuWidth = window.menuSubWindow()->width();
        QCOMPARE(page->geometry(), QRect(menuWidth, 0, inner.width() - menuWidth, inner.height()));
    }

    void menuCaptionsAndNames() {
        start();
        VerticalMenu* vm = menu().menu();
        const QList<QStringList> expected = {
            {QStringLiteral("File"), QStringLiteral("Default"), QStringLiteral("Open"),
             QStringLiteral("Save"), QStringLiteral("Exit")},
            {QStringLiteral("Setting"), QStringLiteral("InterCharacter Delay"),
             QStringLiteral("Keyboard Language"), QStringLiteral("Terminator"),
             QStringLiteral("Magnetic Card"), QStringLiteral("Preamble & Postamble"),
             QStringLiteral("General Parameter")},
            {QStringLiteral("Transmit"), QStringLiteral("Transmit")},
            {QStringLiteral("Tools"), QStringLiteral("Swipe Test"), QStringLiteral("Summary"),
             QStringLiteral("Compare"), QStringLiteral("About Quorvel")}};
        QCOMPARE(vm->groupCount(), 4);
        for (int g = 1; g <= 4; ++g) {
            const QStringList& captions = expected.at(g - 1);
            QCOMPARE(vm->groupCaption(g), captions.at(0));
            QCOMPARE(vm->itemCount(g), captions.size() - 1);
            vm->setOpenGroup(g);
            for (int i = 1; i < captions.size(); ++i) {
                QCOMPARE(vm->itemButton(g, i)->accessibleName(), captions.at(i));
                QVERIFY(!vm->itemButton(g, i)->icon().isNull());
            }
        }
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
