#include "device/companion_command.h"
#include "shell/about_page.h"
#include "shell_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace quorvel;

// About Quorvel: what it says, where it is, and Copy for a bug report.
class AboutTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& content) {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void textNamesEverything_data() {
        QTest::addColumn<QString>("qtBuild");
        QTest::addColumn<QString>("qtLine");
        QTest::newRow("same Qt") << "6.4.2" << "Qt: 6.4.2";
        QTest::newRow("newer Qt at run time") << "6.4.0" << "Qt: 6.4.2 (built with 6.4.0)";
    }
    void textNamesEverything() {
        QFETCH(QString, qtBuild);
        QFETCH(QString, qtLine);
        const AboutFacts facts{"0.1.0", "6.4.2", qtBuild, "0.13.1", "/usr/share/quorvel/Default.mag",
                               "/opt/Hoplink.exe, run by /usr/bin/wine"};
        QCOMPARE(aboutText(facts), QStringLiteral("Quorvel 0.1.0\n"
                                                  "Settings for Brisk/Corda/Mallow magnetic stripe "
                                                  "card readers\n"
                                                  "License: GPL-3.0-or-later\n") +
                                       qtLine +
                                       QStringLiteral("\nhidapi: 0.13.1\n"
                                                      "Default.mag: /usr/share/quorvel/Default.mag\n"
                                                      "Companion program: /opt/Hoplink.exe, run by "
                                                      "/usr/bin/wine\n"));
    }

    void companionInWords_data() {
        QTest::addColumn<QString>("text"); // QUORVEL_COMPANION
        QTest::addColumn<QString>("located");
        QTest::addColumn<bool>("windows"); // the located file starts with "MZ"
        QTest::addColumn<QString>("wine");
        QTest::addColumn<QString>("expected"); // %1: the located file
        QTest::newRow("none found") << "" << "" << false << "/usr/bin/wine"
                                    << "none: Hoplink.exe was not found beside this program or "
                                       "on the search path";
        QTest::newRow("Windows program with wine") << "" << "Hoplink.exe" << true << "/usr/bin/wine"
                                                   << "%1, run by /usr/bin/wine";
        QTest::newRow("Windows program without wine")
            << "" << "Hoplink.exe" << true << "" << "%1, which needs wine; wine was not found";
        QTest::newRow("named and found") << "stand-in --fast" << "stand-in" << false << ""
                                         << "%1 (named in QUORVEL_COMPANION)";
        QTest::newRow("named, not found") << "stand-in" << "" << false << ""
                                          << "none: stand-in, named in QUORVEL_COMPANION, was not "
                                             "found";
        QTest::newRow("named badly") << "'stand-in" << "" << false << ""
                                     << "none: QUORVEL_COMPANION cannot be used: a quote is "
                                        "not closed.";
    }
    void companionInWords() {
        QFETCH(QString, text);
        QFETCH(QString, located);
        QFETCH(bool, windows);
        QFETCH(QString, wine);
        QFETCH(QString, expected);
        QString path;
        if (!located.isEmpty())
            path = file(located, windows ? QByteArray("MZ\x90\0", 4) : QByteArray("#!/bin/sh\n"));
        const QString words = companionDescription(companionCommandFrom(text), path, wine);
        QCOMPARE(words, expected.contains(u'%') ? expected.arg(QDir::toNativeSeparators(path))
                                                : expected);
    }

    // Reached from the Tools group by its accessible action; shows this run's factory
    // file, and Copy puts exactly the shown text on the clipboard.
    void pageShowsAndCopies() {
        ShellFixture f;
        f.start();
        VerticalMenu* menu = f.window->menuWindow()->menu();
        menu->setOpenGroup(4);
        QToolButton* item = menu->itemButton(4, menu->itemCount(4));
        QCOMPARE(item->accessibleName(), QStringLiteral("About Quorvel"));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(item);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        AboutPage* page = nullptr;
        QTRY_VERIFY((page = f.window->findChild<AboutPage*>(QStringLiteral("frmAbout"))));
        QTRY_VERIFY(page->isVisible());
        const QString shown = page->textView()->toPlainText();
        QVERIFY(shown.startsWith(QStringLiteral("Quorvel ")));
        QVERIFY(shown.contains(QStringLiteral("\nLicense: GPL-3.0-or-later\n")));
        QVERIFY(shown.contains(QStringLiteral("\nDefault.mag: ") +
                               QDir::toNativeSeparators(f.session.factoryFile) + u'\n'));
        QVERIFY(shown.contains(QStringLiteral("\nhidapi: 0.")));
        QVERIFY(shown.contains(QStringLiteral("\nCompanion program: ")));

        QGuiApplication::clipboard()->clear();
        auto* copy = page->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(copy->accessibleName(), QStringLiteral("Copy"));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), page->text());
        QCOMPARE(page->text().trimmed(), shown.trimmed());
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
