#pragma once

// What the tests of the shell share: a running program of their own for each test, its
// windows at hand, and a click on the menu as a person makes it.
#include "shell_fixture.h"

#include "shell/table_view.h"

#include <QTableWidget>

#include <memory>

namespace quorvel {

class ShellDriver {
protected:
    std::unique_ptr<ShellFixture> m_f;

    MainWindow& start() { return m_f->start(); }

    MenuWindow& menu() { return *m_f->window->menuWindow(); }
    QTableWidget& grid() { return *m_f->window->tableView()->grid(); }
    void click(MenuId id) { m_f->clickMenu(id); }

    void setUp() { m_f = std::make_unique<ShellFixture>(); }
    // No test may leave a message box it did not expect.
    void tearDown() {
        m_f->window.reset();
        QCOMPARE(m_f->dialogs.unexpected, 0);
    }
};

} // namespace quorvel
