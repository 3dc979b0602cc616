#pragma once

// What every test of the running program needs: a temporary folder holding the
// shipped factory file, a session and scripted dialogs, and the program started
// from them. Only for tests that link the shell.
#include "scripted_dialogs.h"
#include "test_files.h"

#include "core/menu_table.h"
#include "core/session.h"
#include "shell/main_window.h"
#include "shell/menu_window.h"
#include "shell/start_up.h"
#include "ui/vertical_menu.h"

#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest/QTest>

#include <memory>

namespace quorvel {

struct ShellFixture {
    QTemporaryDir dir;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    ShellFixture() {
        session.factoryFile = dir.filePath(QStringLiteral("Default.mag"));
        QFile::copy(shippedFactoryFile(), session.factoryFile);
    }

    MainWindow& start() {
        window = startUp(session, dialogs);
        if (!window)
            qFatal("start-up failed");
        return *window;
    }

    // Opens the group and clicks the item, as a person would.
    void clickMenu(MenuId id) {
        VerticalMenu* menu = window->menuWindow()->menu();
        menu->setOpenGroup(menuEntry(id).group);
        QTest::mouseClick(menuButton(id), Qt::LeftButton);
    }
    QToolButton* menuButton(MenuId id) const {
        return window->menuWindow()->menu()->itemButton(menuEntry(id).group, menuEntry(id).item);
    }
};

} // namespace quorvel
