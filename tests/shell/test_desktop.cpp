#include "core/files/settings_file.h"
#include "shell/command_line.h"
#include "shell/table_view.h"
#include "shell_fixture.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableWidget>
#include <QUrl>
#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::CommandLine::Action)

namespace {

const Message kOpened{QStringLiteral("O.K."), QStringLiteral("Open")};
const Message kNotOpened{QStringLiteral("File not opened ! "), QStringLiteral("Save"), Icon::Stop,
                         Buttons::Ok};
const Message kWrongLength{QStringLiteral("Can't open file ! "), QStringLiteral("Open"), Icon::Stop,
                           Buttons::Ok};
const Message kSaveQuestion{QStringLiteral("Do you want to save your setting ? (Y/N) "),
                            QStringLiteral("Quorvel"), Icon::Information, Buttons::YesNoCancel};

QMimeData* urlsData(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

} // namespace

// How settings files reach the program from the desktop, and the habits around them.
class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_f;

    QString path(const QString& name) const { return m_f->dir.filePath(name); }
    // Drags the data over the main window and drops it; true when the window took it.
    bool drop(QMimeData* data) {
        std::unique_ptr<QMimeData> owned(data);
        MainWindow& window = *m_f->window;
        const QPoint at = window.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }

private slots:
    void init() { m_f = std::make_unique<ShellFixture>(); }
    void cleanup() {
        m_f->window.reset();
        QCOMPARE(m_f->dialogs.unexpected, 0);
        m_f.reset();
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("problem");
        using A = CommandLine::Action;
        QTest::newRow("a file") << QStringList{"desk.msr"} << A::Start << "desk.msr" << QString();
        QTest::newRow("help wins over what only Qt knows")
            << QStringList{"-platform", "xcb", "-h"} << A::Help << QString() << QString();
        QTest::newRow("version") << QStringList{"--version"} << A::Version << QString()
                                 << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << A::Usage << QString()
                                        << "unknown option --frobnicate";
        QTest::newRow("two files") << QStringList{"a.msr", "b.msr"} << A::Usage << QString()
                                   << "one settings file at most";
        QTest::newRow("a file that looks like an option, after --")
            << QStringList{"--", "--help"} << A::Start << "--help" << QString();
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, file);
        QFETCH(QString, problem);
        const CommandLine line = parseCommandLine(QStringList{"quorvel"} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.file, file);
        QCOMPARE(line.problem, problem);
    }

    void fileArgument_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("settings file") << "good" << QList<Message>{kOpened} << true;
        QTest::newRow("missing") << "missing" << QList<Message>{kNotOpened} << false;
        QTest::newRow("FIFO, refused without blocking")
            << "fifo" << QList<Message>{kNotOpened} << false;
        QTest::newRow("wrong length") << "short" << QList<Message>{kWrongLength} << false;
    }
    void fileArgument() {
        QFETCH(QString, kind);
        QFETCH(QList<Message>, messages);
        QFETCH(bool, loaded);
        QString file = path(kind + QStringLiteral(".msr"));
        if (kind == QLatin1String("good")) {
            writeFile(file, composeSettingsText(patternImage(5)));
        } else if (kind == QLatin1String("fifo")) {
            if (!makeFifo(file))
                QSKIP("no FIFOs here");
        } else if (kind == QLatin1String("short")) {
            writeFile(file, composeSettingsText(patternImage(5)).left(407));
        }
        m_f->dialogs.answers.assign(1, Answer::Ok);

        m_f->window = startUp(m_f->session, m_f->dialogs, file);
        QVERIFY(m_f->window);
        // Opened after start-up, not during it.
        QVERIFY(m_f->dialogs.messages.isEmpty());
        QCoreApplication::processEvents();

        QCOMPARE(m_f->dialogs.messages, messages);
        QCOMPARE(m_f->session.image, loaded ? patternImage(5) : shippedFactoryImage());
        QVERIFY(!m_f->session.changed);
        QVERIFY(!m_f->window->hasEnded());
        QVERIFY(m_f->window->isVisible());
        if (loaded) {
            QTableWidget* grid = m_f->window->tableView()->grid();
            QVERIFY(grid->isVisible());
            QCOMPARE(grid->item(0, 0)->text(), QString::number(patternImage(5)[0], 16).toUpper());
            QCOMPARE(m_f->session.lastFolder, QFileInfo(file).absolutePath());
        }
    }

    void droppedFileIsOpenedAsByOpen() {
        m_f->start();
        const QString file = path(QStringLiteral("<b>dropped.msr"));
        writeFile(file, composeSettingsText(patternImage(6)));
        m_f->session.changed = true;

        // With unsaved edits it asks first; Cancel keeps everything.
        m_f->dialogs.answer(Answer::Cancel);
        QVERIFY(drop(urlsData({QUrl::fromLocalFile(file)})));
        QCOMPARE(m_f->dialogs.messages, QList<Message>{kSaveQuestion});
        QCOMPARE(m_f->session.image, shippedFactoryImage());
        QVERIFY(m_f->session.changed);

        m_f->dialogs.answer(Answer::No).answer(Answer::Ok);
        QVERIFY(drop(urlsData({QUrl::fromLocalFile(file)})));
        QCOMPARE(m_f->dialogs.messages, (QList<Message>{kSaveQuestion, kSaveQuestion, kOpened}));
        QCOMPARE(m_f->session.image, patternImage(6));
        QVERIFY(!m_f->session.changed);
        QCOMPARE(m_f->dialogs.openDialogs, 0);
    }

    void shortcutsRunTheMenuCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("item");
        QTest::newRow("Ctrl+O: Open") << int(Qt::Key_O) << 2;
        QTest::newRow("Ctrl+S: Save") << int(Qt::Key_S) << 3;
        QTest::newRow("Ctrl+Q: Exit") << int(Qt::Key_Q) << 4;
    }
    void shortcutsRunTheMenuCommands() {
        QFETCH(int, key);
        QFETCH(int, item);
        MainWindow& window = m_f->start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        m_f->clickMenu(MenuId::Terminator); // another group open, another item selected
        m_f->session.changed = true;
        m_f->dialogs.file(std::nullopt); // Open and Save: the dialog is cancelled
        m_f->dialogs.answer(Answer::No).answer(Answer::Ok); // Open and Exit: do not save

        QTest::keyClick(&window, static_cast<Qt::Key>(key), Qt::ControlModifier);

        VerticalMenu* menu = window.menuWindow()->menu();
        QCOMPARE(menu->openGroup(), 1);
        QCOMPARE(menu->selectedItem(), item);
        QCOMPARE(m_f->session.lastMenuItem, item);
        QCOMPARE(m_f->dialogs.openDialogs, item == 2 ? 1 : 0);
        QCOMPARE(m_f->dialogs.proposedNames.size(), item == 3 ? 1 : 0);
        QCOMPARE(window.hasEnded(), item == 4);
        m_f->dialogs.answers.clear();
        m_f->dialogs.files.clear();
    }

    void lastFolderFollowsFilesOpenedAndSaved() {
        m_f->start();
        QDir(m_f->dir.path()).mkpath(QStringLiteral("a"));
        QDir(m_f->dir.path()).mkpath(QStringLiteral("b"));
        const QString opened = path(QStringLiteral("a/x.msr"));
        writeFile(opened, composeSettingsText(patternImage(2)));
        QVERIFY(m_f->session.lastFolder.isEmpty());

        m_f->dialogs.file(path(QStringLiteral("b/missing.msr"))).answer(Answer::Ok);
        m_f->clickMenu(MenuId::Open);
        QVERIFY(m_f->session.lastFolder.isEmpty()); // a failed open remembers nothing

        m_f->dialogs.file(opened).answer(Answer::Ok);
        m_f->clickMenu(MenuId::Open);
        QCOMPARE(m_f->session.lastFolder, path(QStringLiteral("a")));

        m_f->dialogs.file(path(QStringLiteral("b/y.msr"))).answer(Answer::Ok);
        m_f->clickMenu(MenuId::Save);
        QCOMPARE(m_f->session.lastFolder, path(QStringLiteral("b")));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
