#include "core/files/settings_file.h"
#include "core/image/settings_image.h"
#include "core/menu_table.h"
#include "file_size_limit.h"
#include "scripted_dialogs.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "shell/table_view.h"
#include "shell_driver.h"
#include "test_files.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

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

} // namespace

class ShellTest : public QObject, private ShellDriver {
    Q_OBJECT

    QString path(const QString& name) const { return m_f->dir.filePath(name); }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
