// The Transmit page's transmissions: the hand-off file, the companion, its outcome and its stop.
#include "transmit_page_fixture.h"

#include <QtTest>

using namespace quorvel;
using namespace quorvel::transmit_tests;

class TransmitPageRunsTest : public QObject, private TransmitPageFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void cleanup() { tearDown(); }

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
        QVERIFY2(QRegularExpression(QRegularExpression::escape(line) +
                                    QStringLiteral("\\d\\d:\\d\\d:\\d\\d$"))
                     .match(p.outcomeText())
                     .hasMatch(),
                 qPrintable(p.outcomeText()));
        QCOMPARE(m_dialogs->messages.size(), exitCode == 0 ? 0 : 1);
    }

    // The busy box's Stop asks first; Yes ends the companion, No lets it run on.
    void theBusyBoxStopsTheCompanionOnlyWhenConfirmed_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("how"); // "mouse", "Space", "Enter" or "Press"
        QTest::addColumn<QString>("line");
        QTest::newRow("Yes by mouse") << Answer::Yes << "mouse"
                                      << "Companion program was stopped at ";
        QTest::newRow("Yes by Space") << Answer::Yes << "Space"
                                      << "Companion program was stopped at ";
        QTest::newRow("Yes by Enter") << Answer::Yes << "Enter"
                                      << "Companion program was stopped at ";
        QTest::newRow("Yes by Press") << Answer::Yes << "Press"
                                      << "Companion program was stopped at ";
        QTest::newRow("No") << Answer::No << "Press"
                            << "Companion program ended normally at ";
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
                QTest::keyClick(stopButton,
                                how == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return);
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
        QVERIFY2(QRegularExpression(QRegularExpression::escape(line) +
                                    QStringLiteral("\\d\\d:\\d\\d:\\d\\d$"))
                     .match(p.outcomeText())
                     .hasMatch(),
                 qPrintable(p.outcomeText()));
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
};

QTEST_MAIN(TransmitPageRunsTest)
#include "test_transmit_page_runs.moc"
