#include "menu_window.h"

#include "menu_look.h"

#include "file_commands.h"
#include "main_window.h"
#include "table_view.h"

#include "core/menu_table.h"
#include "core/session.h"
#include "core/files/settings_file.h"
#include "ui/dialogs.h"
#include "ui/file_messages.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QMdiSubWindow>
#include <QMetaEnum>
#include <QStyle>
#include <QTableWidget>

namespace quorvel {

class MenuWindow::FrontStep {
public:
    explicit FrontStep(MainWindow& main) : m_main(main) {
        m_main.tableView()->grid()->setVisible(false);
        m_main.showTableView();
    }
    // The grid comes back, showing the image as the command left it.
    ~FrontStep() {
        if (m_main.hasEnded())
            return;
        m_main.tableView()->grid()->setVisible(true);
        m_main.tableView()->refresh();
    }
    FrontStep(const FrontStep&) = delete;
    FrontStep& operator=(const FrontStep&) = delete;

private:
    MainWindow& m_main;
};

MenuWindow::MenuWindow(Session& session, Dialogs& dialogs, MainWindow& main)
    : m_session(session), m_dialogs(dialogs), m_main(main), m_menu(new VerticalMenu(this)) {
    setObjectName(QStringLiteral("frmMenu"));
    m_menu->setObjectName(QStringLiteral("VerticalMenu1"));
    m_menu->setGeometry(twipsRect(120, 180, 1890, 2685));

    const QMetaEnum icons = QMetaEnum::fromType<QStyle::StandardPixmap>();
    for (const char* group : kMenuGroups)
        m_menu->addGroup(tr(group));
    for (const MenuEntry& entry : kMenuEntries)
        m_menu->addItem(entry.group, tr(entry.caption), [this, icon = icons.keyToValue(menuLook(entry.id).icon)] {
            return style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon));
        });

    connect(m_menu, &VerticalMenu::itemClicked, this, &MenuWindow::dispatch);
}

void MenuWindow::dispatch(int group, int item) {
    m_session.lastMenuItem = item;
    const MenuEntry* entry = menuEntryAt(group, item);
    if (!entry)
        return;
    switch (entry->id) {
    case MenuId::Default:
        defaultCommand();
        break;
    case MenuId::Open:
        openCommand();
        break;
    case MenuId::Save:
        saveCommand();
        break;
    case MenuId::Exit:
        exitCommand();
        break;
    default:
        m_main.showPage(entry->id);
        break;
    }
}

void MenuWindow::defaultCommand() {
    FrontStep front(m_main);
    const QString title = tr("New");
    if (m_session.changed) {
        const Message question{
            tr("Current Data will be changed to factory default value. Are you sure ? "), title,
            Icon::Information, Buttons::YesNo};
        if (m_dialogs.ask(question) != Answer::Yes)
            return;
    }
    if (!readDefaultFile(m_session.factoryFile, m_session.image)) {
        // The program goes on with its image; nothing is lost by a missing factory file.
        m_dialogs.ask({tr("Can't change to default value."), programTitle(), Icon::Stop});
        return;
    }
    if (m_session.changed) {
        m_dialogs.ask({tr("All Data has been changed to factory default value ! "), title});
    } else {
        m_dialogs.ask({tr("All Data has been changed to default value ! "), title});
        m_session.changed = false;
    }
}

bool MenuWindow::saveEditsFirst() {
    switch (m_main.askToSaveEdits()) {
    case MainWindow::EditsAnswer::NothingToSave:
    case MainWindow::EditsAnswer::No:
    case MainWindow::EditsAnswer::Saved:
        return true;
    case MainWindow::EditsAnswer::Cancel:
    case MainWindow::EditsAnswer::NoName:
    case MainWindow::EditsAnswer::NotSaved:
        break;
    }
    return false;
}

void MenuWindow::openCommand() {
    FrontStep front(m_main);
    if (!saveEditsFirst())
        return;
    const std::optional<QString> name = m_dialogs.openFileName();
    if (!name) {
        m_dialogs.ask(*openFailureMessage(ReadResult::Error));
        return;
    }
    if (!name->isEmpty())
        openFile(*name);
}

void MenuWindow::openGivenFile(const QString& path) {
    FrontStep front(m_main);
    if (saveEditsFirst())
        openFile(path);
}

void MenuWindow::openFile(const QString& path) {
    const ReadOutcome outcome = readDataFile(path, m_session.image);
    if (const std::optional<Message> failure = openFailureMessage(outcome.result)) {
        m_dialogs.ask(*failure);
        return;
    }
    noteFileFolder(m_session, path);
    m_dialogs.ask({tr("O.K."), tr("Open")});
    m_session.changed = false;
}

void MenuWindow::saveCommand() {
    FrontStep front(m_main);
    switch (runSaveDialog(m_session, m_dialogs)) {
    case SaveStep::NoName:
        break;
    case SaveStep::Saved:
        m_dialogs.ask({tr("O.K."), tr("Save")});
        m_session.changed = false;
        break;
    case SaveStep::NotSaved:
    case SaveStep::Cancelled:
        m_dialogs.ask({tr("Data not saved ! "), tr("Save"), Icon::Stop});
        break;
    }
}

void MenuWindow::exitCommand() {
    // The same question as closing the window, so a failed save never loses edits.
    if (m_main.confirmEnd())
        m_main.endProgram(0);
}

void MenuWindow::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    fitToWindow();
}

void MenuWindow::fitToWindow() {
    const int group = m_menu->openGroup();
    const int margin = twips(200);
    const int innerHeight = height();
    const int innerWidth = width();
    m_menu->setGeometry(m_menu->x(), twips(100),
                        innerWidth < margin ? innerWidth : innerWidth - margin,
                        innerHeight < margin ? innerHeight : innerHeight - margin);
    m_menu->setOpenGroup(group);
    m_menu->setSelectedItem(m_session.lastMenuItem);
    m_menu->update();

    // Windows that exist follow the new size; the current selection's window is
    // created if it does not exist yet. The selected item is the last one clicked,
    // so it may name no item of the open group.
    if (!m_main.tableSubWindow())
        return; // still being built
    if (const MenuEntry* entry = menuEntryAt(group, m_menu->selectedItem()))
        m_main.pageWindow(entry->id);
    m_main.fitAllChildren();
}

} // namespace quorvel
